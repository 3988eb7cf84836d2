// Data grid parts: model, view, data link, in-place editor and indicator pictures.
#include "bsDBGridParts.h"

#include "TField.h"
#include "TQuery.h"
#include "bsDBGrids.h"
#include "bsDefaultLook.h"
#include "bsSkinListBox.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

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
    return false;
}

void TbsDBGridModel::RefreshRow(int row)
{
    if (row >= 0 && row < FRows && FColumns > 0)
        emit dataChanged(index(row, 0), index(row, FColumns - 1));
}

int TbsDBGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : FRows;
}

int TbsDBGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : FColumns;
}

QString TbsDBGridModel::Text(int row, int column) const
{
    const TField* field = Field(column);
    if (!field || row < 0 || row >= FRows)
        return QString();
    return FDataSet->RowValue(row, field->Index()).toString();
}

QVariant TbsDBGridModel::data(const QModelIndex& index, int role) const
{
    const TField* field = index.isValid() ? Field(index.column()) : nullptr;
    if (!field)
        return QVariant();
    switch (role) {
    case Qt::DisplayRole:
        return Text(index.row(), index.column());
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

TbsDBGridHeader::TbsDBGridHeader(Qt::Orientation orientation, TbsSkinCustomDBGrid* grid)
    : QHeaderView(orientation), FGrid(grid)
{
}

void TbsDBGridHeader::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    const QRect exposed = event->rect();
    const bool across = orientation() == Qt::Horizontal;
    int end = 0;
    for (int visual = std::max(0, visualIndexAt(across ? exposed.left() : exposed.top())); visual < count();
         ++visual) {
        const int logical = logicalIndex(visual);
        if (isSectionHidden(logical))
            continue;
        const int start = sectionViewportPosition(logical), size = sectionSize(logical);
        if (start > (across ? exposed.right() : exposed.bottom()))
            break;
        const QRect section = across ? QRect(start, 0, size, height()) : QRect(0, start, width(), size);
        across ? FGrid->PaintTitle(painter, section, logical)
               : FGrid->PaintIndicator(painter, section, logical);
        end = start + size;
    }
    if (count() == 0 || visualIndexAt(across ? exposed.right() : exposed.bottom()) < 0) {
        if (count() > 0)
            end = sectionViewportPosition(logicalIndex(count() - 1)) + sectionSize(logicalIndex(count() - 1));
        const QRect rest =
            across ? QRect(end, 0, width() - end, height()) : QRect(0, end, width(), height() - end);
        FGrid->PaintBackground(painter, rest.intersected(exposed));
    }
}

TbsDBGridView::TbsDBGridView(TbsSkinCustomDBGrid* grid) : QTableView(grid), FGrid(grid)
{
    setHorizontalHeader(new TbsDBGridHeader(Qt::Horizontal, grid));
    setVerticalHeader(new TbsDBGridHeader(Qt::Vertical, grid));
    setFrameShape(QFrame::NoFrame);
    setShowGrid(false);
    // Whole rows at the top: a scrolled list never starts with a sliver of a row under the titles.
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    // The corner above the indicator column is a fixed cell like the others.
    for (QAbstractButton* corner : findChildren<QAbstractButton*>())
        corner->installEventFilter(this);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setTabKeyNavigation(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
}

void TbsDBGridView::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    FGrid->PaintCells(painter, event->rect());
}

bool TbsDBGridView::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::Paint)
        return QTableView::eventFilter(watched, event);
    auto* corner = static_cast<QWidget*>(watched);
    QPainter painter(corner);
    FGrid->PaintIndicator(painter, corner->rect(), -1);
    return true;
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
    FGrid->WheelTurned(event->angleDelta().y());
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

namespace {
// The drop-down button of a pick-list editor: as wide as a scroll bar.
constexpr int EditButtonWidth = 16;
} // namespace

TDBGridInplaceEdit::TDBGridInplaceEdit(TbsSkinCustomDBGrid* grid, QWidget* parent)
    : TbsCustomEdit(parent), FGrid(grid)
{
    setFrame(false);
    hide();
}

TDBGridInplaceEdit::~TDBGridInplaceEdit()
{
    delete FPickList;
}

void TDBGridInplaceEdit::SetPickList(const QStringList& items, int dropDownRows)
{
    CloseUp(false);
    FPickItems = items;
    FDropDownRows = std::max(1, dropDownRows);
    setTextMargins(0, 0, HasPickList() ? EditButtonWidth : 0, 0);
    update();
}

QRect TDBGridInplaceEdit::ButtonRect() const
{
    return HasPickList() ? QRect(width() - EditButtonWidth, 0, EditButtonWidth, height()) : QRect();
}

bool TDBGridInplaceEdit::ListVisible() const
{
    return FPickList && FPickList->isVisible();
}

void TDBGridInplaceEdit::DropDown()
{
    if (!HasPickList() || ListVisible())
        return;
    if (!FPickList) {
        FPickList = new TbsPopupListBox(window());
        FPickList->SetSkinDataName(QStringLiteral("listbox"));
        FPickList->OnListBoxClick = [this] { CloseUp(true); };
    }
    FPickList->SetSkinData(FGrid->SkinData());
    FPickList->setFont(font());
    FPickList->SetItems(FPickItems);
    // The current value is chosen; an empty one or one the list lacks chooses none.
    FPickList->SetItemIndex(text().isEmpty() ? -1 : int(FPickItems.indexOf(text())));
    const int rows = std::min(int(FPickItems.size()), FDropDownRows);
    int widest = width();
    for (const QString& item : FPickItems)
        widest = std::max(widest, fontMetrics().horizontalAdvance(item) + 8);
    FPickList->resize(widest, FPickList->CalcHeight(rows));
    QPoint origin = mapToGlobal(QPoint(0, height()));
    if (const QScreen* where = screen();
        where && origin.y() + FPickList->height() > where->availableGeometry().bottom())
        origin = mapToGlobal(QPoint(0, -FPickList->height()));
    FPickList->Show(origin);
    update();
}

void TDBGridInplaceEdit::CloseUp(bool accept)
{
    if (!ListVisible())
        return;
    const int chosen = FPickList->ItemIndex();
    FPickList->Hide();
    update();
    if (!accept || chosen < 0 || chosen >= FPickItems.size() || FPickItems[chosen] == text())
        return;
    if (!AllowChange())
        return;
    setText(FPickItems[chosen]);
    selectAll();
    Change();
}

void TDBGridInplaceEdit::paintEvent(QPaintEvent* event)
{
    TbsCustomEdit::paintEvent(event);
    if (!HasPickList())
        return;
    QPainter painter(this);
    const QRect button = ButtonRect();
    painter.fillRect(button, ListVisible() ? SysBtnShadow() : SysBtnFace());
    painter.setPen(SysBtnShadow());
    painter.drawLine(button.topLeft(), button.bottomLeft());
    painter.setPen(SysBtnText());
    const QPoint centre = button.center();
    for (int i = 0; i < 4; ++i)
        painter.drawLine(centre.x() - 3 + i, centre.y() - 1 + i, centre.x() + 3 - i, centre.y() - 1 + i);
}

void TDBGridInplaceEdit::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && ButtonRect().contains(event->position().toPoint())) {
        ListVisible() ? CloseUp(false) : DropDown();
        return;
    }
    CloseUp(false);
    TbsCustomEdit::mousePressEvent(event);
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
    // While the list is open the keys choose in it.
    if (ListVisible()) {
        switch (event->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down: {
            const int step = event->key() == Qt::Key_Up ? -1 : 1;
            if (event->modifiers() & Qt::AltModifier) {
                CloseUp(true);
                return;
            }
            const int index = std::clamp(FPickList->ItemIndex() + step, 0, int(FPickItems.size()) - 1);
            FPickList->SetItemIndex(index);
            return;
        }
        case Qt::Key_Return:
        case Qt::Key_Enter:
            CloseUp(true);
            return;
        case Qt::Key_Escape:
            CloseUp(false);
            return;
        default:
            break;
        }
    } else if (HasPickList() && ((event->key() == Qt::Key_Down && (event->modifiers() & Qt::AltModifier)) ||
                                 event->key() == Qt::Key_F4)) {
        DropDown();
        return;
    }
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
