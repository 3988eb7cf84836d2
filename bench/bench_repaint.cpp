// Benchmark: a full repaint (QWidget::grab) of the skinned archive and login windows on the demo
// company, against plain Qt replicas in the Fusion style: the same tree, table, tab widget and
// editors, at the same size and with the same rows.
#include "BestTime.h"
#include "DatabaseTool.h"
#include "StartUp.h"
#include "TForm.h"
#include "Unit1.h"
#include "Unit4.h"
#include "bsSkinTreeView.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQueryModel>
#include <QStyleFactory>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <cstdio>

namespace {

// The login window repaints in well under a tenth of a millisecond: a median of fewer grabs is
// mostly the machine's noise.
constexpr int Repeats = 200;

void CopyTree(QTreeWidgetItem* to, QTreeWidgetItem* from)
{
    for (int i = 0; i < from->childCount(); ++i) {
        auto* child = new QTreeWidgetItem(to, {from->child(i)->text(0)});
        CopyTree(child, from->child(i));
    }
}

// The archive window as stock widgets: department tree, people table, five pages with editors.
std::unique_ptr<QWidget> ArchiveReplica(QSize size)
{
    auto w = std::make_unique<QWidget>();
    w->resize(size);
    auto* tree = new QTreeWidget(w.get());
    tree->setHeaderHidden(true);
    tree->setGeometry(6, 6, 187, 380);
    for (int i = 0; i < Form4->tvper->Items().TopCount(); ++i) {
        TTreeNode* node = Form4->tvper->Items().TopItem(i);
        CopyTree(new QTreeWidgetItem(tree, {node->text(0)}), node);
    }
    tree->expandAll();
    auto* model = new QSqlQueryModel(w.get());
    model->setQuery(QStringLiteral("select * from 人员资料"),
                    QSqlDatabase::database(QStringLiteral("replica")));
    auto* table = new QTableView(w.get());
    table->setModel(model);
    table->verticalHeader()->setDefaultSectionSize(18);
    table->setGeometry(204, 6, 625, 208);
    auto* tabs = new QTabWidget(w.get());
    tabs->setGeometry(204, 217, 624, 298);
    for (const char* caption : {"基本档案", "工作经历", "社会关系", "奖惩记录", "培训记录"}) {
        auto* page = new QWidget;
        for (int i = 0; i < 12; ++i)
            (new QLineEdit(QStringLiteral("字段 %1").arg(i), page))
                ->setGeometry(80 + (i % 2) * 300, 10 + (i / 2) * 27, 200, 21);
        tabs->addTab(page, QString::fromUtf8(caption));
    }
    return w;
}

std::unique_ptr<QWidget> LoginReplica(QSize size)
{
    auto w = std::make_unique<QWidget>();
    w->resize(size);
    (new QLabel(QStringLiteral("欢迎登录人事管理系统"), w.get()))->move(96, 24);
    (new QLabel(QStringLiteral("用户名："), w.get()))->move(48, 68);
    (new QLabel(QStringLiteral("密码："), w.get()))->move(48, 104);
    auto* combo = new QComboBox(w.get());
    combo->addItem(QStringLiteral("admin"));
    combo->setGeometry(120, 64, 160, 20);
    (new QLineEdit(w.get()))->setGeometry(120, 100, 160, 21);
    (new QPushButton(QStringLiteral("确定"), w.get()))->setGeometry(56, 148, 97, 33);
    (new QPushButton(QStringLiteral("退出"), w.get()))->setGeometry(176, 148, 97, 33);
    return w;
}

double GrabMs(QWidget& w)
{
    w.show();
    if (!QTest::qWaitForWindowExposed(&w))
        std::fprintf(stderr, "bench_repaint: the window was not shown\n");
    w.grab(); // the first grab fills the caches both sides keep
    return MedianMs(Repeats, [&] { w.grab(); });
}

void Compare(const char* name, TForm& skinned, QWidget& replica)
{
    const double a = GrabMs(skinned), b = GrabMs(replica);
    std::printf("%-16s %4d x %-4d skinned %7.2f ms   plain Qt %7.2f ms   ratio %5.2f\n", name,
                skinned.width(), skinned.height(), a, b, a / b);
    skinned.hide();
    replica.hide();
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir work;
    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    if (DatabaseTool::Run({QStringLiteral("--demo"), work.filePath(QStringLiteral("db.mdb"))}, outStream,
                          errStream) != 0) {
        std::fprintf(stderr, "bench_repaint: %s", qPrintable(err));
        return 1;
    }
    QDir::setCurrent(work.path());
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    StartUp();
    {
        QSqlDatabase replicaDb =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("replica"));
        replicaDb.setDatabaseName(work.filePath(QStringLiteral("db.mdb")));
        replicaDb.open();
    }
    Form4->N4Click(); // every person, as the window shows them after 查询所有
    std::printf("full repaint (QWidget::grab), median of %d, style %s, %s platform\n", Repeats,
                qPrintable(QApplication::style()->name()), qPrintable(QGuiApplication::platformName()));
    {
        auto replica = ArchiveReplica(Form4->size());
        Compare("archive window", *Form4, *replica);
    }
    {
        auto replica = LoginReplica(Form1->size());
        Compare("login window", *Form1, *replica);
    }
    ShutDown();
    QSqlDatabase::removeDatabase(QStringLiteral("replica"));
    return 0;
}
