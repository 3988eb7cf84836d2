// The skinned page control and its tab sheets: a row of tabs over a framed display area in which
// the active page is shown.
#pragma once

#include "bsSkinControl.h"
#include "bsSkinUpDown.h"

#include <QList>
#include <QTabBar>

class TbsSkinPageControl;

// A page of a page control. It paints its own background (the button face in the default look)
// and holds the page's controls at its own coordinates.
class TbsSkinCustomTabSheet : public QWidget {
    Q_OBJECT
public:
    explicit TbsSkinCustomTabSheet(TbsSkinPageControl* pageControl = nullptr);
    ~TbsSkinCustomTabSheet() override;

    QString Caption() const { return FCaption; }
    void SetCaption(const QString& caption);
    TbsSkinPageControl* PageControl() const { return FPageControl; }
    // Moves the sheet to another page control (nullptr: none), as its last page.
    void SetPageControl(TbsSkinPageControl* pageControl);
    // The sheet's place among its page control's pages, -1 without one.
    int PageIndex() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    friend class TbsSkinPageControl;

    QString FCaption;
    TbsSkinPageControl* FPageControl = nullptr;
};

class TbsSkinTabSheet : public TbsSkinCustomTabSheet {
    Q_OBJECT
public:
    using TbsSkinCustomTabSheet::TbsSkinCustomTabSheet;
};

// The tab row of a page control; it paints its tabs in the page control's look.
class TbsSkinTabBar : public QTabBar {
    Q_OBJECT
public:
    explicit TbsSkinTabBar(TbsSkinPageControl* owner);

    // The tab under the pointer, -1 for none.
    int HotTab() const { return FHotTab; }

    // How a tab is painted: the picture piece (skin look), where the face lies in the tab row,
    // where its caption goes and in which colour.
    struct TFace {
        QRect Source;
        QRect Face;
        QRect Text;
        QColor FontColor;
    };
    TFace FaceOf(int index) const;

protected:
    QSize tabSizeHint(int index) const override;
    QSize minimumTabSizeHint(int index) const override { return tabSizeHint(index); }
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void SetHotTab(int index);

    TbsSkinPageControl* FOwner;
    int FHotTab = -1;
};

// Tabs lie on top. The default look is a button-face area with a one-pixel button-shadow line
// around the display area; tabs show the shared blue scheme when hot and when selected.
class TbsSkinPageControl : public TbsSkinCustomControl {
    Q_OBJECT
public:
    explicit TbsSkinPageControl(QWidget* parent = nullptr);
    ~TbsSkinPageControl() override;

    int PageCount() const { return int(FPages.size()); }
    TbsSkinCustomTabSheet* Pages(int index) const { return FPages.value(index); }
    TbsSkinCustomTabSheet* ActivePage() const { return Pages(ActivePageIndex()); }
    void SetActivePage(TbsSkinCustomTabSheet* page);
    int ActivePageIndex() const;
    void SetActivePageIndex(int index);

    // The tab height; 0 takes DefaultItemHeight (the skin's tab height once the skin look exists).
    int TabHeight() const { return FTabHeight; }
    void SetTabHeight(int value);
    int DefaultItemHeight() const { return FDefaultItemHeight; }
    void SetDefaultItemHeight(int value);
    QString ButtonTabSkinDataName() const { return FButtonTabSkinDataName; }
    void SetButtonTabSkinDataName(const QString& value) { FButtonTabSkinDataName = value; }
    // Whether the wheel over the tabs switches pages.
    bool MouseWheelSupport() const { return FMouseWheelSupport; }
    void SetMouseWheelSupport(bool value) { FMouseWheelSupport = value; }

    // Where the active page lies, in the control's coordinates.
    QRect DisplayRect() const;
    // The rectangle of a tab in the control's coordinates.
    QRect TabRect(int index) const;
    TbsSkinTabBar* TabBar() const { return FTabBar; }
    // The arrows that scroll the tab row while tabs are cut off, else nullptr.
    TbsSkinUpDown* SkinUpDown() const { return FSkinUpDown; }
    // The number of tabs scrolled off at the left.
    int ScrolledTabs() const { return FScrolledTabs; }
    // The tab record while the skin look is in force, else nullptr.
    const TbsDataSkinTabControl* TabRecord() const;

    void ChangeSkinData() override;

    // The active page changed.
    std::function<void()> OnChange;

protected:
    void DrawDefaultImage(QImage& B) override;
    void DrawSkinImage(QImage& B) override;
    void resizeEvent(QResizeEvent* event) override;
    void DefaultFontChanged() override;

private:
    friend class TbsSkinCustomTabSheet;
    friend class TbsSkinTabBar;

    void InsertPage(TbsSkinCustomTabSheet* page);
    void RemovePage(TbsSkinCustomTabSheet* page);
    void TabChanged(int index);
    // The height of the tabs; the tab row is as high as the selected tab.
    int CurrentTabHeight() const;
    int TabRowHeight() const;
    void Realign();
    // Creates, updates or frees the up-down after the tab row changed.
    void CheckScrollArrows();

    TbsSkinTabBar* FTabBar;
    QList<TbsSkinCustomTabSheet*> FPages;
    int FTabHeight = 0;
    int FDefaultItemHeight = 20;
    QString FButtonTabSkinDataName = QStringLiteral("resizetoolbutton");
    bool FMouseWheelSupport = false;
    bool FChangingTab = false;
    TbsSkinUpDown* FSkinUpDown = nullptr;
    int FScrolledTabs = 0;
    bool FInCheckArrows = false;
};
