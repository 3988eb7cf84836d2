// Data grid parts: model, view, data link, in-place editor and indicator pictures.
#include "bsDBGridParts.h"

#include "TField.h"
#include "TQuery.h"
#include "bsDBGrids.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

QPixmap DBGridIndicator(int index)
{
    // 6 x 11 pictures in black on transparent.
    QImage image(6, 11, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setPen(Qt::black);
    switch (index) {
    case 0: // a right-pointing triangle
    case 4:
        for (int x = 0; x < 4; ++x)
            painter.drawLine(x + 1, 2 + x, x + 1, 8 - x);
        if (index == 4)
            painter.drawPoint(5, 5);
        break;
    case 1: // an I-beam
        painter.drawLine(1, 1, 4, 1);
        painter.drawLine(1, 9, 4, 9);
        painter.drawLine(2, 1, 2, 9);
        painter.drawLine(3, 1, 3, 9);
        break;
    case 2: // an asterisk
        painter.drawLine(0, 5, 5, 5);
        painter.drawLine(2, 2, 2, 8);
        painter.drawLine(3, 2, 3, 8);
        painter.drawLine(0, 3, 5, 7);
        painter.drawLine(0, 7, 5, 3);
        break;
    case 3: // a dot
        painter.fillRect(2, 4, 2, 3, Qt::black);
        break;
    default:
        break;
    }
    painter.end();
    return QPixmap::fromImage(image);
}

void TbsDBGridModel::SetColumns(const QList<TbsColumn>& columns)
{
    beginResetModel();
    FColumnList = columns;
    FColumns = ColumnsOfDataSet();
    endResetModel();
}

int TbsDBGridModel::ColumnsOfDataSet() const
{
    if (!FDataSet || !FDataSet->Active())
        return 0;
    return FColumnList.isEmpty() ? FDataSet->FieldCount() : int(FColumnList.size());
}

TbsColumn TbsDBGridModel::Column(int column) const
{
    if (column >= 0 && column < FColumnList.size())
        return FColumnList[column];
    TbsColumn own;
    if (FDataSet && FDataSet->Active() && column >= 0 && column < FDataSet->FieldCount())
        own.FieldName = FDataSet->Fields(column)->FieldName();
    return own;
}

TField* TbsDBGridModel::Field(int column) const
{
    if (!FDataSet || !FDataSet->Active() || column < 0 || column >= FColumns)
        return nullptr;
    return FColumnList.isEmpty() ? FDataSet->Fields(column)
                                 : FDataSet->FindField(FColumnList[column].FieldName);
}

QString TbsDBGridModel::Title(int column) const
{
    const TbsColumn settings = Column(column);
    return settings.Title.isEmpty() ? settings.FieldName : settings.Title;
}

bool TbsDBGridModel::Refresh()
{
    const bool active = FDataSet && FDataSet->Active();
    const int rows = active ? FDataSet->RecordCount() : 0;
    const int columns = ColumnsOfDataSet();
    if (columns != FColumns) {
        beginResetModel();
        FRows = rows;
        FColumns = columns;
        endResetModel();
        return true;
    }
    if (rows > FRows) {
        beginInsertRows(QModelIndex(), FRows, rows - 1);
        FRows = rows;
        endInsertRows();
    } else if (rows < FRows) {
        beginRemoveRows(QModelIndex(), rows, FRows - 1);
        FRows = rows;
        endRemoveRows();
    }
    if (FRows > 0 && FColumns > 0)
        emit dataChanged(index(0, 0), index(FRows - 1, FColumns - 1));
    RefreshIndicators();
    return false;
}

void TbsDBGridModel::RefreshRow(int row)
{
    if (row >= 0 && row < FRows && FColumns > 0)
        emit dataChanged(index(row, 0), index(row, FColumns - 1));
}

void TbsDBGridModel::RefreshIndicators()
{
    // Only the row that showed the indicator and the row that shows it now change: telling the
    // header about every row would cost a pass over all of them at each step through the records.
    const int current = FDataSet && FDataSet->Active() ? FDataSet->RecNo() - 1 : -1;
    for (int row : {FIndicatorRow, current})
        if (row >= 0 && row < FRows)
            emit headerDataChanged(Qt::Vertical, row, row);
    FIndicatorRow = current;
}

int TbsDBGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : FRows;
}

int TbsDBGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : FColumns;
}

QVariant TbsDBGridModel::data(const QModelIndex& index, int role) const
{
    const TField* field = index.isValid() ? Field(index.column()) : nullptr;
    if (!field)
        return QVariant();
    switch (role) {
    case Qt::DisplayRole:
        return FDataSet->RowValue(index.row(), field->Index()).toString();
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(field->Alignment() | Qt::AlignVCenter);
    default:
        return QVariant();
    }
}

QVariant TbsDBGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (!FDataSet || !FDataSet->Active())
        return QVariant();
    if (orientation == Qt::Horizontal) {
        if (section >= FColumns)
            return QVariant();
        if (role == Qt::DisplayRole)
            return Title(section);
        if (role == Qt::TextAlignmentRole)
            return QVariant::fromValue(Column(section).TitleAlignment | Qt::AlignVCenter);
        return QVariant();
    }
    if (role == Qt::DecorationRole && section == FDataSet->RecNo() - 1) {
        switch (FDataSet->State()) {
        case dsEdit:
            return DBGridIndicator(1);
        case dsInsert:
            return DBGridIndicator(2);
        default:
            return DBGridIndicator(0);
        }
    }
    if (role == Qt::DisplayRole)
        return QString();
    return QVariant();
}

TbsDBGridView::TbsDBGridView(TbsSkinCustomDBGrid* grid) : QTableView(grid), FGrid(grid)
{
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setTabKeyNavigation(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
}

void TbsDBGridView::keyPressEvent(QKeyEvent* event)
{
    if (!FGrid->KeyDown(event))
        QTableView::keyPressEvent(event);
}

void TbsDBGridView::mousePressEvent(QMouseEvent* event)
{
    setFocus(Qt::MouseFocusReason);
    const QModelIndex index = indexAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && index.isValid())
        FGrid->CellPressed(index);
}

void TbsDBGridView::mouseMoveEvent(QMouseEvent*)
{
    // The current cell follows the data set, not the dragged pointer.
}

void TbsDBGridView::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && indexAt(event->position().toPoint()).isValid())
        FGrid->CellDoubleClicked();
}

void TbsDBGridView::wheelEvent(QWheelEvent* event)
{
    if (!FGrid->MouseWheelSupport()) {
        QTableView::wheelEvent(event);
        return;
    }
    QKeyEvent key(QEvent::KeyPress, event->angleDelta().y() > 0 ? Qt::Key_Up : Qt::Key_Down, Qt::NoModifier);
    FGrid->KeyDown(&key);
    event->accept();
}

void TbsGridDataLink::ActiveChanged()
{
    FGrid->LinkActiveChanged();
}

void TbsGridDataLink::DataSetChanged()
{
    FGrid->LinkDataSetChanged();
}

void TbsGridDataLink::DataSetScrolled(int)
{
    FGrid->LinkScrolled();
}

void TbsGridDataLink::RecordChanged(TField* field)
{
    FGrid->LinkRecordChanged(field);
}

void TbsGridDataLink::EditingChanged()
{
    FGrid->LinkEditingChanged();
}

void TbsGridDataLink::UpdateData()
{
    FGrid->LinkUpdateData();
}

void TbsGridDataLink::LayoutChanged()
{
    FGrid->LinkActiveChanged();
}

TDBGridInplaceEdit::TDBGridInplaceEdit(TbsSkinCustomDBGrid* grid, QWidget* parent)
    : TbsCustomEdit(parent), FGrid(grid)
{
    setFrame(false);
    hide();
}

bool TDBGridInplaceEdit::CanChangeText()
{
    return FGrid->CanEditModify();
}

void TDBGridInplaceEdit::Change()
{
    FGrid->EditorChanged();
    TbsCustomEdit::Change();
}

void TDBGridInplaceEdit::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Insert:
        if (FGrid->KeyDown(event))
            return;
        break;
    case Qt::Key_Delete:
    case Qt::Key_Home:
    case Qt::Key_End:
        if ((event->modifiers() & Qt::ControlModifier) && FGrid->KeyDown(event))
            return;
        break;
    default:
        break;
    }
    TbsCustomEdit::keyPressEvent(event);
}

bool TDBGridInplaceEdit::focusNextPrevChild(bool next)
{
    QKeyEvent key(QEvent::KeyPress, next ? Qt::Key_Tab : Qt::Key_Backtab, Qt::NoModifier);
    if (FGrid->KeyDown(&key))
        return true;
    return TbsCustomEdit::focusNextPrevChild(next);
}
