// The skinned tree view: the platform's tree with the skin's colours and font, its nodes, and the
// node list through which programs fill it.
#pragma once

#include "bsSkinLink.h"
#include "bsSkinScrollBar.h"

#include <QFont>
#include <QPointer>
#include <QTreeWidget>
#include <any>
#include <functional>

class TImageList;
class TPopupMenu;
class TbsSkinCustomTreeView;
class TbsSkinData;

// A node of the tree. Data holds the program's record for the node; it lives as long as the node.
class TTreeNode : public QTreeWidgetItem {
public:
    TTreeNode() = default;

    QString Text() const { return text(0); }
    void SetText(const QString& value) { setText(0, value); }
    std::any Data;

    TTreeNode* Parent() const { return static_cast<TTreeNode*>(parent()); }
    // 0 for a top-level node.
    int Level() const;
    int Count() const { return childCount(); }
    TTreeNode* Item(int index) const { return static_cast<TTreeNode*>(child(index)); }
    bool HasChildren() const { return childCount() > 0; }

    bool Expanded() const { return isExpanded(); }
    void Expand(bool recurse);
    void Collapse(bool recurse);
    bool Selected() const { return isSelected(); }
};

// The nodes of a tree at all levels.
class TTreeNodes {
public:
    explicit TTreeNodes(TbsSkinCustomTreeView* owner) : FOwner(owner) {}

    // The number of nodes at all levels.
    int Count() const;
    void Clear();
    // Appends a node as the last child of parent (the top level when parent is nullptr).
    TTreeNode* AddChildObject(TTreeNode* parent, const QString& text, std::any data = {});
    // The top-level node of that index, or nullptr.
    TTreeNode* TopItem(int index) const;
    int TopCount() const;
    // Repainting waits until the last EndUpdate.
    void BeginUpdate();
    void EndUpdate();

private:
    TbsSkinCustomTreeView* FOwner;
    int FUpdateCount = 0;
};

// With a "treeview" object the tree takes the skin's font, background and text colours, with
// lines and expand buttons in colours between them. Without a repository (or without the object)
// the tree shows the default look: the
// window colour, DefaultFont, grey dotted lines and square expand buttons. It has no native scroll
// bars; it scrolls with the keyboard and the wheel, and with skinned bars linked to it (VScrollBar,
// HScrollBar), which it shows only while its nodes do not fit.
class TbsSkinCustomTreeView : public QTreeWidget, public TbsSkinSurface {
    Q_OBJECT
public:
    explicit TbsSkinCustomTreeView(QWidget* parent = nullptr);
    ~TbsSkinCustomTreeView() override;

    TTreeNodes& Items() { return FItems; }
    const TTreeNodes& Items() const { return FItems; }
    // The selected node, or nullptr.
    TTreeNode* Selected() const;
    void SetSelected(TTreeNode* node);
    void FullExpand();
    void FullCollapse();

    int Indent() const { return indentation(); }
    void SetIndent(int value) { setIndentation(value); }
    // With HideSelection the selected node is not marked while the tree lacks the focus.
    bool HideSelection() const { return FHideSelection; }
    void SetHideSelection(bool value);
    bool ShowLines() const { return FShowLines; }
    void SetShowLines(bool value);
    bool ShowButtons() const { return FShowButtons; }
    void SetShowButtons(bool value);

    // Shown at the pointer on a right click.
    TPopupMenu* PopupMenu() const { return FPopupMenu; }
    void SetPopupMenu(TPopupMenu* menu) { FPopupMenu = menu; }
    // With RightClickSelect a right click on a node selects it before the menu opens, so the menu
    // acts on the node under the pointer; a right click beside the nodes keeps the selection.
    // Selecting this way fires no OnClick.
    bool RightClickSelect() const { return FRightClickSelect; }
    void SetRightClickSelect(bool value) { FRightClickSelect = value; }

    TbsSkinData* SkinData() const { return FLink.SkinData(); }
    void SetSkinData(TbsSkinData* value);
    QString SkinDataName() const { return FLink.SkinDataName(); }
    void SetSkinDataName(const QString& value);
    QString ItemSkinDataName() const { return FItemSkinDataName; }
    void SetItemSkinDataName(const QString& value) { FItemSkinDataName = value; }
    QString CheckSkinDataName() const { return FCheckSkinDataName; }
    void SetCheckSkinDataName(const QString& value) { FCheckSkinDataName = value; }
    int SkinIndex() const { return FLink.Index(); }
    TbsSkinLink& SkinLink() override { return FLink; }
    bool DrawSkin() const { return FDrawSkin; }
    void SetDrawSkin(bool value) { FDrawSkin = value; }

    QFont DefaultFont() const { return FDefaultFont; }
    void SetDefaultFont(const QFont& font);
    bool UseSkinFont() const { return FUseSkinFont; }
    void SetUseSkinFont(bool value) { FUseSkinFont = value; }
    QColor DefaultColor() const { return FDefaultColor; }
    void SetDefaultColor(const QColor& color);
    QColor LineColor() const { return FLineColor; }
    QColor ButtonColor() const { return FButtonColor; }
    // Half the side of the expand button.
    int ButtonSize() const { return FButtonSize; }
    void SetButtonSize(int value);

    // Expand buttons from an image list instead of the drawn squares.
    const TImageList* ButtonImageList() const { return FButtonImageList; }
    void SetButtonImageList(const TImageList* images);
    int ButtonExpandImageIndex() const { return FButtonExpandImageIndex; }
    void SetButtonExpandImageIndex(int index);
    int ButtonNoExpandImageIndex() const { return FButtonNoExpandImageIndex; }
    void SetButtonNoExpandImageIndex(int index);

    virtual void GetSkinData();
    void ChangeSkinData() override;

    // Linked bars, owned elsewhere; nullptr for none. A linked bar's position scrolls the tree.
    TbsSkinScrollBar* VScrollBar() const { return FVScrollBar; }
    void SetVScrollBar(TbsSkinScrollBar* bar);
    TbsSkinScrollBar* HScrollBar() const { return FHScrollBar; }
    void SetHScrollBar(TbsSkinScrollBar* bar);
    // Shows each linked bar exactly while the nodes do not fit that way, with the tree's range,
    // page and position; the horizontal bar leaves the corner free while the vertical one shows.
    void UpDateScrollBars();

    // A left click anywhere in the tree, after the click selected the node under the pointer.
    std::function<void()> OnClick;

protected:
    void drawBranches(QPainter* painter, const QRect& rect, const QModelIndex& index) const override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    friend class TTreeNodes;

    void ApplyColours();
    void DrawExpandButton(QPainter* painter, const QPoint& centre, bool expanded) const;
    void LinkScrollBar(TbsSkinScrollBar* bar, Qt::Orientation orientation);
    void CheckScrollBars();

    TTreeNodes FItems;
    TPopupMenu* FPopupMenu = nullptr;
    bool FRightClickSelect = false;
    TbsSkinLink FLink;
    QString FItemSkinDataName;
    QString FCheckSkinDataName;
    bool FDrawSkin = false;
    QFont FDefaultFont;
    bool FUseSkinFont = true;
    QColor FDefaultColor;
    // The background and text colours in force: the default ones or the skin's.
    QColor FColor;
    QColor FFontColor;
    QColor FLineColor;
    QColor FButtonColor;
    int FButtonSize = 5;
    const TImageList* FButtonImageList = nullptr;
    int FButtonExpandImageIndex = 1;
    int FButtonNoExpandImageIndex = 0;
    bool FHideSelection = true;
    bool FShowLines = true;
    bool FShowButtons = true;
    QPointer<TbsSkinScrollBar> FVScrollBar;
    QPointer<TbsSkinScrollBar> FHScrollBar;
    // Set while the linked bars are updated: their own changes must not update them again.
    bool FInCheckScrollBars = false;
    bool FScrollBarsDirty = false;
};

class TbsSkinTreeView : public TbsSkinCustomTreeView {
    Q_OBJECT
public:
    using TbsSkinCustomTreeView::TbsSkinCustomTreeView;
};

class TbsScrolledArea;

// Puts tree into a new scrolled area at its place (the area takes the tree's parent and geometry)
// with a vertical and a horizontal skinned bar of skinData linked to it; answers the area, which
// the caller aligns instead of the tree.
TbsScrolledArea* AttachSkinScrollBars(TbsSkinCustomTreeView* tree, TbsSkinData* skinData);
