// Benchmark: from process start to the first paint of the login window, the program against a bare
// Qt program that shows one empty window of the same size, both started as whole processes several
// times; then where the program's time goes: its own phases, the skin load and the database open.
#include "BestTime.h"
#include "DatabaseTool.h"
#include "EmbeddedSkin.h"
#include "StartUpClock.h"
#include "TConnection.h"
#include "TQuery.h"
#include "Unit1.h"
#include "bsSkinData.h"

#include <QApplication>
#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <map>
#include <vector>

namespace {

constexpr int Runs = 25;

// One started process: the milliseconds from its start to its first paint (as it reports them), to
// its end, and the rest of what it printed.
struct TRun {
    double FirstPaintMs = 0;
    double WholeMs = 0;
    QString Report;
};

TRun RunOnce(const QString& program, const QStringList& args, const QString& workDir)
{
    QProcess process;
    process.setWorkingDirectory(workDir);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (!env.contains(QStringLiteral("QT_QPA_PLATFORM")))
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    const qint64 start = MonotonicNs();
    env.insert(QStringLiteral("PR_SPAWN_MONOTONIC_NS"), QString::number(start));
    process.setProcessEnvironment(env);
    process.start(program, args);
    if (!process.waitForFinished(60000) || process.exitCode() != 0) {
        std::fprintf(stderr, "bench_startup: %s did not start and quit: %s\n", qPrintable(program),
                     process.readAllStandardError().constData());
        std::exit(1);
    }
    TRun run;
    run.WholeMs = double(MonotonicNs() - start) / 1e6;
    run.Report = QString::fromUtf8(process.readAllStandardOutput()).trimmed();
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("^first paint ([0-9.]+) ms")).match(run.Report);
    run.FirstPaintMs = m.captured(1).toDouble();
    return run;
}

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// The first and third quartile.
std::pair<double, double> Quartiles(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return {v[v.size() / 4], v[v.size() * 3 / 4]};
}

// The median of each "<name> <n> ms" phase over the program's reports.
std::vector<std::pair<QString, double>> MedianPhases(const std::vector<TRun>& runs)
{
    std::vector<QString> order;
    std::map<QString, std::vector<double>> phases;
    const QRegularExpression phase(QStringLiteral("(?:: |, )([^,:;]+?) ([0-9.]+) ms"));
    for (const TRun& run : runs) {
        for (const QRegularExpressionMatch& m : phase.globalMatch(run.Report)) {
            if (!phases.count(m.captured(1)))
                order.push_back(m.captured(1));
            phases[m.captured(1)].push_back(m.captured(2).toDouble());
        }
    }
    std::vector<std::pair<QString, double>> medians;
    for (const QString& name : order)
        medians.emplace_back(name, Median(phases[name]));
    return medians;
}

// The login window's size from the program's report ("window W x H").
QStringList WindowSize(const TRun& run)
{
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("window ([0-9]+) x ([0-9]+)")).match(run.Report);
    return {m.captured(1), m.captured(2)};
}

double SkinLoadMs()
{
    return BestMs(
        [] {
            TbsSkinData skin;
            TbsCompressedStoredSkin stored;
            LoadStoredSkin(skin, stored, EmbeddedSkinData());
        },
        [] {}, 5);
}

// Opening the database and reading the account list, as the login window's creation does.
double DatabaseOpenMs(const QString& dbFile)
{
    return BestMs(
        [&] {
            TConnection connection;
            connection.ConnectionString = QStringLiteral("Data Source=") + dbFile;
            TQuery query;
            query.Connection = &connection;
            query.SetSQL(QStringLiteral("select * from 管理员"));
            query.Open();
        },
        [] {}, 5);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString binDir = QCoreApplication::applicationDirPath();
    const QString personnel = binDir + QStringLiteral("/personnel");
    const QString bare = binDir + QStringLiteral("/bench_bare_window");
    QTemporaryDir work;
    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    if (DatabaseTool::Run({QStringLiteral("--demo"), work.filePath(QStringLiteral("db.mdb"))}, outStream,
                          errStream) != 0) {
        std::fprintf(stderr, "bench_startup: %s", qPrintable(err));
        return 1;
    }

    // One untimed run of each fills the file cache and tells the login window's size.
    const QStringList size =
        WindowSize(RunOnce(personnel, {QStringLiteral("--quit-after-first-paint")}, work.path()));
    RunOnce(bare, size, work.path());
    std::vector<TRun> programRuns, bareRuns;
    for (int i = 0; i < Runs; ++i) {
        programRuns.push_back(RunOnce(personnel, {QStringLiteral("--quit-after-first-paint")}, work.path()));
        bareRuns.push_back(RunOnce(bare, size, work.path()));
    }
    auto column = [](const std::vector<TRun>& runs, double TRun::*field) {
        std::vector<double> v;
        for (const TRun& r : runs)
            v.push_back(r.*field);
        return v;
    };
    const double programPaint = Median(column(programRuns, &TRun::FirstPaintMs));
    const double barePaint = Median(column(bareRuns, &TRun::FirstPaintMs));
    const double programWhole = Median(column(programRuns, &TRun::WholeMs));
    const double bareWhole = Median(column(bareRuns, &TRun::WholeMs));
    std::printf("start to first paint of a %s x %s window, median of %d processes each (%s platform)\n",
                qPrintable(size.value(0)), qPrintable(size.value(1)), Runs,
                qPrintable(QGuiApplication::platformName()));
    std::printf("  program:   %7.1f ms (whole process %7.1f ms)\n", programPaint, programWhole);
    std::printf("  bare Qt:   %7.1f ms (whole process %7.1f ms)\n", barePaint, bareWhole);
    std::printf("  ratio:     %7.2f x (goal at most 2 x)\n", programPaint / barePaint);
    // Each program run is paired with the bare run right after it: the machine's slower and
    // faster spells then touch both sides of a pair alike.
    std::vector<double> pairRatios;
    for (int i = 0; i < Runs; ++i)
        pairRatios.push_back(programRuns[size_t(i)].FirstPaintMs / bareRuns[size_t(i)].FirstPaintMs);
    const auto [low, high] = Quartiles(pairRatios);
    std::printf("  ratio of each run to its pair: median %.2f x, quartiles %.2f to %.2f x\n",
                Median(pairRatios), low, high);
    std::printf("where the program's time goes (medians of its own report)\n");
    for (const auto& [name, ms] : MedianPhases(programRuns))
        std::printf("  %-45s %7.1f ms\n", qPrintable(name), ms);
    std::printf("inside the login window's creation (best of 5, in this process)\n");
    std::printf("  %-45s %7.1f ms\n", "skin load (inflate, pictures, records)", SkinLoadMs());
    std::printf("  %-45s %7.1f ms\n", "database open and account list",
                DatabaseOpenMs(work.filePath(QStringLiteral("db.mdb"))));
    return 0;
}
