// Benchmark of the archive window: loading a tree of 5,000 departments one query per department
// against one query and an in-memory build; "查询所有" and walking the people on 100,000 people.
#include "BestTime.h"
#include "DataAccess.h"
#include "DepartmentTree.h"
#include "PersonnelSchema.h"
#include "StartUp.h"
#include "TNodeData.h"
#include "Unit2.h"
#include "Unit4.h"
#include "bsSkinTreeView.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <cstdio>
#include <random>

namespace {

const int Departments = 5000;
// A department tree as a company grows one: ten top-level departments, every later one under a
// department made before it.
void AddDepartments(TConnection& connection)
{
    std::mt19937 random(4242);
    connection.BeginTrans();
    for (int id = 1; id <= Departments; ++id) {
        const int parent = id <= 10 ? 0 : int(std::uniform_int_distribution<int>(1, id - 1)(random));
        connection.Execute(QStringLiteral("insert into 部门管理(部门名,上级部门) values(:部门名,:上级部门)"),
                           {QStringLiteral("部门%1").arg(id), parent});
    }
    connection.CommitTrans();
}

// The other way: every department in one query, the tree built from a parent index in memory,
// in the same order and with the same guard against loops.
void LoadAtOnce(TConnection* connection, TbsSkinTreeView* tree)
{
    TQuery query;
    query.Connection = connection;
    query.SetSQL(QStringLiteral("select * from 部门管理"));
    query.Open();
    QHash<int, std::vector<DepartmentRow>> children;
    const TField* id = query.FieldByName(QStringLiteral("ID"));
    const TField* name = query.FieldByName(QStringLiteral("部门名"));
    const TField* parent = query.FieldByName(QStringLiteral("上级部门"));
    for (query.First(); !query.Eof(); query.Next())
        children[parent->AsInteger()].push_back({id->AsInteger(), name->AsString()});
    struct Level {
        TTreeNode* Node;
        const std::vector<DepartmentRow>* Rows;
        std::size_t Next = 0;
    };
    static const std::vector<DepartmentRow> none;
    auto rowsOf = [&](int key) {
        auto it = children.constFind(key);
        return it == children.constEnd() ? &none : &it.value();
    };
    QSet<int> placed;
    std::vector<Level> levels{{nullptr, rowsOf(0)}};
    while (!levels.empty()) {
        Level& level = levels.back();
        if (level.Next == level.Rows->size()) {
            levels.pop_back();
            continue;
        }
        const DepartmentRow& row = (*level.Rows)[level.Next++];
        if (placed.contains(row.ID))
            continue;
        placed.insert(row.ID);
        const TNodeData data = MakeNodeData(row.ID, row.Name);
        TTreeNode* node = tree->Items().AddChildObject(level.Node, data.Caption, data);
        levels.push_back({node, rowsOf(row.ID)});
    }
}

void Reload(TbsSkinTreeView& tree, const std::function<void()>& load)
{
    tree.Items().BeginUpdate();
    tree.Items().Clear();
    load();
    tree.Items().EndUpdate();
    tree.FullExpand();
}

void BenchTree(const QTemporaryDir& dir)
{
    const QString path = dir.filePath(QStringLiteral("tree.mdb"));
    PersonnelSchema::CreateDatabase(path);
    TConnection connection;
    connection.ConnectionString = QStringLiteral("Data Source=\"%1\"").arg(path);
    AddDepartments(connection);

    TbsSkinTreeView tree;
    tree.resize(187, 380);
    tree.show();
    const double perNode =
        BestMs([&] { Reload(tree, [&] { LoadDepartments(&connection, &tree, 0, nullptr); }); });
    const int perNodeCount = tree.Items().Count();
    const double atOnce = BestMs([&] { Reload(tree, [&] { LoadAtOnce(&connection, &tree); }); });
    const int atOnceCount = tree.Items().Count();
    std::printf("department tree, %d departments (nodes: %d and %d)\n", Departments, perNodeCount,
                atOnceCount);
    std::printf("  one query per department (lv)   %8.1f ms\n", perNode);
    std::printf("  one query, built in memory      %8.1f ms\n", atOnce);
    std::printf("  ratio per-department / at once  %8.2f\n", perNode / atOnce);
}

QString MakePeopleDatabase(const QTemporaryDir& dir)
{
    const QString path = dir.filePath(QStringLiteral("people.mdb"));
    const QString tool = QCoreApplication::applicationDirPath() + QStringLiteral("/mkdb");
    std::printf("creating %s with %s --people 100000 ...\n", qPrintable(path), qPrintable(tool));
    std::fflush(stdout);
    if (QProcess::execute(tool, {QStringLiteral("--people"), QStringLiteral("100000"), path}) != 0) {
        std::fprintf(stderr, "mkdb failed\n");
        std::exit(1);
    }
    return path;
}

void BenchPeople(const QTemporaryDir& dir, const QString& source)
{
    // The program opens db.mdb in its working directory.
    QDir::setCurrent(dir.path());
    QFile::remove(QStringLiteral("db.mdb"));
    if (!QFile::copy(source, QStringLiteral("db.mdb"))) {
        std::fprintf(stderr, "cannot copy %s\n", qPrintable(source));
        std::exit(1);
    }
    QElapsedTimer timer;
    timer.start();
    StartUp();
    const double startMs = timer.nsecsElapsed() / 1e6;
    TQuery& people = *db->ADOQuery1;

    const double firstQuery = BestMs([] { Form4->N4Click(); });
    Form4->Show();
    QApplication::processEvents();
    const double shownQuery = BestMs([] {
        Form4->N4Click();
        QApplication::processEvents();
    });
    const double last = BestMs([&] { people.Last(); }, [&] { people.First(); });
    qint64 rows = 0;
    // Once: every step repaints the grid and the bound editors, so the walk takes a while.
    const double walk = BestMs(
        [&] {
            rows = 0;
            for (people.First(); !people.Eof(); people.Next())
                ++rows;
        },
        [] {}, 1);
    std::printf("archive window, %d people\n", people.RecordCount());
    std::printf("  program start-up (trees loaded)    %8.1f ms\n", startMs);
    std::printf("  查询所有, window hidden             %8.1f ms\n", firstQuery);
    std::printf("  查询所有, window shown and painted  %8.1f ms\n", shownQuery);
    std::printf("  Last                                %8.1f ms\n", last);
    std::printf("  First, Next ... to the end (%lld)   %8.1f ms\n", rows, walk);
    ShutDown();
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    QTemporaryDir dir;
    BenchTree(dir);
    const QString people =
        argc > 1 ? QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath() : MakePeopleDatabase(dir);
    BenchPeople(dir, people);
    return 0;
}
