// A skin change with every window of the program open: each control linked to the repository
// hears it once, in window order, a control before its children, and paints from the new skin.
#include "ProgramFixture.h"

#include "TApplication.h"
#include "TForm.h"
#include "Unit1.h"
#include "Unit4.h"
#include "bsSkinCtrls.h"

#include <QTest>

namespace {

QString TestSkinIni()
{
    return qEnvironmentVariable("PR_TEST_DATA") + QStringLiteral("/testskin/skin.ini");
}

// A skinned control that writes each relayed call and counts its paints.
class TRecordingControl : public TbsSkinCustomControl {
public:
    TRecordingControl(QWidget* parent, const QString& name, QStringList& log)
        : TbsSkinCustomControl(parent), FLog(log)
    {
        setObjectName(name);
        SetSkinDataName(QStringLiteral("button"));
        setGeometry(0, 0, 20, 20);
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

// Every control of every window that links to the repository, in walk order.
QList<TbsSkinSurface*> LinkedSurfaces(TbsSkinData* repository)
{
    QList<TbsSkinSurface*> found;
    for (TForm* form : Application->Forms())
        for (QWidget* w : form->findChildren<QWidget*>())
            if (auto* s = dynamic_cast<TbsSkinSurface*>(w); s && s->SkinLink().SkinData() == repository)
                found << s;
    return found;
}

} // namespace

TEST_F(ProgramTest, ASkinChangeReachesEveryLinkedControlOnceAndRepaintsIt)
{
    Start();
    // Until the login window carries the program's skin its repository may not exist; a
    // repository of the login window's own stands in for it then.
    TbsSkinData* repository = Form1->bsSkinData1 ? Form1->bsSkinData1 : new TbsSkinData(Form1);
    QStringList log;
    QList<TRecordingControl*> recorders;
    QStringList expectedChanges;
    for (TForm* form : Application->Forms()) {
        form->show();
        auto* outer =
            new TRecordingControl(form->ClientWidget(), form->objectName() + QStringLiteral(".outer"), log);
        auto* inner = new TRecordingControl(outer, form->objectName() + QStringLiteral(".inner"), log);
        auto* unlinked =
            new TRecordingControl(form->ClientWidget(), form->objectName() + QStringLiteral(".none"), log);
        outer->SetSkinData(repository);
        inner->SetSkinData(repository);
        for (auto* r : {outer, inner, unlinked}) {
            r->show();
            recorders << r;
        }
    }
    for (TForm* form : Application->Forms())
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form));
    for (auto* r : recorders)
        r->Paints = 0;
    log.clear(); // linking to a repository that holds a skin looks the object up at once

    repository->LoadFromFile(TestSkinIni());
    ASSERT_FALSE(repository->Empty());

    // Each linked recorder: one before-change and one change, its own before its child's.
    for (TForm* form : Application->Forms()) {
        const QString outer = form->objectName() + QStringLiteral(".outer");
        const QString inner = form->objectName() + QStringLiteral(".inner");
        EXPECT_EQ(log.count(QStringLiteral("before ") + outer), 1) << outer.toStdString();
        EXPECT_EQ(log.count(QStringLiteral("change ") + outer), 1) << outer.toStdString();
        EXPECT_EQ(log.count(QStringLiteral("change ") + inner), 1) << inner.toStdString();
        EXPECT_LT(log.indexOf(QStringLiteral("change ") + outer),
                  log.indexOf(QStringLiteral("change ") + inner));
        EXPECT_EQ(log.filter(form->objectName() + QStringLiteral(".none")).size(), 0);
    }
    for (auto* r : recorders) {
        if (r->SkinData() != repository)
            continue;
        EXPECT_EQ(r->SkinIndex(), repository->GetControlIndex(QStringLiteral("button")));
        QTRY_VERIFY2(r->Paints > 0, qPrintable(r->objectName()));
    }
    // The program's own linked controls found their objects of the new skin where it has them.
    for (TbsSkinSurface* s : LinkedSurfaces(repository))
        EXPECT_EQ(s->SkinLink().Index(), repository->GetControlIndex(s->SkinLink().SkinDataName()))
            << dynamic_cast<QWidget*>(s)->objectName().toStdString();

    repository->ClearSkin();
    for (TbsSkinSurface* s : LinkedSurfaces(repository))
        EXPECT_EQ(s->SkinLink().Index(), -1) << "an emptied repository leaves the default look";
}
