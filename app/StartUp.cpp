// Start-up order and shut-down of the program's long-lived objects.
#include "StartUp.h"

#include "FontSetup.h"
#include "QueryActions.h"
#include "StartUpClock.h"
#include "TApplication.h"
#include "TConnection.h"
#include "Unit1.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "Unit5.h"
#include "Unit6.h"
#include "Unit7.h"
#include "Unit8.h"
#include "bsDefaultLook.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <cstdio>

namespace {

// The times of the start's phases, on the monotonic clock.
struct TStartUpTimes {
    qint64 Begin = 0, LoginWindow = 0, OtherWindowsBegin = 0, OtherWindowsEnd = 0, Shown = 0, FirstPaint = 0;
};
TStartUpTimes Times;

class TFirstPaintWatch;
// The watch while it waits; ShutDown ends it first, so that no event sent while the windows are
// destroyed creates windows again.
QPointer<TFirstPaintWatch> Watch;

// The windows after the login window, in their order; again a no-op once they exist.
void CreateOtherWindows()
{
    if (Form3)
        return;
    Times.OtherWindowsBegin = MonotonicNs();
    new TForm3;
    new TForm6;
    new TForm4;
    new TForm5;
    new TForm7;
    new TForm8;
    Times.OtherWindowsEnd = MonotonicNs();
}

// Watches the whole application until the login window's first paint is done: then it creates the
// other windows when they are still missing, and with QuitAfterFirstPaint reports and ends the
// program. An input event or a close that comes earlier creates them first, so that no handler
// ever runs while a window is missing.
class TFirstPaintWatch : public QObject {
public:
    // Lives on the login window, so that it ends with the program however early that comes.
    explicit TFirstPaintWatch(bool quit) : QObject(Form1), FQuit(quit)
    {
        QCoreApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->isInputEvent() || event->type() == QEvent::Close) {
            CreateOtherWindows();
            if (!FQuit)
                Finish();
        } else if (event->type() == QEvent::Paint && watched == Form1 && !FSeen) {
            FSeen = true;
            // The paint event is handled after the filter: what follows it runs once it is done.
            QTimer::singleShot(0, this, [this] { FirstPaintDone(); });
        }
        return false;
    }

private:
    void FirstPaintDone()
    {
        Times.FirstPaint = MonotonicNs();
        CreateOtherWindows();
        if (FQuit) {
            std::printf("%s\n", FirstPaintReport().toUtf8().constData());
            std::fflush(stdout);
            Application->Terminate();
        }
        Finish();
    }
    void Finish()
    {
        QCoreApplication::instance()->removeEventFilter(this);
        deleteLater();
    }

    bool FQuit;
    bool FSeen = false;
};

double Ms(qint64 from, qint64 to)
{
    return double(to - from) / 1e6;
}

} // namespace

QString FirstPaintReport()
{
    const qint64 start = ProcessStartNs();
    return QStringLiteral("first paint %1 ms after the process start: until StartUp %2 ms, login "
                          "window with skin and database %3 ms, show to paint %4 ms, other windows "
                          "%5 ms %6; window %7 x %8")
        .arg(Ms(start, Times.FirstPaint), 0, 'f', 1)
        .arg(Ms(start, Times.Begin), 0, 'f', 1)
        .arg(Ms(Times.Begin, Times.LoginWindow), 0, 'f', 1)
        .arg(Ms(Times.Shown, Times.FirstPaint), 0, 'f', 1)
        .arg(Ms(Times.OtherWindowsBegin, Times.OtherWindowsEnd), 0, 'f', 1)
        .arg(Times.OtherWindowsBegin < Times.Shown ? QStringLiteral("before the show")
                                                   : QStringLiteral("after the first paint"))
        .arg(Form1 ? Form1->width() : 0)
        .arg(Form1 ? Form1->height() : 0);
}

void StartUp(const TProgramOptions& AOptions)
{
    Times = {};
    Times.Begin = MonotonicNs();
    ProgramSkinChoice() = AOptions.Skin;
    InstallFontSubstitutes();
    // Controls that name no font of their own draw in the skinned controls' own face and size,
    // rather than in the platform's default font. The stock editors inside the skinned ones lay
    // out their text once before they take that font; in any other font that layout alone would
    // load one more font before the login window shows.
    QApplication::setFont(DefaultControlFont());
    new TApplication;
    Application->SetTitle(QStringLiteral("人事管理系统"));
    new Tdb;
    // The login window's account list is the first query: the database opens meanwhile.
    db->acPer->OpenAhead();
    // Later windows link to the skin repository on the login window, and the archive window loads
    // the picker's tree: hence this order.
    new TForm1;
    Times.LoginWindow = MonotonicNs();
    // A message of the login window's creation means the later windows may have theirs too: all of
    // them come before any window is visible.
    if (!AOptions.PaintLoginFirst || Form1->MessageShown())
        CreateOtherWindows();
    if (AOptions.QuitAfterFirstPaint || !Form3)
        Watch = new TFirstPaintWatch(AOptions.QuitAfterFirstPaint);
    Times.Shown = MonotonicNs();
    Form1->Show();
}

namespace {
template <class T> void Destroy(T*& global)
{
    delete global;
    global = nullptr;
}
} // namespace

void ShutDown()
{
    delete Watch;
    // Nothing typed is lost at the end: a change not yet posted is written now.
    if (Form4)
        Form4->PostPendingChange();
    if (Form7)
        CallHandler([] { Form7->PostPendingChange(); });
    if (Form8)
        CallHandler([] { Form8->PostPendingChange(); });
    Destroy(Form8);
    Destroy(Form7);
    Destroy(Form5);
    Destroy(Form4);
    Destroy(Form6);
    Destroy(Form3);
    Destroy(Form1);
    Destroy(db);
    Destroy(Application);
}
