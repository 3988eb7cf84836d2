// Start-up order and shut-down of the program's long-lived objects.
#include "StartUp.h"

#include "FontSubstitution.h"
#include "QueryActions.h"
#include "StartUpClock.h"
#include "TApplication.h"
#include "Unit1.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "Unit5.h"
#include "Unit6.h"
#include "Unit7.h"
#include "Unit8.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <cstdio>

namespace {

// The times of the start's phases, on the monotonic clock.
struct TStartUpTimes {
    qint64 Begin = 0, LoginWindow = 0, OtherWindows = 0, Shown = 0, FirstPaint = 0;
};
TStartUpTimes Times;

// Ends the program after the login window's first paint has been done.
class TFirstPaintWatch : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !FSeen) {
            FSeen = true;
            // The paint event is handled after the filter: what follows it runs once it is done.
            QTimer::singleShot(0, watched, [] {
                Times.FirstPaint = MonotonicNs();
                std::printf("%s\n", FirstPaintReport().toUtf8().constData());
                std::fflush(stdout);
                Application->Terminate();
            });
        }
        return false;
    }

private:
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
                          "window with skin and database %3 ms, other windows %4 ms, show to paint "
                          "%5 ms; window %6 x %7")
        .arg(Ms(start, Times.FirstPaint), 0, 'f', 1)
        .arg(Ms(start, Times.Begin), 0, 'f', 1)
        .arg(Ms(Times.Begin, Times.LoginWindow), 0, 'f', 1)
        .arg(Ms(Times.LoginWindow, Times.OtherWindows), 0, 'f', 1)
        .arg(Ms(Times.Shown, Times.FirstPaint), 0, 'f', 1)
        .arg(Form1 ? Form1->width() : 0)
        .arg(Form1 ? Form1->height() : 0);
}

void StartUp(const TProgramOptions& AOptions)
{
    Times = {};
    Times.Begin = MonotonicNs();
    ProgramSkinChoice() = AOptions.Skin;
    InstallFontSubstitutes();
    new TApplication;
    Application->SetTitle(QStringLiteral("人事管理系统"));
    new Tdb;
    // Later windows link to the skin repository on the login window, and the archive window loads
    // the picker's tree: hence this order.
    new TForm1;
    Times.LoginWindow = MonotonicNs();
    new TForm3;
    new TForm6;
    new TForm4;
    new TForm5;
    new TForm7;
    new TForm8;
    Times.OtherWindows = MonotonicNs();
    if (AOptions.QuitAfterFirstPaint)
        Form1->installEventFilter(new TFirstPaintWatch(Form1));
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
