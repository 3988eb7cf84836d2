// The skinned combo box: a drop-down selector drawn by the control, with its item list in a
// pop-up window.
#pragma once

#include "bsSkinControl.h"

#include <QElapsedTimer>
#include <QStringList>

class QListWidget;

enum TbsSkinCustomComboBoxStyle { bscbFixedStyle, bscbEditStyle };

// In the fixed (pick-only) style the item area shows the selected item and typing selects items.
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
    bool AutoComplete() const { return FAutoComplete; }
    void SetAutoComplete(bool value) { FAutoComplete = value; }

    void DropDown();
    void CloseUp(bool accept);
    bool IsPopupVisible() const;

    std::function<void()> OnChange;
    std::function<void()> OnClick;
    std::function<void()> OnCloseUp;
    std::function<void()> OnDropDown;

protected:
    // Runs after the user changed the selection; data-aware combo boxes write their field here.
    virtual void DoChange() {}

    void DrawDefaultImage(QImage& B) override;
    // Its skin look is not drawn yet: the default look stands in for it.
    void DrawSkinImage(QImage& B) override { DrawDefaultImage(B); }
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QRect ButtonRect() const { return QRect(width() - 19, 0, 19, height()); }
    QRect ItemRect() const { return QRect(2, 2, ButtonRect().left() - 1 - 2, height() - 4); }
    // Selects index (clamped to the items) the way the user does.
    void SelectByUser(int index);
    void SetText(const QString& text);
    // Selects the first item starting with the typed text (incremental search).
    void SearchTyped(const QString& typed);

    QStringList FItems;
    int FItemIndex = -1;
    int FOldItemIndex = -1;
    QString FText;
    TbsSkinCustomComboBoxStyle FStyle = bscbFixedStyle;
    int FDropDownCount = 8;
    int FListBoxItemHeight = 20;
    bool FAutoComplete = true;
    QString FFilter;
    QElapsedTimer FLastTime;
    QListWidget* FListBox;
};

class TbsSkinComboBox : public TbsSkinCustomComboBox {
    Q_OBJECT
public:
    using TbsSkinCustomComboBox::TbsSkinCustomComboBox;
};
