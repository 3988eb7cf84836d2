// Benchmark: resident memory after the login with the archive window open, on the demo company and
// on 100,000 people, against the bare Qt program with one empty window; and the size of the people
// table's text. Each figure is a process of its own.
#include "DatabaseTool.h"
#include "StartUp.h"
#include "Unit1.h"
#include "Unit3.h"
#include "Unit4.h"
#include "bsSkinBoxCtrls.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

namespace {

// VmRSS of this process in kB.
long ResidentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    status.open(QIODevice::ReadOnly);
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("VmRSS:\\s+(\\d+)")).match(QString::fromLatin1(status.readAll()));
    return m.captured(1).toLong();
}

// The child: starts the program in the folder of db.mdb, logs in, opens the archive window and
// prints its resident memory.
int Measure(const QString& folder, const QString& password)
{
    QDir::setCurrent(folder);
    StartUp();
    Form1->edtpassword->SetText(password);
    Form1->btnOKClick();
    Form3->bsSkinSpeedButton2Click();
    if (!QTest::qWaitForWindowExposed(Form4))
        return 1;
    QApplication::processEvents();
    std::printf("%ld\n", ResidentKb());
    std::fflush(stdout);
    std::_Exit(0); // the figure is taken; the end of the program is not measured
}

// A new database in its own folder; answers the operator's password.
QString MakeDatabase(const QString& folder, const QStringList& how)
{
    QDir().mkpath(folder);
    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    if (DatabaseTool::Run(how + QStringList{folder + QStringLiteral("/db.mdb")}, outStream, errStream) != 0) {
        std::fprintf(stderr, "bench_memory: %s", qPrintable(err));
        std::exit(1);
    }
    return QRegularExpression(QStringLiteral("password: (\\S+)")).match(out).captured(1);
}

long ChildKb(const QString& program, const QStringList& args)
{
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (!env.contains(QStringLiteral("QT_QPA_PLATFORM")))
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    child.setProcessEnvironment(env);
    child.start(program, args);
    child.waitForFinished(300000);
    const QString text = QString::fromUtf8(child.readAllStandardOutput());
    return QRegularExpression(QStringLiteral("(\\d+)\\s*(?:kB)?\\s*$"))
        .match(text.trimmed())
        .captured(1)
        .toLong();
}

// The bytes of every text value of 人员资料, as UTF-8.
qint64 PeopleTextBytes(const QString& dbFile)
{
    qint64 bytes = 0;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("count"));
        db.setDatabaseName(dbFile);
        db.open();
        QSqlQuery q(QStringLiteral("select * from 人员资料"), db);
        while (q.next())
            for (int i = 0; i < q.record().count(); ++i)
                if (q.value(i).typeId() == QMetaType::QString)
                    bytes += q.value(i).toString().toUtf8().size();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("count"));
    return bytes;
}

} // namespace

// bench_memory, or (as its own child) bench_memory --measure <folder> <password>
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.value(1) == QLatin1String("--measure"))
        return Measure(args.value(2), args.value(3));
    QTemporaryDir work;
    const QString self = QCoreApplication::applicationFilePath();
    const QString bare = QCoreApplication::applicationDirPath() + QStringLiteral("/bench_bare_window");
    std::printf("resident memory (VmRSS) after the login with the archive window open\n");
    const long bareKb = ChildKb(bare, {QStringLiteral("--resident")});
    std::printf("  %-34s %8ld kB\n", "bare Qt program, one empty window", bareKb);
    const struct {
        const char* name;
        QStringList how;
    } companies[] = {{"demo company (300 people)", {QStringLiteral("--demo")}},
                     {"100,000 people", {QStringLiteral("--people"), QStringLiteral("100000")}}};
    for (const auto& c : companies) {
        const QString folder = work.filePath(QString::fromLatin1(c.name).left(4));
        const QString password = MakeDatabase(folder, c.how);
        const long kb = ChildKb(self, {QStringLiteral("--measure"), folder, password});
        std::printf("  %-34s %8ld kB (%.1f x the bare program); people text %lld kB\n", c.name, kb,
                    double(kb) / bareKb, PeopleTextBytes(folder + QStringLiteral("/db.mdb")) / 1024);
    }
    return 0;
}
