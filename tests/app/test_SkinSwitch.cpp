// Switching the program between the light and the dark skin many times with every window open:
// no crash, no leak (the sanitizer build checks), and every linked control that can be seen repaints
// from the new skin after each switch.
#include "ProgramFixture.h"

#include "EmbeddedSkin.h"
#include "TApplication.h"
#include "TForm.h"
#include "Unit1.h"
#include "bsSkinData.h"
#include "bsSkinLink.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTest>
#include <cstdio>
#include <set>

namespace {

// Counts the paints of the watched widgets that are still waiting for one.
class TPaintWatch : public QObject {
public:
    explicit TPaintWatch(const QList<QWidget*>& widgets)
    {
        for (QWidget* w : widgets) {
            w->installEventFilter(this);
            FWidgets.push_back(w);
        }
    }
    // Every watched widget that can be seen waits for a paint again.
    void Expect()
    {
        FWaiting.clear();
        for (QWidget* w : FWidgets)
            if (w->isVisible())
                FWaiting.insert(w);
    }
    bool AllPainted() const { return FWaiting.empty(); }
    QString Waiting() const
    {
        QStringList names;
        for (QObject* w : FWaiting)
            names << w->objectName() + u'(' + QLatin1String(w->metaObject()->className()) + u')';
        return names.join(u' ');
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            FWaiting.erase(watched);
        return false;
    }

private:
    QList<QWidget*> FWidgets;
    std::set<QObject*> FWaiting;
};

// Every widget of every window whose painting is linked to the repository.
QList<QWidget*> LinkedWidgets(TbsSkinData* repository)
{
    QList<QWidget*> found;
    for (TForm* form : Application->Forms())
        for (QWidget* w : form->findChildren<QWidget*>())
            if (auto* s = dynamic_cast<TbsSkinSurface*>(w); s && s->SkinLink().SkinData() == repository)
                found << w;
    return found;
}

// Lets the repaints of a switch happen; false when some linked control did not repaint in time.
bool WaitForRepaint(TPaintWatch& watch)
{
    QElapsedTimer waited;
    waited.start();
    while (!watch.AllPainted() && waited.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return watch.AllPainted();
}

// 40 switches keep the suite's sanitizer build within a few seconds; PR_SKIN_SWITCHES=500 runs the
// full stress.
int Switches()
{
    bool ok = false;
    const int n = qEnvironmentVariableIntValue("PR_SKIN_SWITCHES", &ok);
    return ok && n > 0 ? n : 40;
}

} // namespace

TEST_F(ProgramTest, SkinSwitchesWithEveryWindowOpenRepaintEveryLinkedControl)
{
    Start();
    TbsSkinData* repository = Form1->bsSkinData1;
    for (TForm* form : Application->Forms())
        form->Show();
    for (TForm* form : Application->Forms())
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form)) << form->objectName().toStdString();
    const QList<QWidget*> linked = LinkedWidgets(repository);
    ASSERT_GT(linked.size(), 30);
    TPaintWatch watch(linked);

    TbsCompressedStoredSkin light, dark;
    light.SetCompressedData(EmbeddedSkinData());
    dark.SetCompressedData(EmbeddedDarkSkinData());
    const int switches = Switches();
    qint64 loadNs = 0;
    QElapsedTimer all;
    all.start();
    for (int i = 0; i < switches; ++i) {
        const bool toDark = i % 2 == 0;
        watch.Expect();
        QElapsedTimer one;
        one.start();
        // Every 25th switch goes through the default look first, as clearing the skin does.
        if (i % 25 == 24)
            repository->ClearSkin();
        repository->LoadCompressedStoredSkin(toDark ? &dark : &light);
        loadNs += one.nsecsElapsed();
        ASSERT_FALSE(repository->Empty());
        ASSERT_EQ(repository->SkinName,
                  toDark ? QStringLiteral("Personnel dark") : QStringLiteral("Personnel light"));
        ASSERT_TRUE(WaitForRepaint(watch))
            << "switch " << i << ", not repainted: " << watch.Waiting().toStdString();
        if (i == 0 || i == switches - 1) {
            for (QWidget* w : linked) {
                const TbsSkinLink& link = dynamic_cast<TbsSkinSurface*>(w)->SkinLink();
                EXPECT_EQ(link.Index(), repository->GetControlIndex(link.SkinDataName()))
                    << w->objectName().toStdString();
            }
        }
    }
    const double perSwitchMs = double(all.nsecsElapsed()) / 1e6 / switches;
    std::printf("skin switch with %lld linked controls in %lld windows: %.2f ms to load, %.2f ms with "
                "the repaint (%d switches)\n",
                qlonglong(linked.size()), qlonglong(Application->Forms().size()),
                double(loadNs) / 1e6 / switches, perSwitchMs, switches);
    std::fflush(stdout);
}
