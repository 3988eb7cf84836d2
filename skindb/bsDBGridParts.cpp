// Data grid parts: data link, in-place editor and indicator pictures.
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

TDBGridInplaceEdit::TDBGridInplaceEdit(TbsSkinCustomDBGrid* grid) : TbsSkinInplaceEdit(grid), FGrid(grid) {}

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
    TbsSkinInplaceEdit::paintEvent(event);
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
    TbsSkinInplaceEdit::mousePressEvent(event);
}

bool TDBGridInplaceEdit::CanChangeText()
{
    return FGrid->CanEditModify();
}

void TDBGridInplaceEdit::Change()
{
    TbsSkinInplaceEdit::Change();
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
    TbsSkinInplaceEdit::keyPressEvent(event);
}

bool TDBGridInplaceEdit::focusNextPrevChild(bool next)
{
    QKeyEvent key(QEvent::KeyPress, next ? Qt::Key_Tab : Qt::Key_Backtab, Qt::NoModifier);
    if (FGrid->KeyDown(&key))
        return true;
    return TbsSkinInplaceEdit::focusNextPrevChild(next);
}
