// The clock of the start-up report: when the process started and how long ago that was. Header only,
// so that the bare window of the start-up benchmark measures with the same clock.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QtGlobal>
#include <ctime>
#include <unistd.h>

// Nanoseconds on the monotonic clock.
inline qint64 MonotonicNs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return qint64(t.tv_sec) * 1000000000 + t.tv_nsec;
}

// When the process started, on the monotonic clock: the CLOCK_MONOTONIC nanoseconds in the
// environment variable PR_SPAWN_MONOTONIC_NS when the one who started it set it, otherwise the
// kernel's start time of the process (field 22 of /proc/self/stat, in clock ticks since boot, as
// CLOCK_BOOTTIME counts; only as fine as a tick).
inline qint64 ProcessStartNs()
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
    const qint64 bootAhead = (qint64(boot.tv_sec) - mono.tv_sec) * 1000000000 + boot.tv_nsec - mono.tv_nsec;
    return ticks * (1000000000 / sysconf(_SC_CLK_TCK)) - bootAhead;
}
