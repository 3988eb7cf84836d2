// The skinned list box: a native list whose items are painted from the skin's list-box object,
// with skinned scroll bars created only while the items do not fit, and its drop-down form.
#pragma once

#include "bsSkinScrollBar.h"

#include <QListWidget>
#include <QPointer>

class TbsSkinCustomListBox;

// The native list inside the skinned list box: fixed item height, no native scroll bars, every
// item painted by its owner.
class TbsListBox : public QListWidget {
    Q_OBJECT
public:
    explicit TbsListBox(TbsSkinCustomListBox* owner);

    // Lays the items out now instead of on the next pass of the event loop, so that the scroll
    // range is current.
    void LayoutNow();

    // Horizontal scroll offset in pixels, applied when items are drawn.
    int HorizontalExtentValue() const { return FHorizontalExtentValue; }
    void SetHorizontalExtentValue(int value);

protected:
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    TbsSkinCustomListBox* SkinListBox;
    int FHorizontalExtentValue = 0;
};

// What an item is painted from in the skin look.
enum TbsListItemLook { liNormal, liActive, liFocus, liFocusFrame };

// A selected item shows the active picture, the focus picture while it is also the focus item; an
// unselected focus item shows the normal picture with a dotted frame.
TbsListItemLook ListItemLook(bool selected, bool focused);

class TbsSkinCustomListBox : public TbsSkinCustomControl {
    Q_OBJECT
public:
    explicit TbsSkinCustomListBox(QWidget* parent = nullptr);
    ~TbsSkinCustomListBox() override;

    QStringList Items() const;
    void SetItems(const QStringList& items);
    void AddItem(const QString& item);
    // Removes every item and the bars that are no longer needed.
    void Clear();
    int Count() const { return ListBox->count(); }
    int ItemIndex() const { return ListBox->currentRow(); }
    void SetItemIndex(int index);
    int TopIndex() const;
    void SetTopIndex(int index);

    // When > 0 the height is fitted to that many rows.
    int RowCount() const { return FRowCount; }
    void SetRowCount(int value);
    int DefaultItemHeight() const { return FDefaultItemHeight; }
    void SetDefaultItemHeight(int value);
    bool UseSkinItemHeight() const { return FUseSkinItemHeight; }
    void SetUseSkinItemHeight(bool value);
    // Show a horizontal bar when items are wider than the list.
    bool HorizontalExtent() const { return FHorizontalExtent; }
    void SetHorizontalExtent(bool value);
    // The item height in force (never below 1).
    int ItemHeight() const { return FItemHeight; }

    // The height that shows exactly AItemsCount rows.
    int CalcHeight(int AItemsCount) const;
    // Creates, updates or removes the skinned bars to match the items.
    void UpDateScrollBar();

    TbsListBox* NativeList() const { return ListBox; }
    TbsSkinScrollBar* VScrollBar() const { return ScrollBar; }
    TbsSkinScrollBar* HScrollBarControl() const { return HScrollBar; }
    QRect ListRect() const { return FListRect; }

    void ChangeSkinData() override;

    std::function<void()> OnListBoxClick;
    std::function<void()> OnListBoxDblClick;
    std::function<void(QKeyEvent*)> OnListBoxKeyDown;

protected:
    void DrawDefaultImage(QImage& B) override;
    void DrawSkinImage(QImage& B) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    friend class TbsListBox;
    friend class TbsListItemDelegate;

    bool SkinLook() const;
    void DrawItem(QPainter& painter, int index, const QRect& rect, bool selected, bool focused) const;
    void DrawItemText(QPainter& painter, int index, const QRect& textRect, const QColor& color) const;
    void PaintBelowItems(QPainter& painter, const QRect& area) const;
    void ApplyItemHeight();
    void AlignControls();
    void UpdateVerticalBar();
    void UpdateHorizontalBar();
    TbsSkinScrollBar* CreateBar(TScrollBarKind kind);
    void RemoveBar(QPointer<TbsSkinScrollBar>& bar);
    void ApplyBarNames();

    TbsListBox* ListBox;
    QPointer<TbsSkinScrollBar> ScrollBar;
    QPointer<TbsSkinScrollBar> HScrollBar;
    QRect FListRect;
    int FRowCount = 0;
    int FDefaultItemHeight = 20;
    bool FUseSkinItemHeight = true;
    bool FHorizontalExtent = false;
    int FItemHeight = 20;
    bool FInUpdate = false;

    // Copies of the list-box record (meaningful in the skin look).
    struct TSkinItems {
        QRect SItemRect, ActiveItemRect, FocusItemRect, ItemTextRect, ClRect;
        int ItemLeftOffset = 0, ItemRightOffset = 0;
        QColor FontColor, ActiveFontColor, FocusFontColor;
        QFont Font;
        QString VScrollBarName, HScrollBarName, BothScrollBarName;
        bool ShowFocus = false;
        int PictureIndex = -1;
    } FSkin;
};

class TbsSkinListBox : public TbsSkinCustomListBox {
    Q_OBJECT
public:
    using TbsSkinCustomListBox::TbsSkinCustomListBox;
};

// The list box as a borderless top-level pop-up that never takes the activation: the drop-down
// list of a combo box.
class TbsPopupListBox : public TbsSkinCustomListBox {
    Q_OBJECT
public:
    explicit TbsPopupListBox(QWidget* owner = nullptr);

    // Shows the list at Origin (screen coordinates) without activating it or resizing it.
    void Show(const QPoint& Origin);
    void Hide();
};
