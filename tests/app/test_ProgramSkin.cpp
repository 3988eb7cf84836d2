// The program's own skin as the program uses it: loaded at start-up, holding a record for every
// skin name a window asks for, and leaving the default look when the stored skin is unusable.
#include "ProgramFixture.h"

#include "EmbeddedSkin.h"
#include "Unit1.h"
#include "bsMessages.h"
#include "bsSkinBoxCtrls.h"
#include "bsSkinCtrls.h"
#include "bsSkinData.h"
#include "bsSkinMemo.h"
#include "bsSkinTabs.h"
#include "bsSkinTreeView.h"

#include <QApplication>
#include <QSet>

namespace {

// The skin names held by an object of the program: its SkinDataName and any further names.
QStringList SkinNamesOf(const QObject* o)
{
    QStringList names;
    if (const auto* c = dynamic_cast<const TbsSkinControl*>(o))
        names << c->SkinDataName();
    if (const auto* e = dynamic_cast<const TbsSkinCustomEdit*>(o))
        names << e->SkinDataName();
    if (const auto* m = dynamic_cast<const TbsSkinMemo*>(o))
        names << m->SkinDataName();
    if (const auto* t = dynamic_cast<const TbsSkinCustomTreeView*>(o))
        names << t->SkinDataName() << t->ItemSkinDataName() << t->CheckSkinDataName();
    if (const auto* p = dynamic_cast<const TbsSkinPageControl*>(o))
        names << p->ButtonTabSkinDataName();
    if (const auto* d = dynamic_cast<const TbsSkinMessage*>(o))
        names << d->ButtonSkinDataName << d->MessageLabelSkinDataName;
    if (const auto* s = dynamic_cast<const TbsSkinData*>(o))
        names << s->DlgTreeViewItemSkinDataName() << s->DlgListViewItemSkinDataName();
    names.removeAll(QString());
    return names;
}

// The control names a record refers to: drop-down lists, scroll bars, up-downs.
QStringList NamesInRecord(const TbsDataSkinControl* record)
{
    if (const auto* c = dynamic_cast<const TbsDataSkinComboBox*>(record))
        return {c->ListBoxName};
    if (const auto* l = dynamic_cast<const TbsDataSkinListBox*>(record))
        return {l->VScrollBarName, l->HScrollBarName, l->BothScrollBarName};
    if (const auto* t = dynamic_cast<const TbsDataSkinTabControl*>(record))
        return {t->UpDown};
    return {};
}

// The frame objects of a skinned window and the popup menu item, which the frame and the menus
// look up by these names.
const char* const FrameObjectsOfASkinnedWindow[] = {"caption",        "closebutton",   "minimizebutton",
                                                    "maximizebutton", "sysmenubutton", "dialogclosebutton",
                                                    "menuitem"};

} // namespace

TEST_F(ProgramTest, EverySkinNameTheWindowsAskForIsARecordOfTheProgramsSkin)
{
    Start();
    const TbsSkinData* skin = Form1->bsSkinData1;
    ASSERT_NE(skin, nullptr);
    ASSERT_FALSE(skin->Empty());
    EXPECT_EQ(Form1->bsCompressedStoredSkin1->CompressedData(), EmbeddedSkinData());

    QSet<QString> asked;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        for (const QString& name : SkinNamesOf(window))
            asked << name;
        for (const QObject* child : window->findChildren<QObject*>())
            for (const QString& name : SkinNamesOf(child))
                asked << name;
    }
    ASSERT_TRUE(asked.contains(QStringLiteral("grid")));
    ASSERT_TRUE(asked.contains(QStringLiteral("toolbutton")));

    QStringList pending(asked.begin(), asked.end());
    QSet<QString> checked;
    while (!pending.isEmpty()) {
        const QString name = pending.takeFirst();
        if (name.isEmpty() || checked.contains(name))
            continue;
        checked << name;
        const int index = skin->GetControlIndex(name);
        EXPECT_NE(index, -1) << name.toStdString();
        if (index != -1)
            pending << NamesInRecord(skin->CtrlList[size_t(index)].get());
    }
    for (const char* name : FrameObjectsOfASkinnedWindow)
        EXPECT_NE(skin->GetIndex(QString::fromLatin1(name)), -1) << name;
    EXPECT_NE(skin->ActivePicture(skin->PopupWindow.WindowPictureIndex), nullptr);
    EXPECT_NE(skin->ActivePicture(skin->HintWindow.WindowPictureIndex), nullptr);
    EXPECT_NE(skin->LayerFrame.FSourceBitmap, nullptr);
    EXPECT_NE(skin->LayerFrame.FSourceInActiveBitMap, nullptr);
}

TEST(ProgramSkin, AStoredSkinThatDoesNotUnpackLeavesTheDefaultLook)
{
    QByteArray flipped = EmbeddedSkinData();
    for (qsizetype i = flipped.size() / 3; i < flipped.size() / 3 + 64; ++i)
        flipped[i] = char(~flipped[i]);
    struct Case {
        const char* name;
        QByteArray compressed;
        bool loads;
    };
    const Case cases[] = {
        {"the embedded skin", EmbeddedSkinData(), true},
        {"empty", QByteArray(), false},
        {"corrupted", flipped, false},
        {"cut short", EmbeddedSkinData().left(EmbeddedSkinData().size() / 2), false},
        {"not a zlib stream", QByteArray("not a skin at all"), false},
    };
    for (const Case& c : cases) {
        TbsSkinData skin;
        TbsCompressedStoredSkin stored;
        EXPECT_NO_THROW(LoadStoredSkin(skin, stored, c.compressed)) << c.name;
        EXPECT_EQ(!skin.Empty(), c.loads) << c.name;
        EXPECT_EQ(skin.GetControlIndex(QStringLiteral("button")) != -1, c.loads) << c.name;
    }
}
