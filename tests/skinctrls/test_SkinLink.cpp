// The skin link and the relay of skin changes from a window to its linked controls.
#include "SmallSkin.h"
#include "bsDefaultLook.h"
#include "bsSkinControl.h"
#include "bsSkinLink.h"
#include "bsSkinMenus.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

// A control that writes every relayed call into a shared log.
class TRecordingControl : public TbsSkinCustomControl {
public:
    TRecordingControl(QWidget* parent, const QString& name, QStringList& log)
        : TbsSkinCustomControl(parent), FLog(log)
    {
        setObjectName(name);
        FLink.SetSkinDataName(QStringLiteral("button"));
    }
    void BeforeChangeSkinData() override
    {
        FLog << QStringLiteral("before ") + objectName();
        TbsSkinCustomControl::BeforeChangeSkinData();
    }
    void ChangeSkinData() override
    {
        FLog << QStringLiteral("change ") + objectName();
        TbsSkinCustomControl::ChangeSkinData();
    }
    void AfterChangeSkinData() override { FLog << QStringLiteral("after ") + objectName(); }
    int Paints = 0;

protected:
    void paintEvent(QPaintEvent* e) override
    {
        ++Paints;
        TbsSkinCustomControl::paintEvent(e);
    }

private:
    QStringList& FLog;
};

void AddButtonRecord(TSmallSkin& skin)
{
    auto& button = skin.AddControl<TbsDataSkinButtonControl>(QStringLiteral("button"));
    button.PictureIndex = skin.AddPicture(ColourBlocks({Qt::red}, 10, 10));
    button.SkinRect = {0, 0, 10, 10};
}

TEST(SkinLink, FindsTheRecordOnlyWhileTheRepositoryHoldsIt)
{
    TSmallSkin skin;
    AddButtonRecord(skin);
    auto* data = new TbsSkinData;
    TbsSkinLink link(QStringLiteral("button"));
    EXPECT_EQ(link.Lookup(), -1) << "no repository";
    link.SetSkinData(data);
    EXPECT_EQ(link.Lookup(), -1) << "empty repository";
    skin.LoadInto(*data);
    EXPECT_EQ(link.Lookup(), 0);
    ASSERT_NE(link.Typed<TbsDataSkinButtonControl>(), nullptr);
    EXPECT_EQ(link.Typed<TbsDataSkinEditControl>(), nullptr) << "record of another class";

    link.SetSkinDataName(QStringLiteral("Button"));
    EXPECT_EQ(link.Lookup(), -1) << "names compare case-sensitively";
    link.SetSkinDataName(QStringLiteral("button"));
    link.Lookup();

    // An index found before the repository was emptied no longer reads a record.
    data->ClearAll();
    EXPECT_EQ(link.Control(), nullptr);
    EXPECT_EQ(link.Index(), -1);

    skin.LoadInto(*data);
    link.Lookup();
    delete data;
    EXPECT_EQ(link.SkinData(), nullptr);
    EXPECT_EQ(link.Control(), nullptr);
    QImage B;
    EXPECT_FALSE(link.PaintPart({0, 0, 10, 10}, B, 10, 10, true));
}

TEST(SkinLink, RecordFontTakesNameHeightAndStyle)
{
    const QFont font = SkinRecordFont(QStringLiteral("Verdana"), 14, TFontStyles(fsBold | fsUnderline));
    EXPECT_EQ(font.family(), QStringLiteral("Verdana"));
    EXPECT_EQ(font.pixelSize(), 14);
    EXPECT_TRUE(font.bold());
    EXPECT_TRUE(font.underline());
    EXPECT_FALSE(font.italic());
    EXPECT_EQ(SkinRecordFont(QStringLiteral("x"), 0, {}).pixelSize(), 13) << "no height from the skin";
    EXPECT_EQ(SkinRecordFont(QStringLiteral("x"), -11, {}).pixelSize(), 11);
}

TEST(SkinChangeRelay, ReachesEveryLinkedControlOnceParentBeforeChild)
{
    TSmallSkin skin;
    AddButtonRecord(skin);
    TbsSkinData data, other;
    QStringList log;
    QWidget window;
    auto* outer = new TRecordingControl(&window, QStringLiteral("outer"), log);
    auto* inner = new TRecordingControl(outer, QStringLiteral("inner"), log);
    auto* sibling = new TRecordingControl(&window, QStringLiteral("sibling"), log);
    auto* unlinked = new TRecordingControl(&window, QStringLiteral("unlinked"), log);
    auto* foreign = new TRecordingControl(&window, QStringLiteral("foreign"), log);
    outer->SetSkinData(&data);
    inner->SetSkinData(&data);
    sibling->SetSkinData(&data);
    foreign->SetSkinData(&other);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    for (auto* c : {outer, inner, sibling})
        c->Paints = 0;

    skin.LoadInto(data);

    EXPECT_EQ(log,
              (QStringList{"before outer", "before inner", "before sibling", "change outer", "change inner",
                           "change sibling", "after outer", "after inner", "after sibling"}));
    EXPECT_EQ(unlinked->SkinData(), nullptr) << "the relay never gives a control a repository";
    for (auto* c : {outer, inner, sibling}) {
        EXPECT_EQ(c->SkinIndex(), 0) << c->objectName().toStdString();
        QTRY_VERIFY(c->Paints > 0);
    }
    EXPECT_EQ(foreign->SkinIndex(), -1);
}

TEST(SkinChangeRelay, EmptiedOrDestroyedRepositoryLeavesTheDefaultLook)
{
    TSmallSkin skin;
    AddButtonRecord(skin);
    auto* data = new TbsSkinData;
    QStringList log;
    QWidget window;
    auto* control = new TRecordingControl(&window, QStringLiteral("c"), log);
    control->SetSkinData(data);
    skin.LoadInto(*data);
    ASSERT_EQ(control->SkinIndex(), 0);
    data->ClearSkin();
    EXPECT_EQ(control->SkinIndex(), -1);
    skin.LoadInto(*data);
    ASSERT_EQ(control->SkinIndex(), 0);
    delete data;
    EXPECT_EQ(control->SkinIndex(), -1);
    EXPECT_EQ(control->SkinData(), nullptr);
    const QImage painted = control->PaintedImage();
    EXPECT_EQ(painted.pixelColor(3, 3), SysBtnFace());
}

TEST(SkinChangeRelay, PopupMenusForgetADestroyedRepository)
{
    auto* data = new TbsSkinData;
    TbsSkinPopupMenu menu;
    menu.SkinData = data;
    TbsSkinMenu engine;
    engine.SkinData = data;
    delete data;
    EXPECT_EQ(menu.SkinData, nullptr);
    EXPECT_EQ(engine.SkinData, nullptr);
}

} // namespace
