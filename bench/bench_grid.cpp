// The people grid on 100,000 people: "查询所有" with the grid shown, First then Next to the end
// (the grid alone, each step painted), and one full repaint of the grid against drawing an image
// of its size. Pass a database made by "mkdb --people 100000" to skip making one.
#include "BestTime.h"
#include "DataAccess.h"
#include "StartUp.h"
#include "TDataSource.h"
#include "Unit1.h"
#include "Unit2.h"
#include "Unit4.h"
#include "bsDBGrids.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>

namespace {

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

// Every step of a walk over the people, painted as the program would paint it between two steps.
double WalkMsPerStep(TQuery& people, int maxSteps, bool paint)
{
    int steps = 0;
    const double ms = BestMs(
        [&] {
            steps = 0;
            for (people.First(); !people.Eof() && steps < maxSteps; people.Next()) {
                if (paint)
                    QApplication::processEvents();
                ++steps;
            }
        },
        [] { QApplication::processEvents(); }, 1);
    return ms / std::max(1, steps);
}

void BenchGrid(const QTemporaryDir& dir, const QString& source)
{
    QDir::setCurrent(dir.path());
    QFile::remove(QStringLiteral("db.mdb"));
    if (!QFile::copy(source, QStringLiteral("db.mdb"))) {
        std::fprintf(stderr, "cannot copy %s\n", qPrintable(source));
        std::exit(1);
    }
    StartUp();
    Form4->Show();
    QApplication::processEvents();
    const double shownQuery = BestMs([] {
        Form4->N4Click();
        QApplication::processEvents();
    });

    // The people grid alone, on a query of its own, with the archive's columns and skin.
    TQuery people;
    people.Connection = db->acPer;
    people.SetSQL(QStringLiteral("select * from 人员资料"));
    people.Open();
    TDataSource peopleSource;
    peopleSource.SetDataSet(&people);
    QWidget window;
    window.resize(627, 210);
    TbsSkinDBGrid grid(&window);
    grid.SetBounds(0, 0, 625, 208);
    grid.SetDataSource(&peopleSource);
    grid.SetReadOnly(true);
    grid.SetColumns({{QStringLiteral("ID")},
                     {QStringLiteral("姓名"), QString(), 80},
                     {QStringLiteral("性别"), QString(), 59},
                     {QStringLiteral("生日")},
                     {QStringLiteral("学历"), QString(), 100},
                     {QStringLiteral("工种"), QString(), 100},
                     {QStringLiteral("身份证号")}});
    grid.SetSkinData(Form1->bsSkinData1);
#ifdef BENCH_GRID_SCROLLBAR
    AttachSkinScrollBars(&grid, Form1->bsSkinData1);
#endif
    window.show();
    QApplication::processEvents();
    const int records = people.RecordCount();
    // The data set's own share of a step: the same walk with nothing linked.
    peopleSource.SetDataSet(nullptr);
    const double bareStep = WalkMsPerStep(people, records, false);
    peopleSource.SetDataSet(&people);
    QApplication::processEvents();
    const double step = WalkMsPerStep(people, records, false);
    const double paintedStep = WalkMsPerStep(people, 20000, true);

    // One full repaint of the program's people grid, against one drawImage of its size.
    TbsSkinDBGrid* shown = Form4->bsSkinDBGrid1;
    QImage target(shown->size(), QImage::Format_ARGB32_Premultiplied);
    const double repaint = BestMs(
                               [&] {
                                   for (int i = 0; i < 200; ++i)
                                       shown->render(&target);
                               },
                               [] {}, 5) /
                           200;
    // The same with the grid's painted cells thrown away first: every cell drawn anew, as after a
    // skin change or a jump to another page of records.
    const double redraw = BestMs(
                              [&] {
                                  for (int i = 0; i < 200; ++i) {
                                      shown->InvalidateGrid();
                                      shown->render(&target);
                                  }
                              },
                              [] {}, 5) /
                          200;
    QImage picture(shown->size(), QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::gray);
    const double drawImage = BestMs(
                                 [&] {
                                     for (int i = 0; i < 200; ++i) {
                                         QPainter painter(&target);
                                         painter.drawImage(0, 0, picture);
                                     }
                                 },
                                 [] {}, 5) /
                             200;

    std::printf("people grid, %d people\n", records);
    std::printf("  查询所有, window shown and painted   %8.1f ms\n", shownQuery);
    std::printf("  First, Next ... to the end, no grid  %8.4f ms a step\n", bareStep);
    std::printf("  First, Next ... to the end           %8.4f ms a step (%d steps)\n", step, records);
    std::printf("  the same, each step painted          %8.4f ms a step (first 20000)\n", paintedStep);
    std::printf("  full repaint of the people grid      %8.4f ms (%dx%d)\n", repaint, shown->width(),
                shown->height());
    std::printf("  drawImage of that size               %8.4f ms\n", drawImage);
    std::printf("  ratio                                %8.2f\n", repaint / drawImage);
    std::printf("  full repaint, every cell drawn anew  %8.4f ms, ratio %.2f\n", redraw, redraw / drawImage);
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
    const QString people =
        argc > 1 ? QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath() : MakePeopleDatabase(dir);
    BenchGrid(dir, people);
    return 0;
}
