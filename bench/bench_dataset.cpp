// Benchmark of the data set layer: opening and walking 100,000 people, against the raw engine.
#include "BestTime.h"
#include "DataAccess.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <sqlite3.h>

namespace {

const char* const Statement = "select * from 人员资料";

struct Walk {
    qint64 rows = 0;
    qint64 filled = 0; // cells that are not empty, to check both walks saw the same data
};

Walk RawWalk(const QString& path)
{
    Walk walk;
    sqlite3* handle = nullptr;
    if (sqlite3_open_v2(path.toUtf8().constData(), &handle, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        std::fprintf(stderr, "cannot open %s\n", qPrintable(path));
        std::exit(1);
    }
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(handle, Statement, -1, &statement, nullptr);
    const int columns = sqlite3_column_count(statement);
    while (sqlite3_step(statement) == SQLITE_ROW) {
        ++walk.rows;
        for (int i = 0; i < columns; ++i) {
            const unsigned char* text = sqlite3_column_text(statement, i);
            if (text && sqlite3_column_bytes(statement, i) > 0)
                ++walk.filled;
        }
    }
    sqlite3_finalize(statement);
    sqlite3_close(handle);
    return walk;
}

// Every field of every row read as text through FieldByName, as the program's code reads them.
Walk LayerWalk(TQuery& query, const QStringList& names)
{
    Walk walk;
    for (query.First(); !query.Eof(); query.Next()) {
        ++walk.rows;
        for (const QString& name : names) {
            if (!query.FieldByName(name)->AsString().isEmpty())
                ++walk.filled;
        }
    }
    return walk;
}

QString MakeDatabase(const QTemporaryDir& dir)
{
    const QString path = dir.filePath(QStringLiteral("big.mdb"));
    const QString tool = QCoreApplication::applicationDirPath() + QStringLiteral("/mkdb");
    std::printf("creating %s with %s --people 100000 ...\n", qPrintable(path), qPrintable(tool));
    std::fflush(stdout);
    QElapsedTimer timer;
    timer.start();
    if (QProcess::execute(tool, {QStringLiteral("--people"), QStringLiteral("100000"), path}) != 0) {
        std::fprintf(stderr, "mkdb failed\n");
        std::exit(1);
    }
    std::printf("created in %.0f ms\n", timer.nsecsElapsed() / 1e6);
    return path;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path =
        argc > 1 ? QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath() : MakeDatabase(dir);

    TConnection connection;
    connection.ConnectionString = QStringLiteral("Data Source=\"%1\"").arg(path);
    connection.Open();
    TQuery query;
    query.Connection = &connection;
    query.SetSQL(QString::fromUtf8(Statement));

    Walk raw;
    RawWalk(path); // warm the file cache
    const double rawMs = BestMs([&] { raw = RawWalk(path); });
    // The first open fills fresh memory; later ones fill the blocks the rows before them left.
    const double firstOpenMs = BestMs([&] { query.Open(); }, [] {}, 1);
    const double openMs = BestMs([&] { query.Open(); }, [&] { query.Close(); });
    QStringList names;
    for (int i = 0; i < query.FieldCount(); ++i)
        names.append(query.Fields(i)->FieldName());
    Walk layer;
    const double walkMs = BestMs([&] { layer = LayerWalk(query, names); });

    std::printf("rows %lld, fields %lld, filled cells: raw %lld, layer %lld%s\n", raw.rows,
                qint64(names.size()), raw.filled, layer.filled,
                raw.rows == layer.rows && raw.filled == layer.filled ? "" : "  MISMATCH");
    std::printf("raw engine walk        %8.1f ms\n", rawMs);
    std::printf("layer first open       %8.1f ms   ratio to raw %.2f with the walk\n", firstOpenMs,
                (firstOpenMs + walkMs) / rawMs);
    std::printf("layer open             %8.1f ms   (goal: under 1000 ms)\n", openMs);
    std::printf("layer walk             %8.1f ms   ratio to raw %.2f\n", walkMs, walkMs / rawMs);
    std::printf("layer open + walk      %8.1f ms   ratio to raw %.2f (goal: at most 2)\n", openMs + walkMs,
                (openMs + walkMs) / rawMs);
    return raw.rows == layer.rows && raw.filled == layer.filled ? 0 : 1;
}
