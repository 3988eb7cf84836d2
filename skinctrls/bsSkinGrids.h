// The skinned grid: what it paints from (its copy of the "grid" record, the cell pictures cut from
// the skin at a cell's size, the text rectangles inside them, the colour of the grid lines) and the
// grid itself, one self-painting control of cells in rows and columns.
#pragma once

#include "Exception.h"
#include "TSet.h"
#include "bsControlTimer.h"
#include "bsDataSkinControls.h"
#include "bsSkinControl.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRect>
#include <QRegion>
#include <functional>
#include <memory>
#include <vector>

class QPainter;
class TbsSkinLink;
class TbsSkinScrollBar;
class TbsSkinInplaceEdit;

enum TbsGridCellKind { gckFixed, gckSelect, gckFocus };

// Read from the record on every skin change. Without a grid record, or with one whose fixed cell
// is empty, the grid is unskinned and paints in system colours.
class TbsGridSkin {
public:
    // Copies the record the link finds; answers whether the grid is skinned.
    bool Read(const TbsSkinLink& link);
    bool Skinned() const { return FSkinned; }

    // The data row's cell height with UseSkinCellHeight and the title row's height, never below 1
    // (a skin whose cell rectangle is flat must not leave rows of no height to divide by).
    int CellHeight() const { return std::max(1, SelectCellRect.height()); }
    int FixedCellHeight() const { return std::max(1, FixedCellRect.height()); }

    // The picture of a cell of kind at w x h: with the skin's cell height a three-piece strip as high
    // as the skin rectangle, otherwise the rectangle stretched to the whole cell. Kept until the
    // skin or the size changes, so repainting rows does not cut the picture again.
    const QImage& CellImage(TbsGridCellKind kind, int w, int h, bool useSkinCellHeight) const;
    // Where the text of a cell of kind goes inside cell.
    QRect TextRect(TbsGridCellKind kind, const QRect& cell, bool useSkinCellHeight) const;

    QRect FixedCellRect, SelectCellRect, FocusCellRect, FixedCellTextRect, CellTextRect;
    int FixedCellLeftOffset = 0, FixedCellRightOffset = 0, CellLeftOffset = 0, CellRightOffset = 0;
    QColor LinesColor, BGColor, FontColor, SelectFontColor, FocusFontColor, FixedFontColor;
    QFont Font, FixedFont;
    QImage Picture, BGPicture;
    bool CellStretchEffect = false, FixedCellStretchEffect = false, ShowFocus = false;

private:
    struct TbsCellImage {
        TbsGridCellKind Kind;
        QSize Size;
        bool SkinHeight;
        QImage Image;
    };
    bool FSkinned = false;
    mutable std::vector<TbsCellImage> FCache;
};

// The colour the grid lines are drawn in: a silver grid draws grey lines, whatever the skin says.
QColor GridLineColor(const QColor& gridColor, const QColor& lineColor);
// A dotted frame just inside r, every second pixel, the dots lined up from r's top-left.
void DrawDottedFrame(QPainter& painter, const QRect& r, const QColor& color);

enum TGridOption {
    goFixedVertLine,
    goFixedHorzLine,
    goVertLine,
    goHorzLine,
    goRangeSelect,
    goDrawFocusSelected,
    goRowSizing,
    goColSizing,
    goRowMoving,
    goColMoving,
    goEditing,
    goTabs,
    goRowSelect,
    goAlwaysShowEditor,
    goThumbTracking
};
using TGridOptions = TSet<TGridOption, goThumbTracking>;

enum TbsGridState { gsNormal, gsSelecting, gsRowSizing, gsColSizing, gsRowMoving, gsColMoving };

enum TGridDrawStateItem { gdSelected, gdFocused, gdFixed };
using TGridDrawState = TSet<TGridDrawStateItem, gdFixed>;

struct TGridCoord {
    int X = 0, Y = 0;
    bool operator==(const TGridCoord&) const = default;
};

// Inclusive on all four sides.
struct TGridRect {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
    bool Contains(int col, int row) const
    {
        return col >= Left && col <= Right && row >= Top && row <= Bottom;
    }
    bool operator==(const TGridRect&) const = default;
};

// Cells in rows and columns with fixed title rows and columns, grid lines, keyboard and mouse
// navigation, range selection, row and column sizing and moving and an in-place editor, painted
// from the skin's "grid" object or in system colours. The painted cells are kept in an image of the
// grid's size and only the cells invalidated since are drawn again: a repaint with nothing changed
// is one drawImage. Whatever changes what a cell shows must call InvalidateCell, InvalidateRow or
// InvalidateGrid.
class TbsSkinCustomGrid : public TbsSkinCustomControl {
    Q_OBJECT
public:
    explicit TbsSkinCustomGrid(QWidget* parent = nullptr);
    ~TbsSkinCustomGrid() override;

    int ColCount() const { return FColCount; }
    void SetColCount(int value);
    int RowCount() const { return FRowCount; }
    void SetRowCount(int value);
    int FixedCols() const { return FFixedCols; }
    void SetFixedCols(int value);
    int FixedRows() const { return FFixedRows; }
    void SetFixedRows(int value);

    int DefaultColWidth() const { return FDefaultColWidth; }
    void SetDefaultColWidth(int value);
    // The height of a row without its own: the skin's cell height while the grid is skinned with
    // UseSkinCellHeight, the stored height otherwise.
    virtual int DefaultRowHeight() const;
    void SetDefaultRowHeight(int value);
    // The row height of an unskinned grid; setting it on one sets the default row height too.
    int DefaultCellHeight() const { return FDefaultCellHeight; }
    void SetDefaultCellHeight(int value);
    int ColWidths(int col) const;
    void SetColWidths(int col, int width);
    int RowHeights(int row) const;
    void SetRowHeights(int row, int height);
    bool TabStops(int col) const;
    void SetTabStops(int col, bool value);
    int GridLineWidth() const { return FGridLineWidth; }
    void SetGridLineWidth(int value);

    TGridOptions Options() const { return FOptions; }
    void SetOptions(TGridOptions value);
    TbsGridState GridState() const { return FGridState; }
    bool FixedColSizing() const { return FFixedColSizing; }
    void SetFixedColSizing(bool value) { FFixedColSizing = value; }
    bool ColSizingWithLine() const { return FColSizingWithLine; }
    void SetColSizingWithLine(bool value) { FColSizingWithLine = value; }
    bool DefaultDrawing() const { return FDefaultDrawing; }
    void SetDefaultDrawing(bool value);

    int Col() const { return FCurrent.X; }
    void SetCol(int value) { FocusCell(value, FCurrent.Y, true); }
    int Row() const { return FCurrent.Y; }
    void SetRow(int value) { FocusCell(FCurrent.X, value, true); }
    // The selected cells, from the anchor to the current cell (whole rows with goRowSelect).
    TGridRect Selection() const;
    void SetSelection(const TGridRect& value);
    int LeftCol() const { return FTopLeft.X; }
    void SetLeftCol(int value) { MoveTopLeft(value, FTopLeft.Y); }
    int TopRow() const { return FTopLeft.Y; }
    void SetTopRow(int value) { MoveTopLeft(FTopLeft.X, value); }
    // The scrollable columns and rows that fit wholly from the top-left cell on (at least 1).
    int VisibleColCount() const;
    int VisibleRowCount() const;

    QColor Color() const { return FColor; }
    void SetColor(const QColor& value);
    QColor FixedColor() const { return FFixedColor; }
    void SetFixedColor(const QColor& value);
    // The lines of an unskinned grid; a skinned one takes the skin's.
    QColor GridLineColor() const { return FGridLineColor; }
    void SetGridLineColor(const QColor& value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);
    QImage Wallpaper() const { return FWallpaper; }
    void SetWallpaper(const QImage& value);
    bool WallpaperStretch() const { return FWallpaperStretch; }
    void SetWallpaperStretch(bool value);
    bool UseSkinCellHeight() const { return FUseSkinCellHeight; }
    void SetUseSkinCellHeight(bool value);
    bool Skinned() const { return FSkin.Skinned(); }
    const TbsGridSkin& Skin() const { return FSkin; }

    // A single border: a one-pixel frame around the cells.
    bool BorderSingle() const { return FBorderSingle; }
    void SetBorderSingle(bool value);
    // Where the cells lie: inside the border, left of an attached bar that is the grid's child.
    QRect ClientArea() const { return Client(); }

    // The cell's rectangle in the grid, clipped to what shows; empty for a cell out of view.
    QRect CellRect(int col, int row) const;
    // The cell under the point; -1, -1 outside the cells.
    TGridCoord MouseCoord(int x, int y) const;

    // Attached bars (not owned) show while their direction needs scrolling and scroll the grid.
    TbsSkinScrollBar* HScrollBar() const { return FHScrollBar; }
    void SetHScrollBar(TbsSkinScrollBar* bar);
    TbsSkinScrollBar* VScrollBar() const { return FVScrollBar; }
    void SetVScrollBar(TbsSkinScrollBar* bar);

    bool EditorMode() const { return FEditorMode; }
    void SetEditorMode(bool value);
    virtual void ShowEditor();
    virtual void HideEditor();
    TbsSkinInplaceEdit* InplaceEditor() const { return FInplaceEdit; }

    // Moves a column or row with its extent; the cells' contents are the descendant's (ColumnMoved).
    void MoveColumn(int fromIndex, int toIndex);
    void MoveRow(int fromIndex, int toIndex);
    void DeleteColumn(int col);
    void DeleteRow(int row);

    // Moves the painted scrollable rows by delta rows of the default height (up for delta > 0),
    // so that only the rows uncovered are drawn again; whatever the move cannot keep is invalidated.
    void ScrollRowsInCache(int delta);
    // Marks cells as changed: the next paint draws them again.
    void InvalidateCell(int col, int row);
    void InvalidateRow(int row);
    void InvalidateCol(int col);
    void InvalidateGrid();

    // The text area of a cell of rect in state for the cell-drawing hook.
    QRect GetNewTextRect(const QRect& rect, TGridDrawState state) const;

    void GetSkinData() override;

    // Keys of the grid (also those its editor passes on); answers whether the key was used.
    virtual bool KeyDown(QKeyEvent* event);

    std::function<void()> OnShowEditor;
    std::function<void()> OnHideEditor;

protected:
    friend class TbsSkinInplaceEdit;

    // Draws what a cell shows, after the grid drew its background. Nothing by default.
    virtual void DrawCell(QPainter& painter, int col, int row, const QRect& rect, TGridDrawState state);
    // Whether the cell may become current.
    virtual bool SelectCell(int col, int row);
    virtual void Click() {}
    virtual void DblClick() {}
    virtual void TopLeftChanged() {}
    virtual void ColumnMoved(int fromIndex, int toIndex);
    virtual void RowMoved(int fromIndex, int toIndex);
    virtual void ColWidthsChanged() {}
    virtual void RowHeightsChanged() {}
    // Whether a drag may move the column or row (origin may be changed, for example to the
    // nearest movable one).
    virtual bool BeginColumnDrag(int& origin, int destination);
    virtual bool BeginRowDrag(int& origin, int destination);
    // The editor: whether it may show, be changed, accept key; its text, mask and limit (-1: the
    // cell cannot be modified).
    virtual bool CanEditShow() const;
    virtual bool CanEditModify() { return FCanEditModify; }
    virtual bool CanEditAcceptKey(QChar key) const;
    virtual QString GetEditText(int col, int row) const;
    virtual void SetEditText(int col, int row, const QString& value);
    virtual QString GetEditMask(int col, int row) const;
    virtual int GetEditLimit() const { return 0; }
    // The editor on first use; the descendant's own kind of editor.
    virtual TbsSkinInplaceEdit* CreateEditor();
    // The text was changed in the editor.
    virtual void EditorChanged() {}
    // Moves the current cell (clipped to the scrollable cells) and, without moveAnchor, extends
    // the selection to it.
    void FocusCell(int col, int row, bool moveAnchor);
    void MoveTopLeft(int col, int row);
    // The top-left cell that shows the last cells.
    TGridCoord MaxTopLeft() const;
    // Keeps the editor over the current cell with its text.
    void UpdateEdit();
    void UpdateText();
    // The grid was asked about the attached bars: positions and visibility from the grid's state.
    virtual void UpdateScrollBars();
    // Connects an attached bar's events to the grid's scrolling.
    virtual void HookScrollBar(TbsSkinScrollBar* bar, bool vertical);
    // Places a bar that is the grid's child along its edge and the cells beside it.
    void LayoutClient();
    QRect Client() const;
    // The editor's colours and font from the skin or the grid.
    void ApplyEditorLook();
    // The background of a cell in state and the font and pen for its content.
    void PaintCellBackground(QPainter& painter, const QRect& r, TGridDrawState state);
    QColor LineColor() const;
    bool GridFocused() const;
    // Whether a press at x, y starts sizing a column or a row: which, where and how far off the line.
    bool SizingTest(int x, int y, TbsGridState& state, int& index, int& pos, int& ofs) const;
    // The default row height as set, whatever the skin says.
    int StoredDefaultRowHeight() const { return FDefaultRowHeight; }

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    TGridCoord FCurrent{1, 1}, FAnchor{1, 1}, FTopLeft{1, 1};
    TbsGridSkin FSkin;
    bool FUseSkinCellHeight = true;
    TbsSkinInplaceEdit* FInplaceEdit = nullptr;

private:
    // A visible column or row: its index, start and size (the line comes after it).
    struct TSpan {
        int Index, Start, Size;
    };
    std::vector<TSpan> VisibleSpans(bool cols) const;
    int Extent(bool cols, int index) const;
    void SetCounts(int cols, int rows);
    void ChangeExtents(std::vector<int>& extents, int count, int index, int value);
    void ClampCurrent();
    void ScrollToCurrent();
    void InvalidateRect(const QRect& r);
    void InvalidateSelection(const TGridRect& oldSel);

    // Painting into the image of the cells (bsSkinCustomGridPainting.cpp).
    void PaintGrid(QPainter& painter, const QRegion& clip);
    void PaintBackground(QPainter& painter);
    void PaintLines(QPainter& painter, const std::vector<TSpan>& cols, const std::vector<TSpan>& rows,
                    const QRegion& clip);

    // Mouse sizing and moving (bsSkinGridInput.cpp).
    void TimerTick();
    void ScrollByKey(int dCol, int dRow);
    void AttachBar(TbsSkinScrollBar*& field, TbsSkinScrollBar* bar, bool vertical);
    void BarScrolled(bool vertical, int delta, bool toPosition);

    int FColCount = 5, FRowCount = 5, FFixedCols = 1, FFixedRows = 1;
    int FDefaultColWidth = 64, FDefaultRowHeight = 20, FDefaultCellHeight = 20;
    std::vector<int> FColWidths, FRowHeights; // -1: the default
    std::vector<bool> FTabStops;
    int FColOffset = 0;
    int FGridLineWidth = 1;
    bool FBorderSingle = true;
    QRect FClient;
    QColor FColor, FFixedColor, FGridLineColor;
    bool FDefaultDrawing = true, FTransparent = false, FWallpaperStretch = false;
    QImage FWallpaper;
    TGridOptions FOptions;
    bool FFixedColSizing = false, FColSizingWithLine = false, FCanEditModify = true;
    TbsGridState FGridState = gsNormal;
    int FSizingIndex = 0, FSizingPos = 0, FSizingOfs = 0, FMoveIndex = 0, FMovePos = 0;
    QPoint FHitTest;
    std::unique_ptr<TbsControlTimer> FTimer;
    int FInplaceCol = -1, FInplaceRow = -1;
    bool FEditorMode = false;
    TbsSkinScrollBar* FHScrollBar = nullptr;
    TbsSkinScrollBar* FVScrollBar = nullptr;
    bool FInCheckScrollBars = false;
    // The painted cells and the part of them out of date.
    QImage FCells;
    QRegion FDirty;
};

// Raised by the grid's extent and count changes.
class EInvalidGridOperation : public Exception {
public:
    using Exception::Exception;
};
