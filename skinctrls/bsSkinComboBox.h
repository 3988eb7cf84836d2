// The skinned combo box: a drop-down selector drawn by the control, with its items in a skinned
// pop-up list box.
#pragma once

#include "bsCBButtonX.h"
#include "bsSkinControl.h"

#include <QStringList>
#include <memory>

class TbsControlTimer;
class TbsPopupListBox;

enum TbsSkinCustomComboBoxStyle { bscbFixedStyle, bscbEditStyle };

// In the fixed (pick-only) style the item area shows the selected item and typing selects items.
// While the list is open its selection moves freely; the item area keeps showing the item chosen
// before until the list closes accepting.
class TbsSkinCustomComboBox : public TbsSkinCustomControl {
    Q_OBJECT
public:
    explicit TbsSkinCustomComboBox(QWidget* parent = nullptr);
    ~TbsSkinCustomComboBox() override;

    QStringList Items() const { return FItems; }
    void SetItems(const QStringList& items);
    void AddItem(const QString& item);
    void ClearItems();

    // The selected item, -1 for none. Setting it shows that item and fires OnClick and DoChange.
    int ItemIndex() const { return FItemIndex; }
    void SetItemIndex(int index);
    // The text shown: the selected item, or empty.
    QString Text() const { return FText; }

    TbsSkinCustomComboBoxStyle Style() const { return FStyle; }
    void SetStyle(TbsSkinCustomComboBoxStyle style) { FStyle = style; }
    int DropDownCount() const { return FDropDownCount; }
    void SetDropDownCount(int value);
    int ListBoxDefaultItemHeight() const { return FListBoxItemHeight; }
    void SetListBoxDefaultItemHeight(int value);
    // The width of the list; 0 makes it as wide as the control.
    int ListBoxWidth() const { return FListBoxWidth; }
    void SetListBoxWidth(int value) { FListBoxWidth = std::max(0, value); }
    bool AutoComplete() const { return FAutoComplete; }
    void SetAutoComplete(bool value) { FAutoComplete = value; }

    void DropDown();
    void CloseUp(bool accept);
    bool IsPopupVisible() const;
    // The drop-down list, made when it is first needed: a window whose list is never dropped down
    // does not pay for it.
    TbsPopupListBox* ListBox() const;
    // The button part and the item area at the control's size.
    QRect ButtonPartRect() const { return Button.R; }
    QRect ItemAreaRect() const { return CBItem; }

    void ChangeSkinData() override;

    std::function<void()> OnChange;
    std::function<void()> OnClick;
    std::function<void()> OnCloseUp;
    std::function<void()> OnDropDown;

protected:
    // Runs after the user changed the selection; data-aware combo boxes write their field here.
    virtual void DoChange() {}

    void DrawDefaultImage(QImage& B) override;
    void DrawSkinImage(QImage& B) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool SkinLook() const;
    void CalcAreas();
    // Selects index (clamped to the items) the way the user does: in the list while it is open,
    // else as the control's item.
    void SelectByUser(int index);
    // The index the keys and the wheel move from: the list's while it is open.
    int CurrentIndex() const;
    void SetText(const QString& text);
    // Selects the first item starting with the typed text (incremental search).
    void SearchTyped(const QString& typed);
    void DrawItemText(QPainter& painter, const QRect& textRect, const QColor& color, const QFont& font) const;
    // The row of the list under a screen point, -1 outside its rows.
    int ListRowAt(const QPoint& globalPos) const;
    bool OverListRows(const QPoint& globalPos) const;
    void AutoScroll();

    QStringList FItems;
    int FItemIndex = -1;
    int FOldItemIndex = -1;
    QString FText;
    TbsSkinCustomComboBoxStyle FStyle = bscbFixedStyle;
    int FDropDownCount = 8;
    int FListBoxItemHeight = 20;
    int FListBoxWidth = 0;
    bool FAutoComplete = true;
    QString FFilter;
    // Runs from each typed character for 500 ms: while it runs, the next character extends the
    // search text.
    std::unique_ptr<TbsControlTimer> FSearchTimer;
    // Moves the list's selection while the pointer is dragged above or below it.
    std::unique_ptr<TbsControlTimer> FScrollTimer;
    void ApplyListSkin() const;
    mutable TbsPopupListBox* FListBox = nullptr;

    TbsCBButtonX Button;
    QRect CBItem;
    bool WasInLB = false;
    bool FLBDown = false;
    int TimerMode = 0;

    // Copies of the combo box record (meaningful in the skin look).
    struct TSkinParts {
        QRect ActiveSkinRect, SItemRect, FocusItemRect, ActiveItemRect, ItemTextRect, ClRect;
        QRect ButtonRect, ActiveButtonRect, DownButtonRect, UnEnabledButtonRect;
        int ItemLeftOffset = 0, ItemRightOffset = 0, PictureIndex = -1;
        QColor FontColor, FocusFontColor, ActiveFontColor, DisabledFontColor;
        QFont Font;
        QString ListBoxName;
        bool ItemStretchEffect = false, FocusItemStretchEffect = false, ShowFocus = false;
        // The button's place in the control comes from the record, or, when the record names only
        // its picture, lies at the right end of the client rectangle.
        bool ButtonPlaced = false;
    } FSkin;
};

class TbsSkinComboBox : public TbsSkinCustomComboBox {
    Q_OBJECT
public:
    using TbsSkinCustomComboBox::TbsSkinCustomComboBox;
};
