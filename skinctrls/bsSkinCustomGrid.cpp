// Skinned grid: counts and extents, the current cell, the selection and the view's top-left
// cell, the attached scroll bars and the in-place editor.
#include "bsSkinGrids.h"

#include "bsDefaultLook.h"
#include "bsSkinInplaceEdit.h"
#include "bsSkinScrollBar.h"

#include <QEvent>

namespace {
// The most cells of a row or column extent array.
constexpr qint64 MaxGridEntries = 134217725;
} // namespace

TbsSkinCustomGrid::TbsSkinCustomGrid(QWidget* parent)
    : TbsSkinCustomControl(parent),
      FOptions({goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect}),
      FTimer(CreateControlTimer(this))
{
    FLink.SetSkinDataName(QStringLiteral("grid"));
    FColor = SysWindow();
    FFixedColor = SysBtnFace();
    FGridLineColor = SysBtnFace();
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    FTimer->OnTimer = [this] { TimerTick(); };
}

TbsSkinCustomGrid::~TbsSkinCustomGrid()
{
    SetHScrollBar(nullptr);
    SetVScrollBar(nullptr);
}

// ---- counts and extents ----

void TbsSkinCustomGrid::SetCounts(int cols, int rows)
{
    if (cols < 0 || rows < 0)
        throw EInvalidGridOperation(QStringLiteral("Too many rows or columns deleted"));
    if (qint64(cols) > MaxGridEntries || qint64(rows) > MaxGridEntries)
        throw EInvalidGridOperation(QStringLiteral("Grid too large for operation"));
    if (cols <= FFixedCols && cols > 0)
        FFixedCols = cols - 1;
    if (rows <= FFixedRows && rows > 0)
        FFixedRows = rows - 1;
    FColCount = cols;
    FRowCount = rows;
    if (!FColWidths.empty())
        FColWidths.resize(cols, -1);
    if (!FRowHeights.empty())
        FRowHeights.resize(rows, -1);
    if (!FTabStops.empty())
        FTabStops.resize(cols, true);
    ClampCurrent();
    InvalidateGrid();
    UpdateScrollBars();
}

void TbsSkinCustomGrid::SetColCount(int value)
{
    if (value == FColCount)
        return;
    const int oldCols = FColCount, oldFixed = FFixedCols;
    try {
        SetCounts(value, FRowCount);
    } catch (...) {
        // A count the grid refuses leaves the grid as it was.
        FColCount = oldCols;
        FFixedCols = oldFixed;
        throw;
    }
}

void TbsSkinCustomGrid::SetRowCount(int value)
{
    if (value == FRowCount)
        return;
    const int oldRows = FRowCount, oldFixed = FFixedRows;
    try {
        SetCounts(FColCount, value);
    } catch (...) {
        FRowCount = oldRows;
        FFixedRows = oldFixed;
        throw;
    }
}

void TbsSkinCustomGrid::SetFixedCols(int value)
{
    if (value < 0 || (value >= FColCount && FColCount > 0))
        throw EInvalidGridOperation(QStringLiteral("Grid index out of range"));
    FFixedCols = value;
    ClampCurrent();
    InvalidateGrid();
    UpdateScrollBars();
}

void TbsSkinCustomGrid::SetFixedRows(int value)
{
    if (value < 0 || (value >= FRowCount && FRowCount > 0))
        throw EInvalidGridOperation(QStringLiteral("Grid index out of range"));
    FFixedRows = value;
    ClampCurrent();
    InvalidateGrid();
    UpdateScrollBars();
}

void TbsSkinCustomGrid::ChangeExtents(std::vector<int>& extents, int count, int index, int value)
{
    if (index < 0 || index >= count)
        throw EInvalidGridOperation(QStringLiteral("Grid index out of range"));
    if (extents.empty())
        extents.assign(count, -1);
    extents[index] = value;
    InvalidateGrid();
    UpdateEdit();
    UpdateScrollBars();
}

void TbsSkinCustomGrid::SetDefaultColWidth(int value)
{
    FDefaultColWidth = value;
    InvalidateGrid();
    UpdateScrollBars();
}

int TbsSkinCustomGrid::DefaultRowHeight() const
{
    return Skinned() && FUseSkinCellHeight ? FSkin.CellHeight() : FDefaultRowHeight;
}

void TbsSkinCustomGrid::SetDefaultRowHeight(int value)
{
    FDefaultRowHeight = std::max(0, value);
    InvalidateGrid();
    UpdateEdit();
    UpdateScrollBars();
}

void TbsSkinCustomGrid::SetDefaultCellHeight(int value)
{
    FDefaultCellHeight = value;
    if (!Skinned())
        SetDefaultRowHeight(value);
}

int TbsSkinCustomGrid::ColWidths(int col) const
{
    if (col < 0 || col >= int(FColWidths.size()) || FColWidths[col] < 0)
        return FDefaultColWidth;
    return FColWidths[col];
}

void TbsSkinCustomGrid::SetColWidths(int col, int width)
{
    ChangeExtents(FColWidths, FColCount, col, width < 0 ? -1 : width);
    ColWidthsChanged();
}

int TbsSkinCustomGrid::RowHeights(int row) const
{
    if (row < 0 || row >= int(FRowHeights.size()) || FRowHeights[row] < 0)
        return DefaultRowHeight();
    return FRowHeights[row];
}

void TbsSkinCustomGrid::SetRowHeights(int row, int height)
{
    ChangeExtents(FRowHeights, FRowCount, row, height < 0 ? -1 : height);
    RowHeightsChanged();
}

bool TbsSkinCustomGrid::TabStops(int col) const
{
    return col < 0 || col >= int(FTabStops.size()) || FTabStops[col];
}

void TbsSkinCustomGrid::SetTabStops(int col, bool value)
{
    if (col < 0 || col >= FColCount)
        throw EInvalidGridOperation(QStringLiteral("Grid index out of range"));
    if (FTabStops.empty())
        FTabStops.assign(FColCount, true);
    FTabStops[col] = value;
}

void TbsSkinCustomGrid::SetGridLineWidth(int value)
{
    FGridLineWidth = std::max(0, value);
    InvalidateGrid();
    UpdateScrollBars();
}

int TbsSkinCustomGrid::Extent(bool cols, int index) const
{
    return cols ? ColWidths(index) : RowHeights(index);
}

void TbsSkinCustomGrid::SetOptions(TGridOptions value)
{
    if (FOptions == value)
        return;
    FOptions = value;
    if (!value.Contains(goEditing))
        HideEditor();
    if (value.Contains(goRowSelect) || !value.Contains(goRangeSelect))
        FAnchor = FCurrent;
    if (value.Contains(goAlwaysShowEditor) && value.Contains(goEditing))
        ShowEditor();
    InvalidateGrid();
}

void TbsSkinCustomGrid::SetDefaultDrawing(bool value)
{
    FDefaultDrawing = value;
    InvalidateGrid();
}

// ---- moving and deleting ----

void TbsSkinCustomGrid::MoveColumn(int fromIndex, int toIndex)
{
    if (fromIndex < 0 || fromIndex >= FColCount || toIndex < 0 || toIndex >= FColCount)
        throw EInvalidGridOperation(QStringLiteral("Grid index out of range"));
    if (fromIndex == toIndex)
        return;
    if (!FColWidths.empty()) {
        const int width = FColWidths[fromIndex];
        FColWidths.erase(FColWidths.begin() + fromIndex);
        FColWidths.insert(FColWidths.begin() + toIndex, width);
    }
    if (!FTabStops.empty()) {
        const bool stop = FTabStops[fromIndex];
        FTabStops.erase(FTabStops.begin() + fromIndex);
        FTabStops.insert(FTabStops.begin() + toIndex, stop);
    }
    ColumnMoved(fromIndex, toIndex);
    InvalidateGrid();
    UpdateEdit();
}

void TbsSkinCustomGrid::MoveRow(int fromIndex, int toIndex)
{
    if (fromIndex < 0 || fromIndex >= FRowCount || toIndex < 0 || toIndex >= FRowCount)
        throw EInvalidGridOperation(QStringLiteral("Grid index out of range"));
    if (fromIndex == toIndex)
        return;
    if (!FRowHeights.empty()) {
        const int height = FRowHeights[fromIndex];
        FRowHeights.erase(FRowHeights.begin() + fromIndex);
        FRowHeights.insert(FRowHeights.begin() + toIndex, height);
    }
    RowMoved(fromIndex, toIndex);
    InvalidateGrid();
    UpdateEdit();
}

void TbsSkinCustomGrid::DeleteColumn(int col)
{
    if (FColCount <= 0)
        throw EInvalidGridOperation(QStringLiteral("Too many rows or columns deleted"));
    MoveColumn(col, FColCount - 1);
    SetColCount(FColCount - 1);
}

void TbsSkinCustomGrid::DeleteRow(int row)
{
    if (FRowCount <= 0)
        throw EInvalidGridOperation(QStringLiteral("Too many rows or columns deleted"));
    MoveRow(row, FRowCount - 1);
    SetRowCount(FRowCount - 1);
}

void TbsSkinCustomGrid::ColumnMoved(int, int) {}
void TbsSkinCustomGrid::RowMoved(int, int) {}

bool TbsSkinCustomGrid::BeginColumnDrag(int& origin, int)
{
    return origin >= FFixedCols;
}

bool TbsSkinCustomGrid::BeginRowDrag(int& origin, int)
{
    return origin >= FFixedRows;
}

// ---- geometry ----

std::vector<TbsSkinCustomGrid::TSpan> TbsSkinCustomGrid::VisibleSpans(bool cols) const
{
    const int count = cols ? FColCount : FRowCount;
    const int fixed = cols ? FFixedCols : FFixedRows;
    const int first = cols ? FTopLeft.X : FTopLeft.Y;
    const int limit = cols ? Client().right() + 1 : Client().bottom() + 1;
    std::vector<TSpan> spans;
    int pos = cols ? Client().left() : Client().top();
    for (int i = 0; i < fixed && i < count && pos < limit; ++i) {
        const int size = Extent(cols, i);
        spans.push_back({i, pos, size});
        pos += size + FGridLineWidth;
    }
    if (cols && FColCount - FFixedCols == 1)
        pos -= FColOffset;
    for (int i = std::max(first, fixed); i < count && pos < limit; ++i) {
        const int size = Extent(cols, i);
        spans.push_back({i, pos, size});
        pos += size + FGridLineWidth;
    }
    return spans;
}

QRect TbsSkinCustomGrid::CellRect(int col, int row) const
{
    QRect r;
    bool found = false;
    for (const TSpan& c : VisibleSpans(true))
        if (c.Index == col) {
            r.setLeft(c.Start);
            r.setWidth(c.Size);
            found = true;
        }
    if (!found)
        return QRect();
    found = false;
    for (const TSpan& s : VisibleSpans(false))
        if (s.Index == row) {
            r.setTop(s.Start);
            r.setHeight(s.Size);
            found = true;
        }
    return found ? r.intersected(Client()) : QRect();
}

TGridCoord TbsSkinCustomGrid::MouseCoord(int x, int y) const
{
    TGridCoord coord{-1, -1};
    if (!Client().contains(x, y))
        return coord;
    for (const TSpan& c : VisibleSpans(true))
        if (x >= c.Start && x < c.Start + c.Size + FGridLineWidth)
            coord.X = c.Index;
    for (const TSpan& s : VisibleSpans(false))
        if (y >= s.Start && y < s.Start + s.Size + FGridLineWidth)
            coord.Y = s.Index;
    if (coord.X < 0 || coord.Y < 0)
        return {-1, -1};
    return coord;
}

int TbsSkinCustomGrid::VisibleColCount() const
{
    int pos = 0;
    for (int i = 0; i < FFixedCols; ++i)
        pos += ColWidths(i) + FGridLineWidth;
    int n = 0;
    for (int i = FTopLeft.X; i < FColCount; ++i) {
        pos += ColWidths(i) + FGridLineWidth;
        if (pos - FGridLineWidth > Client().width())
            break;
        ++n;
    }
    return std::max(1, n);
}

int TbsSkinCustomGrid::VisibleRowCount() const
{
    int pos = 0;
    for (int i = 0; i < FFixedRows; ++i)
        pos += RowHeights(i) + FGridLineWidth;
    int n = 0;
    for (int i = FTopLeft.Y; i < FRowCount; ++i) {
        pos += RowHeights(i) + FGridLineWidth;
        if (pos - FGridLineWidth > Client().height())
            break;
        ++n;
    }
    if (n == 0 && FTopLeft.Y >= FRowCount) {
        // Past the last row: as many as would fit at the default height.
        return std::max(1, (Client().height() - pos) / std::max(1, DefaultRowHeight() + FGridLineWidth));
    }
    return std::max(1, n);
}

TGridCoord TbsSkinCustomGrid::MaxTopLeft() const
{
    auto maxFirst = [this](bool cols) {
        const int count = cols ? FColCount : FRowCount, fixed = cols ? FFixedCols : FFixedRows;
        int room = cols ? Client().width() : Client().height();
        for (int i = 0; i < fixed; ++i)
            room -= Extent(cols, i) + FGridLineWidth;
        int first = count - 1;
        int used = count > 0 ? Extent(cols, first) : 0;
        while (first > fixed && used + FGridLineWidth + Extent(cols, first - 1) <= room) {
            --first;
            used += FGridLineWidth + Extent(cols, first);
        }
        return std::max(fixed, first);
    };
    return {maxFirst(true), maxFirst(false)};
}

// ---- current cell, selection and view ----

TGridRect TbsSkinCustomGrid::Selection() const
{
    TGridRect r{std::min(FAnchor.X, FCurrent.X), std::min(FAnchor.Y, FCurrent.Y),
                std::max(FAnchor.X, FCurrent.X), std::max(FAnchor.Y, FCurrent.Y)};
    if (FOptions.Contains(goRowSelect)) {
        r.Left = FFixedCols;
        r.Right = FColCount - 1;
    }
    return r;
}

void TbsSkinCustomGrid::SetSelection(const TGridRect& value)
{
    const TGridRect old = Selection();
    FAnchor = {value.Left, value.Top};
    FCurrent = {value.Right, value.Bottom};
    ClampCurrent();
    InvalidateSelection(old);
    ScrollToCurrent();
    UpdateEdit();
}

void TbsSkinCustomGrid::ClampCurrent()
{
    auto clamp = [](TGridCoord& c, int minX, int maxX, int minY, int maxY) {
        c.X = std::clamp(c.X, minX, std::max(minX, maxX));
        c.Y = std::clamp(c.Y, minY, std::max(minY, maxY));
    };
    clamp(FCurrent, FFixedCols, FColCount - 1, FFixedRows, FRowCount - 1);
    clamp(FAnchor, FFixedCols, FColCount - 1, FFixedRows, FRowCount - 1);
    const TGridCoord max = MaxTopLeft();
    clamp(FTopLeft, FFixedCols, max.X, FFixedRows, max.Y);
}

void TbsSkinCustomGrid::FocusCell(int col, int row, bool moveAnchor)
{
    col = std::clamp(col, FFixedCols, std::max(FFixedCols, FColCount - 1));
    row = std::clamp(row, FFixedRows, std::max(FFixedRows, FRowCount - 1));
    if (!SelectCell(col, row))
        return;
    const TGridRect old = Selection();
    const TGridCoord oldCurrent = FCurrent;
    if (EditorMode() && (col != oldCurrent.X || row != oldCurrent.Y))
        UpdateText();
    FCurrent = {col, row};
    if (moveAnchor || !FOptions.Contains(goRangeSelect))
        FAnchor = FCurrent;
    if (FOptions.Contains(goRowSelect))
        FAnchor.X = FCurrent.X;
    InvalidateSelection(old);
    InvalidateCell(oldCurrent.X, oldCurrent.Y);
    ScrollToCurrent();
    UpdateEdit();
}

bool TbsSkinCustomGrid::SelectCell(int, int)
{
    return true;
}

void TbsSkinCustomGrid::ScrollToCurrent()
{
    TGridCoord top = FTopLeft;
    if (FCurrent.X < top.X)
        top.X = FCurrent.X;
    if (FCurrent.Y < top.Y)
        top.Y = FCurrent.Y;
    // Forward until the current cell shows wholly.
    while (top.X < FCurrent.X) {
        int pos = 0;
        for (int i = 0; i < FFixedCols; ++i)
            pos += ColWidths(i) + FGridLineWidth;
        for (int i = top.X; i <= FCurrent.X; ++i)
            pos += ColWidths(i) + FGridLineWidth;
        if (pos - FGridLineWidth <= Client().width())
            break;
        ++top.X;
    }
    while (top.Y < FCurrent.Y) {
        int pos = 0;
        for (int i = 0; i < FFixedRows; ++i)
            pos += RowHeights(i) + FGridLineWidth;
        for (int i = top.Y; i <= FCurrent.Y; ++i)
            pos += RowHeights(i) + FGridLineWidth;
        if (pos - FGridLineWidth <= Client().height())
            break;
        ++top.Y;
    }
    MoveTopLeft(top.X, top.Y);
}

void TbsSkinCustomGrid::MoveTopLeft(int col, int row)
{
    const TGridCoord max = MaxTopLeft();
    const TGridCoord top{std::clamp(col, FFixedCols, std::max(FFixedCols, max.X)),
                         std::clamp(row, FFixedRows, std::max(FFixedRows, max.Y))};
    if (top == FTopLeft)
        return;
    FTopLeft = top;
    InvalidateGrid();
    UpdateEdit();
    UpdateScrollBars();
    TopLeftChanged();
}

// ---- invalidation of the painted cells ----

void TbsSkinCustomGrid::InvalidateRect(const QRect& r)
{
    const QRect inside = r.intersected(rect());
    if (inside.isEmpty())
        return;
    FDirty += inside;
    update(inside);
}

void TbsSkinCustomGrid::InvalidateCell(int col, int row)
{
    const QRect r = CellRect(col, row);
    // The line after the cell belongs to it: a focus frame may touch it.
    InvalidateRect(r.adjusted(0, 0, FGridLineWidth, FGridLineWidth));
}

void TbsSkinCustomGrid::InvalidateRow(int row)
{
    const QRect first = CellRect(0, row).isEmpty() ? CellRect(FTopLeft.X, row) : CellRect(0, row);
    if (first.isEmpty())
        return;
    InvalidateRect(QRect(0, first.top(), width(), first.height() + FGridLineWidth));
}

void TbsSkinCustomGrid::InvalidateCol(int col)
{
    const QRect first = CellRect(col, 0).isEmpty() ? CellRect(col, FTopLeft.Y) : CellRect(col, 0);
    if (first.isEmpty())
        return;
    InvalidateRect(QRect(first.left(), 0, first.width() + FGridLineWidth, height()));
}

void TbsSkinCustomGrid::InvalidateGrid()
{
    FDirty = QRegion(rect());
    update();
}

void TbsSkinCustomGrid::InvalidateSelection(const TGridRect& old)
{
    const TGridRect now = Selection();
    if (old == now && FAnchor == FCurrent) {
        InvalidateCell(FCurrent.X, FCurrent.Y);
        return;
    }
    for (const TGridRect& sel : {old, now}) {
        const QRect a = CellRect(std::max(sel.Left, FTopLeft.X), std::max(sel.Top, FTopLeft.Y));
        const QRect b = CellRect(std::min(sel.Right, FColCount - 1), std::min(sel.Bottom, FRowCount - 1));
        if (a.isEmpty() || b.isEmpty()) {
            InvalidateGrid();
            return;
        }
        InvalidateRect(a.united(b).adjusted(0, 0, FGridLineWidth, FGridLineWidth));
    }
}

// ---- look ----

void TbsSkinCustomGrid::SetColor(const QColor& value)
{
    FColor = value;
    InvalidateGrid();
}

void TbsSkinCustomGrid::SetFixedColor(const QColor& value)
{
    FFixedColor = value;
    InvalidateGrid();
}

void TbsSkinCustomGrid::SetGridLineColor(const QColor& value)
{
    FGridLineColor = value;
    InvalidateGrid();
}

void TbsSkinCustomGrid::SetTransparent(bool value)
{
    FTransparent = value;
    setAttribute(Qt::WA_OpaquePaintEvent, !value);
    InvalidateGrid();
}

void TbsSkinCustomGrid::SetWallpaper(const QImage& value)
{
    FWallpaper = value;
    InvalidateGrid();
}

void TbsSkinCustomGrid::SetWallpaperStretch(bool value)
{
    FWallpaperStretch = value;
    InvalidateGrid();
}

void TbsSkinCustomGrid::SetUseSkinCellHeight(bool value)
{
    FUseSkinCellHeight = value;
    InvalidateGrid();
    UpdateEdit();
    UpdateScrollBars();
}

void TbsSkinCustomGrid::GetSkinData()
{
    TbsSkinCustomControl::GetSkinData();
    FSkin.Read(FLink);
    ApplyEditorLook();
    ClampCurrent();
    InvalidateGrid();
    UpdateEdit();
    UpdateScrollBars();
}

void TbsSkinCustomGrid::ApplyEditorLook()
{
    if (FInplaceEdit) {
        FInplaceEdit->SetTransparent(FTransparent || (Skinned() && !FSkin.BGPicture.isNull()));
        QPalette p = FInplaceEdit->palette();
        if (!FInplaceEdit->Transparent())
            p.setColor(QPalette::Base, Skinned() ? FSkin.BGColor : SysWindow());
        p.setColor(QPalette::Text, Skinned() ? FSkin.FontColor : SysWindowText());
        FInplaceEdit->setPalette(p);
        FInplaceEdit->setFont(Skinned() && FUseSkinFont ? FSkin.Font : font());
    }
}

bool TbsSkinCustomGrid::GridFocused() const
{
    return hasFocus() || (FInplaceEdit && FInplaceEdit->hasFocus());
}

void TbsSkinCustomGrid::resizeEvent(QResizeEvent* event)
{
    TbsSkinCustomControl::resizeEvent(event);
    LayoutClient();
}

void TbsSkinCustomGrid::changeEvent(QEvent* event)
{
    TbsSkinCustomControl::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange ||
        event->type() == QEvent::EnabledChange)
        InvalidateGrid();
}

void TbsSkinCustomGrid::showEvent(QShowEvent* event)
{
    TbsSkinCustomControl::showEvent(event);
    UpdateScrollBars();
}

void TbsSkinCustomGrid::hideEvent(QHideEvent* event)
{
    TbsSkinCustomControl::hideEvent(event);
    for (TbsSkinScrollBar* bar : {FHScrollBar, FVScrollBar})
        if (bar && !isAncestorOf(bar))
            bar->hide();
}

void TbsSkinCustomGrid::focusInEvent(QFocusEvent* event)
{
    TbsSkinCustomControl::focusInEvent(event);
    InvalidateCell(FCurrent.X, FCurrent.Y);
    if (FOptions.Contains(goRowSelect))
        InvalidateRow(FCurrent.Y);
    UpdateEdit();
}

void TbsSkinCustomGrid::focusOutEvent(QFocusEvent* event)
{
    TbsSkinCustomControl::focusOutEvent(event);
    InvalidateCell(FCurrent.X, FCurrent.Y);
    if (FOptions.Contains(goRowSelect))
        InvalidateRow(FCurrent.Y);
}

// ---- border and attached scroll bars ----

void TbsSkinCustomGrid::SetBorderSingle(bool value)
{
    FBorderSingle = value;
    LayoutClient();
}

QRect TbsSkinCustomGrid::Client() const
{
    const int border = FBorderSingle ? 1 : 0;
    QRect client = rect().adjusted(border, border, -border, -border);
    if (FVScrollBar && FVScrollBar->parentWidget() == this && FVScrollBar->isVisibleTo(this))
        client.setRight(client.right() - std::min(FVScrollBar->width(), std::max(0, client.width())));
    if (FHScrollBar && FHScrollBar->parentWidget() == this && FHScrollBar->isVisibleTo(this))
        client.setBottom(client.bottom() - std::min(FHScrollBar->height(), std::max(0, client.height())));
    return client;
}

void TbsSkinCustomGrid::LayoutClient()
{
    const QRect client = Client();
    const int border = FBorderSingle ? 1 : 0;
    if (FVScrollBar && FVScrollBar->parentWidget() == this)
        FVScrollBar->setGeometry(client.right() + 1, client.top(), width() - border - client.right() - 1,
                                 client.height());
    if (FHScrollBar && FHScrollBar->parentWidget() == this)
        FHScrollBar->setGeometry(client.left(), client.bottom() + 1, client.width(),
                                 height() - border - client.bottom() - 1);
    if (client == FClient)
        return;
    FClient = client;
    ClampCurrent();
    InvalidateGrid();
    UpdateEdit();
    UpdateScrollBars();
}

bool TbsSkinCustomGrid::eventFilter(QObject* watched, QEvent* event)
{
    // A child bar showing or hiding gives or takes the cells' room.
    if ((watched == FVScrollBar || watched == FHScrollBar) &&
        (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent))
        LayoutClient();
    return TbsSkinCustomControl::eventFilter(watched, event);
}

void TbsSkinCustomGrid::SetHScrollBar(TbsSkinScrollBar* bar)
{
    AttachBar(FHScrollBar, bar, false);
}

void TbsSkinCustomGrid::SetVScrollBar(TbsSkinScrollBar* bar)
{
    AttachBar(FVScrollBar, bar, true);
}

void TbsSkinCustomGrid::AttachBar(TbsSkinScrollBar*& field, TbsSkinScrollBar* bar, bool vertical)
{
    if (field == bar)
        return;
    if (field) {
        field->removeEventFilter(this);
        field->OnChange = nullptr;
        field->OnUpButtonClick = nullptr;
        field->OnDownButtonClick = nullptr;
        field->OnPageUp = nullptr;
        field->OnPageDown = nullptr;
        field->OnLastChange = nullptr;
        disconnect(field, nullptr, this, nullptr);
    }
    field = bar;
    if (bar) {
        bar->SetKind(vertical ? sbVertical : sbHorizontal);
        bar->setEnabled(true);
        bar->hide();
        bar->installEventFilter(this);
        HookScrollBar(bar, vertical);
        // A bar destroyed before the grid leaves no dangling reference, and its room to the cells.
        TbsSkinScrollBar** slot = &field;
        connect(bar, &QObject::destroyed, this, [this, slot] {
            *slot = nullptr;
            LayoutClient();
            UpdateScrollBars();
        });
    }
    LayoutClient();
    UpdateScrollBars();
}

void TbsSkinCustomGrid::HookScrollBar(TbsSkinScrollBar* bar, bool vertical)
{
    bar->OnUpButtonClick = [this, vertical] { BarScrolled(vertical, 1, false); };
    bar->OnDownButtonClick = [this, vertical] { BarScrolled(vertical, -1, false); };
    bar->OnPageUp = [this, vertical] { BarScrolled(vertical, -2, false); };
    bar->OnPageDown = [this, vertical] { BarScrolled(vertical, 2, false); };
    bar->OnLastChange = [this, vertical] { BarScrolled(vertical, 0, true); };
}

void TbsSkinCustomGrid::BarScrolled(bool vertical, int delta, bool toPosition)
{
    // delta: +-1 a line, +-2 a page towards the end or the start.
    TbsSkinScrollBar* bar = vertical ? FVScrollBar : FHScrollBar;
    if (!bar || FInCheckScrollBars)
        return;
    const TGridCoord max = MaxTopLeft();
    const int fixed = vertical ? FFixedRows : FFixedCols;
    const int last = vertical ? max.Y : max.X;
    int first = vertical ? FTopLeft.Y : FTopLeft.X;
    if (toPosition) {
        first = fixed + (last - fixed) * bar->Position() / 127;
    } else {
        const int page = vertical ? VisibleRowCount() : VisibleColCount();
        first += std::abs(delta) == 2 ? (delta > 0 ? page : -page) : delta;
    }
    vertical ? MoveTopLeft(FTopLeft.X, first) : MoveTopLeft(first, FTopLeft.Y);
    UpdateScrollBars();
}

void TbsSkinCustomGrid::UpdateScrollBars()
{
    if (FInCheckScrollBars)
        return;
    FInCheckScrollBars = true;
    const TGridCoord max = MaxTopLeft();
    auto sync = [this](TbsSkinScrollBar* bar, int first, int fixed, int last) {
        if (!bar)
            return;
        const bool needed = last > fixed && isVisible();
        bar->SetRange(0, 127, 0, 0);
        bar->SimplySetPosition(needed ? (first - fixed) * 127 / (last - fixed) : 0);
        if (needed != bar->isVisibleTo(bar->parentWidget()))
            bar->setVisible(needed);
    };
    sync(FVScrollBar, FTopLeft.Y, FFixedRows, max.Y);
    sync(FHScrollBar, FTopLeft.X, FFixedCols, max.X);
    if (FHScrollBar && FVScrollBar)
        FHScrollBar->SetBoth(FVScrollBar->isVisibleTo(FVScrollBar->parentWidget()));
    FInCheckScrollBars = false;
}

// ---- the in-place editor ----

TbsSkinInplaceEdit* TbsSkinCustomGrid::CreateEditor()
{
    return new TbsSkinInplaceEdit(this);
}

bool TbsSkinCustomGrid::CanEditShow() const
{
    return FOptions.Contains(goEditing) && (!FOptions.Contains(goAlwaysShowEditor) || FEditorMode) &&
           FEditorMode && FColCount > FFixedCols && FRowCount > FFixedRows &&
           (GridFocused() || FOptions.Contains(goAlwaysShowEditor));
}

bool TbsSkinCustomGrid::CanEditAcceptKey(QChar) const
{
    return true;
}

QString TbsSkinCustomGrid::GetEditText(int, int) const
{
    return QString();
}

void TbsSkinCustomGrid::SetEditText(int, int, const QString&) {}

QString TbsSkinCustomGrid::GetEditMask(int, int) const
{
    return QString();
}

void TbsSkinCustomGrid::SetEditorMode(bool value)
{
    value ? ShowEditor() : HideEditor();
}

void TbsSkinCustomGrid::ShowEditor()
{
    FEditorMode = true;
    if (!CanEditShow()) {
        FEditorMode = false;
        return;
    }
    if (!FInplaceEdit) {
        FInplaceEdit = CreateEditor();
        ApplyEditorLook();
    }
    FInplaceCol = -1;
    UpdateEdit();
    FireEvent(OnShowEditor);
}

void TbsSkinCustomGrid::HideEditor()
{
    const bool shown = FInplaceEdit && FInplaceEdit->isVisible();
    FEditorMode = false;
    if (!shown)
        return;
    FInplaceEdit->Hide();
    InvalidateCell(FCurrent.X, FCurrent.Y);
    FireEvent(OnHideEditor);
}

void TbsSkinCustomGrid::UpdateText()
{
    if (FInplaceEdit && FInplaceCol >= 0 && FInplaceRow >= 0)
        SetEditText(FInplaceCol, FInplaceRow, FInplaceEdit->text());
}

void TbsSkinCustomGrid::UpdateEdit()
{
    if (!FEditorMode || !FInplaceEdit)
        return;
    if (!CanEditShow()) {
        HideEditor();
        return;
    }
    if (FInplaceCol != FCurrent.X || FInplaceRow != FCurrent.Y) {
        FInplaceCol = FCurrent.X;
        FInplaceRow = FCurrent.Y;
        FInplaceEdit->UpdateContents();
    }
    const QRect r = CellRect(FCurrent.X, FCurrent.Y);
    if (r.isEmpty()) {
        FInplaceEdit->Hide();
        return;
    }
    FInplaceEdit->Move(r);
    InvalidateCell(FCurrent.X, FCurrent.Y);
}
