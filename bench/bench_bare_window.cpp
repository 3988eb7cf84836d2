// The bare Qt program the start-up benchmark measures the program against: one empty window of a
// given size, which quits after its first paint and prints the time since the process started, or
// with --resident its resident memory in kB.
#include "StartUpClock.h"

#include <QApplication>
#include <QFile>
#include <QRegularExpression>
#include <QTimer>
#include <QWidget>
#include <cstdio>

namespace {

long ResidentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    status.open(QIODevice::ReadOnly);
    return QRegularExpression(QStringLiteral("VmRSS:\\s+(\\d+)"))
        .match(QString::fromLatin1(status.readAll()))
        .captured(1)
        .toLong();
}

bool Resident = false;

class TEmptyWindow : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override
    {
        if (FPainted)
            return;
        FPainted = true;
        QTimer::singleShot(0, this, [] {
            if (Resident)
                std::printf("%ld kB\n", ResidentKb());
            else
                std::printf("first paint %.1f ms after the process start\n",
                            double(MonotonicNs() - ProcessStartNs()) / 1e6);
            std::fflush(stdout);
            QCoreApplication::quit();
        });
    }

private:
    bool FPainted = false;
};

} // namespace

// bench_bare_window [width height] | --resident
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QStringList args = QApplication::arguments();
    Resident = args.removeAll(QStringLiteral("--resident")) > 0;
    TEmptyWindow window;
    window.resize(args.value(1, QStringLiteral("329")).toInt(), args.value(2, QStringLiteral("228")).toInt());
    window.setWindowTitle(QStringLiteral("bare"));
    window.show();
    return QApplication::exec();
}
