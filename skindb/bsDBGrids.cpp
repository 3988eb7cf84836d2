// Data grid: the grid's columns and rows from the data set, following the data set, in-place
// editing and the keyboard and mouse of a data grid.
#include "bsDBGrids.h"

#include "Dialogs.h"
#include "TApplication.h"
#include "TDataSource.h"
#include "TField.h"
#include "TQuery.h"
#include "bsDBGridParts.h"
#include "bsDefaultLook.h"
#include "bsMessages.h"
#include "bsSkinScrollBar.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

namespace {
const QString DeleteQuestion = QStringLiteral("Delete record?");
// The indicator column's width.
constexpr int IndicatorWidth = 14;
} // namespace

TbsSkinCustomDBGrid::TbsSkinCustomDBGrid(QWidget* parent)
    : TbsSkinCustomGrid(parent), FDataLink(std::make_unique<TbsGridDataLink>(this)),
      FOptions({dgEditing, dgTitles, dgIndicator, dgColumnResize, dgColLines, dgRowLines, dgTabs,
                dgConfirmDelete, dgCancelOnExit}),
      FTitleFont(font())
{
    // The cells are drawn here, not by the base grid.
    SetDefaultDrawing(false);
    SetDefaultRowHeight(17);
    SetColor(SysWindow());
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
        // Leaving the grid for another control of the window (not for another window).
        const bool wasOurs = old == this || isAncestorOf(old);
        if (old && now && wasOurs && now != this && !isAncestorOf(now) && now->window() == window())
            FocusLeft();
    });
    SetOptions(FOptions);
}

TbsSkinCustomDBGrid::~TbsSkinCustomDBGrid()
{
    // The link must not call back into a grid whose parts are gone, nor the bar.
    FDataLink->SetDataSource(nullptr);
    SetVScrollBar(nullptr);
}

TDataSource* TbsSkinCustomDBGrid::DataSource() const
{
    return FDataLink->DataSource();
}

void TbsSkinCustomDBGrid::SetDataSource(TDataSource* source)
{
    FDataLink->SetDataSource(source);
    LinkActiveChanged();
}

TQuery* TbsSkinCustomDBGrid::DataSet() const
{
    return FDataLink->DataSet();
}

void TbsSkinCustomDBGrid::SetOptions(TbsDBGridOptions options)
{
    FOptions = options;
    TGridOptions grid({goDrawFocusSelected, goEditing});
    if (options.Contains(dgColLines)) {
        grid.Include(goFixedVertLine);
        grid.Include(goVertLine);
    }
    if (options.Contains(dgRowLines)) {
        grid.Include(goFixedHorzLine);
        grid.Include(goHorzLine);
    }
    if (options.Contains(dgColumnResize)) {
        grid.Include(goColSizing);
        grid.Include(goColMoving);
    }
    if (options.Contains(dgTabs))
        grid.Include(goTabs);
    if (options.Contains(dgRowSelect))
        grid.Include(goRowSelect);
    TbsSkinCustomGrid::SetOptions(grid);
    ApplyLayout();
}

int TbsSkinCustomDBGrid::DefaultRowHeight() const
{
    if (!FUseSkinCellHeight)
        return std::max(1, StoredDefaultRowHeight());
    return Skinned() ? FSkin.CellHeight() : QFontMetrics(font()).height() + 3;
}

int TbsSkinCustomDBGrid::TitleHeight() const
{
    if (Skinned() && FUseSkinFont)
        return FSkin.FixedCellHeight();
    return QFontMetrics(FTitleFont).height() + 4;
}

void TbsSkinCustomDBGrid::GetSkinData()
{
    TbsSkinCustomGrid::GetSkinData();
    ApplyLayout();
}

void TbsSkinCustomDBGrid::SetTitleFont(const QFont& font)
{
    FTitleFont = font;
    ApplyLayout();
}

void TbsSkinCustomDBGrid::SetColumnWidth(const QString& fieldName, int width)
{
    FColumnWidths.insert(fieldName.toCaseFolded(), width);
    ApplyLayout();
}

void TbsSkinCustomDBGrid::SetColumns(const QList<TbsColumn>& columns)
{
    HideEditor();
    FColumnList = columns;
    ApplyLayout();
}

// ---- columns ----

int TbsSkinCustomDBGrid::ColumnsOfDataSet() const
{
    TQuery* dataSet = DataSet();
    if (!dataSet || !dataSet->Active())
        return 0;
    return FColumnList.isEmpty() ? dataSet->FieldCount() : int(FColumnList.size());
}

TbsColumn TbsSkinCustomDBGrid::Column(int column) const
{
    if (column >= 0 && column < FColumnList.size())
        return FColumnList[column];
    TbsColumn own;
    TQuery* dataSet = DataSet();
    if (dataSet && dataSet->Active() && column >= 0 && column < dataSet->FieldCount())
        own.FieldName = dataSet->Fields(column)->FieldName();
    return own;
}

TField* TbsSkinCustomDBGrid::ColumnField(int column) const
{
    TQuery* dataSet = DataSet();
    if (!dataSet || !dataSet->Active() || column < 0 || column >= FColumnCount)
        return nullptr;
    return FColumnList.isEmpty() ? dataSet->Fields(column)
                                 : dataSet->FindField(FColumnList[column].FieldName);
}

QString TbsSkinCustomDBGrid::ColumnTitle(int column) const
{
    const TbsColumn settings = Column(column);
    return settings.Title.isEmpty() ? settings.FieldName : settings.Title;
}

int TbsSkinCustomDBGrid::SelectedIndex() const
{
    return std::max(0, Col() - FIndicatorOffset);
}

void TbsSkinCustomDBGrid::SetSelectedIndex(int column)
{
    SelectColumn(column);
}

TField* TbsSkinCustomDBGrid::SelectedField() const
{
    return ColumnField(SelectedIndex());
}

TbsColumn TbsSkinCustomDBGrid::SelectedColumn() const
{
    return Column(SelectedIndex());
}

QString TbsSkinCustomDBGrid::CellText(int row, int column) const
{
    const TField* field = ColumnField(column);
    TQuery* dataSet = DataSet();
    if (!field || row < 0 || row >= dataSet->RecordCount())
        return QString();
    return dataSet->RowValue(row, field->Index()).toString();
}

// ---- rows: the window of records ----

int TbsSkinCustomDBGrid::CurrentRecord() const
{
    TQuery* dataSet = DataSet();
    return dataSet && dataSet->Active() && dataSet->RecordCount() > 0 ? dataSet->RecNo() - 1 : -1;
}

int TbsSkinCustomDBGrid::VisibleRowCount() const
{
    const int titles = FTitleOffset ? TitleHeight() + GridLineWidth() : 0;
    return std::max(1, (ClientArea().height() - titles) / std::max(1, DefaultRowHeight() + GridLineWidth()));
}

int TbsSkinCustomDBGrid::DataRowCount() const
{
    TQuery* dataSet = DataSet();
    const int records = dataSet && dataSet->Active() ? dataSet->RecordCount() : 0;
    return std::clamp(records - FBufferTop, 0, VisibleRowCount());
}

int TbsSkinCustomDBGrid::RowOfRecord(int record) const
{
    const int row = record - FBufferTop;
    return row >= 0 && row < DataRowCount() ? FTitleOffset + row : -1;
}

QRect TbsSkinCustomDBGrid::DataCellRect(int record, int column) const
{
    const int row = RowOfRecord(record);
    return row < 0 ? QRect() : CellRect(column + FIndicatorOffset, row);
}

QRect TbsSkinCustomDBGrid::TitleRect(int column) const
{
    return FTitleOffset ? CellRect(column + FIndicatorOffset, 0) : QRect();
}

void TbsSkinCustomDBGrid::SyncCurrentRow()
{
    const int visible = VisibleRowCount();
    TQuery* dataSet = DataSet();
    const int records = dataSet && dataSet->Active() ? dataSet->RecordCount() : 0;
    const int current = CurrentRecord();
    int top = FBufferTop;
    if (current >= 0 && current < top)
        top = current;
    if (current >= top + visible)
        top = current - visible + 1;
    // The window stays full while there are records enough.
    top = std::clamp(top, 0, std::max(0, records - visible));
    const int rows = FTitleOffset + std::max(1, std::min(visible, records - top));
    int oldRow = Row();
    if (rows == RowCount() && top != FBufferTop) {
        // A short move of the window moves the painted rows; the old current row went with them.
        ScrollRowsInCache(top - FBufferTop);
        oldRow -= top - FBufferTop;
        FBufferTop = top;
    } else if (top != FBufferTop || rows != RowCount()) {
        FBufferTop = top;
        SetRowCount(rows);
        InvalidateGrid();
    }
    const int row = current >= 0 ? FTitleOffset + current - top : FTitleOffset;
    FocusCell(Col(), row, true);
    // The indicator and a selected row show the current record.
    if (row != oldRow)
        for (int shown : {oldRow, row}) {
            if (FOptions.Contains(dgRowSelect)) {
                InvalidateRow(shown);
            } else {
                InvalidateCell(0, shown);
                InvalidateCell(Col(), shown);
            }
        }
    UpdateScrollBars();
}

void TbsSkinCustomDBGrid::ApplyLayout()
{
    if (FInLayout)
        return;
    FInLayout = true;
    FIndicatorOffset = FOptions.Contains(dgIndicator) ? 1 : 0;
    FTitleOffset = FOptions.Contains(dgTitles) ? 1 : 0;
    FColumnCount = ColumnsOfDataSet();
    // One empty data column stands in while there are none.
    SetColCount(FIndicatorOffset + std::max(1, FColumnCount));
    SetFixedCols(FIndicatorOffset);
    SetRowCount(std::max(RowCount(), FTitleOffset + 1));
    SetFixedRows(FTitleOffset);
    SetRowHeights(0, FTitleOffset ? TitleHeight() : -1);
    if (FIndicatorOffset)
        SetColWidths(0, IndicatorWidth);
    const QFontMetrics cell(font()), title(FTitleFont);
    for (int column = 0; column < std::max(1, FColumnCount); ++column) {
        TField* field = ColumnField(column);
        int width = Column(column).Width;
        if (width < 0 && field)
            width = FColumnWidths.value(field->FieldName().toCaseFolded(), -1);
        if (width < 0) {
            width = field ? cell.horizontalAdvance(QLatin1Char('0')) * field->DisplayWidth() + 4 : 64;
            if (FOptions.Contains(dgTitles) && column < FColumnCount)
                width = std::max(width, title.horizontalAdvance(ColumnTitle(column)) + 4);
        }
        SetColWidths(column + FIndicatorOffset, width);
    }
    FInLayout = false;
    SyncCurrentRow();
    InvalidateGrid();
}

void TbsSkinCustomDBGrid::ColWidthsChanged()
{
    if (FInLayout)
        return;
    // A column sized by the user keeps its width through the next layout.
    for (int column = 0; column < FColumnCount; ++column)
        if (TField* field = ColumnField(column))
            FColumnWidths.insert(field->FieldName().toCaseFolded(), ColWidths(column + FIndicatorOffset));
}

bool TbsSkinCustomDBGrid::BeginColumnDrag(int& origin, int)
{
    return origin >= FIndicatorOffset && origin - FIndicatorOffset < FColumnCount;
}

void TbsSkinCustomDBGrid::ColumnMoved(int fromIndex, int toIndex)
{
    // The default columns become chosen ones in the new order.
    if (FColumnList.isEmpty())
        for (int column = 0; column < FColumnCount; ++column)
            FColumnList.append(Column(column));
    const int from = fromIndex - FIndicatorOffset, to = toIndex - FIndicatorOffset;
    if (from < 0 || to < 0 || from >= FColumnList.size() || to >= FColumnList.size())
        return;
    FColumnList.move(from, to);
    ApplyLayout();
}

void TbsSkinCustomDBGrid::resizeEvent(QResizeEvent* event)
{
    TbsSkinCustomGrid::resizeEvent(event);
    SyncCurrentRow();
}

// ---- the attached scroll bar ----

void TbsSkinCustomDBGrid::HookScrollBar(TbsSkinScrollBar* bar, bool vertical)
{
    if (!vertical) {
        TbsSkinCustomGrid::HookScrollBar(bar, vertical);
        return;
    }
    // The vertical bar moves through the records: its own steps change its position.
    bar->OnUpButtonClick = nullptr;
    bar->OnDownButtonClick = nullptr;
    bar->OnPageUp = nullptr;
    bar->OnPageDown = nullptr;
    bar->OnLastChange = nullptr;
    bar->OnChange = [this] { ScrollBarMoved(); };
}

void TbsSkinCustomDBGrid::UpdateScrollBars()
{
    TbsSkinScrollBar* bar = VScrollBar();
    if (!bar || FSyncingBar)
        return;
    TQuery* dataSet = DataSet();
    const int records = dataSet && dataSet->Active() ? dataSet->RecordCount() : 0;
    const int visible = VisibleRowCount();
    FSyncingBar = true;
    if (bar->Max() != std::max(0, records - 1) || bar->LargeChange() != visible) {
        bar->SetRange(0, std::max(0, records - 1), 0, bar->Position());
        bar->SetSmallChange(1);
        bar->SetLargeChange(visible);
    }
    bar->SimplySetPosition(std::max(0, CurrentRecord()));
    // Shown only while the records do not fit; hiding it gives its width back to the cells.
    const bool needed = records > visible;
    if (needed != bar->isVisibleTo(bar->parentWidget()))
        bar->setVisible(needed);
    FSyncingBar = false;
}

void TbsSkinCustomDBGrid::ScrollBarMoved()
{
    TQuery* dataSet = DataSet();
    if (FSyncingBar || !dataSet || !dataSet->Active() || dataSet->RecordCount() == 0)
        return;
    CallHandler([&] {
        HideEditor();
        dataSet->SetRecNo(VScrollBar()->Position() + 1);
    });
}

TbsSkinScrollBar* AttachSkinScrollBars(TbsSkinCustomDBGrid* grid, TbsSkinData* skinData)
{
    auto* bar = new TbsSkinScrollBar(grid);
    bar->setObjectName(grid->objectName() + QStringLiteral("VScrollBar"));
    bar->SetKind(sbVertical);
    bar->SetSkinDataName(QStringLiteral("vscrollbar"));
    bar->SetSkinData(skinData);
    bar->resize(19, std::max(1, grid->height()));
    grid->SetVScrollBar(bar);
    return bar;
}

// ---- following the data set ----

void TbsSkinCustomDBGrid::LinkActiveChanged()
{
    HideEditor();
    ApplyLayout();
}

void TbsSkinCustomDBGrid::LinkDataSetChanged()
{
    HideEditor();
    if (ColumnsOfDataSet() != FColumnCount)
        ApplyLayout();
    SyncCurrentRow();
    InvalidateGrid();
}

void TbsSkinCustomDBGrid::LinkScrolled()
{
    HideEditor();
    // A move inside the window repaints only the rows losing and gaining the current record.
    SyncCurrentRow();
}

void TbsSkinCustomDBGrid::LinkRecordChanged(TField*)
{
    InvalidateRow(Row());
}

void TbsSkinCustomDBGrid::LinkEditingChanged()
{
    InvalidateCell(0, Row());
}

void TbsSkinCustomDBGrid::LinkUpdateData()
{
    if (!FEditorModified || !InplaceEditor())
        return;
    if (TField* field = SelectedField())
        field->SetAsString(InplaceEditor()->text());
    FEditorModified = false;
}

// ---- editing ----

bool TbsSkinCustomDBGrid::CanModifyData() const
{
    TQuery* dataSet = DataSet();
    return !FReadOnly && FOptions.Contains(dgEditing) && dataSet && dataSet->CanModify();
}

bool TbsSkinCustomDBGrid::CanEditShow() const
{
    return FOptions.Contains(dgEditing) && !FReadOnly && SelectedField() && FColumnCount > 0 && !FInLayout;
}

bool TbsSkinCustomDBGrid::CanEditModify()
{
    TField* field = SelectedField();
    if (!CanModifyData() || !field || !field->CanModify())
        return false;
    return FDataLink->Edit();
}

QString TbsSkinCustomDBGrid::GetEditText(int, int) const
{
    TField* field = SelectedField();
    return field ? field->AsString() : QString();
}

TbsSkinInplaceEdit* TbsSkinCustomDBGrid::CreateEditor()
{
    return new TDBGridInplaceEdit(this);
}

TDBGridInplaceEdit* TbsSkinCustomDBGrid::InplaceEditor() const
{
    return static_cast<TDBGridInplaceEdit*>(FInplaceEdit);
}

void TbsSkinCustomDBGrid::ShowEditor()
{
    TField* field = SelectedField();
    ShowEditorWith(field ? field->AsString() : QString(), true);
}

void TbsSkinCustomDBGrid::ShowEditorWith(const QString& text, bool selectAll)
{
    if (!CanEditShow())
        return;
    TbsSkinCustomGrid::ShowEditor();
    TDBGridInplaceEdit* editor = InplaceEditor();
    if (!editor || !EditorMode())
        return;
    editor->setAlignment(SelectedField()->Alignment() | Qt::AlignVCenter);
    editor->setText(text);
    editor->SetPickList(SelectedColumn().PickList, SelectedColumn().DropDownRows);
    FEditorModified = false;
    editor->setFocus(Qt::OtherFocusReason);
    if (selectAll)
        editor->selectAll();
    else
        editor->end(false);
}

void TbsSkinCustomDBGrid::HideEditor()
{
    if (TDBGridInplaceEdit* editor = InplaceEditor(); editor && editor->isVisible())
        editor->CloseUp(false);
    FEditorModified = false;
    TbsSkinCustomGrid::HideEditor();
}

bool TbsSkinCustomDBGrid::UnchangedInsert() const
{
    TQuery* dataSet = DataSet();
    return dataSet && dataSet->State() == dsInsert && !dataSet->Modified() && !FEditorModified;
}

// ---- moving ----

void TbsSkinCustomDBGrid::MoveRecord(int distance)
{
    TQuery* dataSet = DataSet();
    if (distance > 0 && UnchangedInsert()) {
        // Down on a new row nobody typed into drops it, unless it is the last row.
        if (dataSet->RecNo() != dataSet->RecordCount())
            dataSet->Cancel();
        return;
    }
    if (distance < 0 && UnchangedInsert() && dataSet->RecNo() == dataSet->RecordCount()) {
        dataSet->Cancel();
        return;
    }
    dataSet->MoveBy(distance);
    if (distance > 0 && dataSet->Eof() && CanModifyData())
        dataSet->Append();
}

void TbsSkinCustomDBGrid::SelectColumn(int column)
{
    if (FColumnCount == 0)
        return;
    column = std::clamp(column, 0, FColumnCount - 1);
    if (column == SelectedIndex())
        return;
    FireEvent(OnColExit);
    // The value being edited goes into its field before another column becomes current.
    if (EditorMode()) {
        FDataLink->UpdateRecord();
        HideEditor();
    }
    FocusCell(column + FIndicatorOffset, Row(), true);
    FireEvent(OnColEnter);
}

void TbsSkinCustomDBGrid::DeleteRecord()
{
    TQuery* dataSet = DataSet();
    if (FReadOnly || !dataSet || dataSet->RecordCount() == 0 || !dataSet->CanModify())
        return;
    if (FOptions.Contains(dgConfirmDelete)) {
        const TModalResult answer =
            FSkinMessage ? FSkinMessage->MessageDlg(DeleteQuestion, mtConfirmation, {mbOK, mbCancel}, 0)
                         : MessageDlg(DeleteQuestion, mtConfirmation, {mbOK, mbCancel});
        if (answer == mrCancel)
            return;
    }
    HideEditor();
    dataSet->Delete();
}

// ---- keyboard and mouse ----

bool TbsSkinCustomDBGrid::KeyDown(QKeyEvent* event)
{
    TQuery* dataSet = DataSet();
    if (!dataSet || !dataSet->Active())
        return false;
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    const bool editorKey =
        event->key() == Qt::Key_Escape || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    bool handled = true;
    CallHandler([&] {
        switch (event->key()) {
        case Qt::Key_Down:
            ctrl ? dataSet->SetRecNo(std::min(dataSet->RecordCount(), dataSet->RecNo() + VisibleRowCount()))
                 : MoveRecord(1);
            break;
        case Qt::Key_Up:
            ctrl ? dataSet->SetRecNo(std::max(1, dataSet->RecNo() - VisibleRowCount() + 1)) : MoveRecord(-1);
            break;
        case Qt::Key_PageDown:
            dataSet->MoveBy(VisibleRowCount());
            break;
        case Qt::Key_PageUp:
            dataSet->MoveBy(-VisibleRowCount());
            break;
        case Qt::Key_Left:
            ctrl ? SelectColumn(0) : SelectColumn(SelectedIndex() - 1);
            break;
        case Qt::Key_Right:
            ctrl ? SelectColumn(FColumnCount - 1) : SelectColumn(SelectedIndex() + 1);
            break;
        case Qt::Key_Home:
            ctrl ? dataSet->First() : SelectColumn(0);
            break;
        case Qt::Key_End:
            ctrl ? dataSet->Last() : SelectColumn(FColumnCount - 1);
            break;
        case Qt::Key_Tab:
        case Qt::Key_Backtab: {
            if (!FOptions.Contains(dgTabs) || (event->modifiers() & Qt::AltModifier)) {
                handled = false;
                break;
            }
            const bool back = event->key() == Qt::Key_Backtab || (event->modifiers() & Qt::ShiftModifier);
            const int last = FColumnCount - 1;
            if (!back && SelectedIndex() < last) {
                SelectColumn(SelectedIndex() + 1);
            } else if (back && SelectedIndex() > 0) {
                SelectColumn(SelectedIndex() - 1);
            } else if (!back && dataSet->RecNo() < dataSet->RecordCount()) {
                SelectColumn(0);
                dataSet->Next();
            } else if (back && dataSet->RecNo() > 1) {
                SelectColumn(last);
                dataSet->Prior();
            } else {
                handled = false; // past the first or last cell the focus moves on
            }
            break;
        }
        case Qt::Key_Escape:
            // Undoes the editor's change, or, when there is none, the row's unposted changes.
            if (FEditorModified) {
                FEditorModified = false;
                ShowEditor();
            } else {
                dataSet->Cancel();
            }
            if (!FOptions.Contains(dgAlwaysShowEditor))
                HideEditor();
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (EditorMode()) {
                FDataLink->UpdateRecord();
                HideEditor();
            } else {
                ShowEditor();
            }
            break;
        case Qt::Key_Insert:
            if (event->modifiers() == Qt::NoModifier && CanModifyData())
                dataSet->Insert();
            break;
        case Qt::Key_F2:
            ShowEditorWith(SelectedField() ? SelectedField()->AsString() : QString(), false);
            break;
        case Qt::Key_Delete:
            if (ctrl)
                DeleteRecord();
            else
                handled = false;
            break;
        default:
            handled = false;
            break;
        }
    });
    if (handled || editorKey)
        return true;
    // A character typed on the grid starts the editor with that character.
    const QString text = event->text();
    if (text.isEmpty() || !text.at(0).isPrint() || ctrl)
        return false;
    if (!EditorMode()) {
        if (!CanEditShow())
            return false;
        ShowEditorWith(QString(), false);
    }
    QKeyEvent typed(QEvent::KeyPress, event->key(), event->modifiers(), text);
    QCoreApplication::sendEvent(InplaceEditor(), &typed);
    if (InplaceEditor()->text().isEmpty())
        HideEditor();
    return true;
}

void TbsSkinCustomDBGrid::CellPressed(int record, int column)
{
    TQuery* dataSet = DataSet();
    if (!dataSet || !dataSet->Active())
        return;
    CallHandler([&] {
        // The value being edited goes into its field before the record moves.
        if (EditorMode())
            FDataLink->UpdateRecord();
        HideEditor();
        const int current = CurrentRecord();
        if (record != current && current >= 0)
            dataSet->MoveBy(record - current);
        SelectColumn(column);
        FPressedData = true;
    });
}

void TbsSkinCustomDBGrid::mousePressEvent(QMouseEvent* event)
{
    FPressedTitle = -1;
    FPressedData = false;
    setFocus(Qt::MouseFocusReason);
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint at = event->position().toPoint();
    const TGridCoord cell = MouseCoord(at.x(), at.y());
    TbsGridState sizing = gsNormal;
    int index = 0, pos = 0, ofs = 0;
    if (FOptions.Contains(dgColumnResize) && SizingTest(at.x(), at.y(), sizing, index, pos, ofs)) {
        CallHandler([&] {
            if (EditorMode())
                FDataLink->UpdateRecord();
        });
        TbsSkinCustomGrid::mousePressEvent(event);
        return;
    }
    if (cell.X < 0)
        return;
    const int column = cell.X - FIndicatorOffset;
    if (cell.Y < FTitleOffset) {
        if (column >= 0 && column < FColumnCount)
            FPressedTitle = column;
        // Moving a column is the base grid's.
        if (FOptions.Contains(dgColumnResize))
            TbsSkinCustomGrid::mousePressEvent(event);
        return;
    }
    if (column >= 0)
        CellPressed(FBufferTop + cell.Y - FTitleOffset, column);
}

void TbsSkinCustomDBGrid::mouseReleaseEvent(QMouseEvent* event)
{
    const TbsGridState state = GridState();
    if (state != gsNormal)
        TbsSkinCustomGrid::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton || state == gsColSizing || state == gsRowSizing)
        return;
    const QPoint at = event->position().toPoint();
    const TGridCoord cell = MouseCoord(at.x(), at.y());
    const bool moved = state == gsColMoving && cell.X - FIndicatorOffset != FPressedTitle;
    if (FPressedTitle >= 0 && !moved && cell.Y >= 0 && cell.Y < FTitleOffset &&
        cell.X - FIndicatorOffset == FPressedTitle)
        FireEvent(OnTitleClick, FPressedTitle);
    else if (FPressedData && cell.X >= FIndicatorOffset && cell.Y >= FTitleOffset)
        FireEvent(OnCellClick, SelectedIndex());
    FPressedTitle = -1;
    FPressedData = false;
}

void TbsSkinCustomDBGrid::mouseDoubleClickEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    const TGridCoord cell = MouseCoord(at.x(), at.y());
    if (event->button() == Qt::LeftButton && cell.X >= FIndicatorOffset && cell.Y >= FTitleOffset)
        CallHandler([this] { ShowEditor(); });
}

void TbsSkinCustomDBGrid::wheelEvent(QWheelEvent* event)
{
    WheelTurned(event->angleDelta().y());
    event->accept();
}

void TbsSkinCustomDBGrid::WheelTurned(int delta)
{
    // One record per notch (120); the rest of a smooth turn waits for more.
    FWheelRest += delta;
    const int notches = FWheelRest / 120;
    FWheelRest -= notches * 120;
    TQuery* dataSet = DataSet();
    if (notches == 0 || !dataSet || !dataSet->Active())
        return;
    CallHandler([&] {
        HideEditor();
        dataSet->MoveBy(-notches);
    });
}

void TbsSkinCustomDBGrid::FocusLeft()
{
    TQuery* dataSet = DataSet();
    if (!dataSet || !dataSet->Active())
        return;
    CallHandler([&] {
        if (FOptions.Contains(dgCancelOnExit) && UnchangedInsert())
            dataSet->Cancel();
        else if (EditorMode())
            FDataLink->UpdateRecord();
    });
    HideEditor();
}
