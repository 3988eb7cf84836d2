// Benchmark of the skinned scroll bars on the department tree: scrolling a tree of 5,000
// departments from top to bottom one page at a time, and one thumb-drag step of the bar against
// repainting the bar once.
#include "BestTime.h"
#include "OurSkinBuilder.h"
#include "bsScrolledArea.h"
#include "bsSkinData.h"
#include "bsSkinScrollBar.h"
#include "bsSkinTreeView.h"

#include <QApplication>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTemporaryDir>
#include <cstdio>
#include <random>

namespace {

const int Departments = 5000;

// Ten top-level departments, every later one under a department made before it, all expanded.
void FillTree(TbsSkinTreeView& tree)
{
    std::mt19937 random(4242);
    std::vector<TTreeNode*> nodes;
    tree.Items().BeginUpdate();
    for (int id = 1; id <= Departments; ++id) {
        TTreeNode* parent = id <= 10 ? nullptr : nodes[std::uniform_int_distribution<int>(0, id - 2)(random)];
        nodes.push_back(tree.Items().AddChildObject(parent, QStringLiteral("部门%1").arg(id)));
    }
    tree.Items().EndUpdate();
    tree.FullExpand();
}

void SendMouse(QWidget* w, QEvent::Type type, const QPoint& p)
{
    QMouseEvent e(type, QPointF(p), QPointF(w->mapToGlobal(p)), Qt::LeftButton,
                  type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    QTemporaryDir dir;
    WriteOurSkinFolder(dir.filePath(QStringLiteral("skin.ini")), TOurSkinOptions());
    TbsSkinData skin;
    skin.LoadFromFile(dir.filePath(QStringLiteral("skin.ini")));

    // The archive window's tree: 187 x 380 with its linked bars.
    QWidget window;
    window.resize(187, 380);
    auto* tree = new TbsSkinTreeView(&window);
    tree->setGeometry(0, 0, 187, 380);
    TbsScrolledArea* area = AttachSkinScrollBars(tree, &skin);
    QElapsedTimer fill;
    fill.start();
    FillTree(*tree);
    std::fprintf(stderr, "filled in %lld ms\n", fill.elapsed());
    window.show();
    QApplication::processEvents();
    TbsSkinScrollBar* bar = tree->VScrollBar();
    if (!bar || !bar->isVisible()) {
        std::printf("the vertical bar did not show\n");
        return 1;
    }
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    std::printf("tree: %d departments, %d visible rows, bar range %d..%d page %d\n", tree->Items().Count(),
                bar->PageSize(), bar->Min(), bar->Max(), bar->PageSize());

    QImage canvas(area->size(), QImage::Format_ARGB32_Premultiplied);
    int steps = 0;
    // One page step: a press in the track after the thumb, as the user pages down, then the area
    // painted as the screen would be.
    auto pageDown = [&](bool paint) {
        bar->CalcRects();
        const QRect track = bar->TrackArea(), thumb = bar->Part(TbsSkinScrollBar::ThumbPart).R;
        const QPoint below(track.center().x(),
                           std::min(thumb.top() + thumb.height() + 1, track.top() + track.height() - 1));
        SendMouse(bar, QEvent::MouseButtonPress, below);
        SendMouse(bar, QEvent::MouseButtonRelease, below);
        if (paint)
            area->render(&canvas);
    };
    auto scrollAll = [&](bool paint) {
        steps = 0;
        while (bar->Position() < bar->UpperBound()) {
            const int before = bar->Position();
            pageDown(paint);
            ++steps;
            // At the end the thumb covers the rest of the track: the last page goes by the setter.
            if (bar->Position() == before)
                bar->SetPosition(before + bar->LargeChange());
        }
    };
    auto toTop = [&] { bar->SetPosition(0); };
    const double withPaint = BestMs([&] { scrollAll(true); }, toTop);
    const int stepsWithPaint = steps;
    const double withoutPaint = BestMs([&] { scrollAll(false); }, toTop);
    const double paintOnly = BestMs([&] {
        for (int i = 0; i < stepsWithPaint; ++i)
            area->render(&canvas);
    });
    std::printf("top to bottom: %d page steps\n", stepsWithPaint);
    std::printf("  page step with painting the tree and bars: %.3f ms\n", withPaint / stepsWithPaint);
    std::printf("  page step without painting:                %.3f ms\n", withoutPaint / stepsWithPaint);
    std::printf("  painting the tree and bars once:           %.3f ms\n", paintOnly / stepsWithPaint);

    // One drag step: the thumb pressed, then moved one pixel per step down the track.
    const int moves = 200;
    auto drag = [&] {
        bar->SetPosition(0);
        bar->CalcRects();
        const QPoint start = bar->Part(TbsSkinScrollBar::ThumbPart).R.center();
        SendMouse(bar, QEvent::MouseButtonPress, start);
        for (int i = 1; i <= moves; ++i)
            SendMouse(bar, QEvent::MouseMove, start + QPoint(0, i));
        SendMouse(bar, QEvent::MouseButtonRelease, start + QPoint(0, moves));
    };
    const double dragMs = BestMs(drag);
    const int repaints = 1000;
    const double barPaintMs = BestMs([&] {
        for (int i = 0; i < repaints; ++i)
            (void)bar->PaintedImage();
    });
    std::printf("drag step (pointer move, position, tree scrolled): %.4f ms\n", dragMs / moves);
    std::printf("repainting the bar once (%dx%d):                  %.4f ms\n", bar->width(), bar->height(),
                barPaintMs / repaints);
    return 0;
}
