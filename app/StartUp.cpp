// Start-up order and shut-down of the program's long-lived objects.
#include "StartUp.h"

#include "FontSubstitution.h"
#include "QueryActions.h"
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
#include <QFile>
#include <QTimer>
#include <cstdio>
#include <ctime>
#include <unistd.h>

namespace {

// Nanoseconds on the monotonic clock.
qint64 MonotonicNs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return qint64(t.tv_sec) * 1000000000 + t.tv_nsec;
}

// When the process started, on the monotonic clock: the benchmark's word for it, or the kernel's
// start time (in clock ticks since boot, field 22 of /proc/self/stat), which counts boot time as
// CLOCK_BOOTTIME does.
qint64 ProcessStartNs()
{
    bool given = false;
    const qint64 spawned = qEnvironmentVariable("PR_SPAWN_MONOTONIC_NS").toLongLong(&given);
    if (given)
        return spawned;
    QFile stat(QStringLiteral("/proc/self/stat"));
    if (!stat.open(QIODevice::ReadOnly))
        return MonotonicNs();
    const QByteArray text = stat.readAll();
    // The command name in field 2 may hold spaces; the fields after it are counted from its ')'.
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    const qint64 ticks = fields.value(19).toLongLong();
    timespec boot{}, mono{};
    clock_gettime(CLOCK_BOOTTIME, &boot);
    clock_gettime(CLOCK_MONOTONIC, &mono);
    const qint64 bootToMono = (qint64(boot.tv_sec) - mono.tv_sec) * 1000000000 + boot.tv_nsec - mono.tv_nsec;
    return ticks * (1000000000 / sysconf(_SC_CLK_TCK)) - bootToMono;
}

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
                          "%5 ms")
        .arg(Ms(start, Times.FirstPaint), 0, 'f', 1)
        .arg(Ms(start, Times.Begin), 0, 'f', 1)
        .arg(Ms(Times.Begin, Times.LoginWindow), 0, 'f', 1)
        .arg(Ms(Times.LoginWindow, Times.OtherWindows), 0, 'f', 1)
        .arg(Ms(Times.Shown, Times.FirstPaint), 0, 'f', 1);
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
