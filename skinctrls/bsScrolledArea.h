// A container that lays out one content control with the skinned scroll bars linked to it: the
// vertical bar along the right, the horizontal bar along the bottom, the content in the rest.
#pragma once

#include <QPointer>
#include <QWidget>

class TbsSkinScrollBar;

// The bars show and hide themselves (their owner decides when they are needed); the area lays the
// three out again whenever one of them is shown or hidden and when it is resized. With both bars
// shown the horizontal bar runs the full width and its corner marker lies under the vertical bar.
class TbsScrolledArea : public QWidget {
    Q_OBJECT
public:
    explicit TbsScrolledArea(QWidget* parent = nullptr);

    // The content, a child of the area.
    void SetContent(QWidget* content);
    // The bars, children of the area; nullptr for none.
    void SetScrollBars(TbsSkinScrollBar* vertical, TbsSkinScrollBar* horizontal);
    void Realign();

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> FContent;
    QPointer<TbsSkinScrollBar> FVertical;
    QPointer<TbsSkinScrollBar> FHorizontal;
    bool FRealigning = false;
};
