// Data grid: following the data set, in-place editing and the keyboard of a data grid.
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
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>

namespace {
const QString DeleteQuestion = QStringLiteral("Delete record?");
}

TbsSkinCustomDBGrid::TbsSkinCustomDBGrid(QWidget* parent)
    : TbsSkinCustomControl(parent), FDataLink(std::make_unique<TbsGridDataLink>(this)),
      FModel(new TbsDBGridModel(this)), FView(new TbsDBGridView(this)),
      FEditor(new TDBGridInplaceEdit(this, FView->viewport())),
      FOptions({dgEditing, dgTitles, dgIndicator, dgColumnResize, dgColLines, dgRowLines, dgTabs,
                dgConfirmDelete, dgCancelOnExit}),
      FColor(SysWindow()), FFixedColor(SysBtnFace()), FGridLineColor(SysBtnFace()), FTitleFont(font())
{
    FLink.SetSkinDataName(QStringLiteral("grid"));
    setFocusPolicy(Qt::StrongFocus);
    // The view's own scroll bars stay off; a skinned bar can be attached.
    setFocusProxy(FView);
    FView->setModel(FModel);
    FView->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    FView->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    FView->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    FView->verticalHeader()->setFixedWidth(14);
    // The grid paints every pixel of the cells and headers: opaque, they scroll by moving pixels
    // and repaint only what the move uncovers.
    for (QWidget* painted :
         {FView->viewport(), FView->horizontalHeader()->viewport(), FView->verticalHeader()->viewport()}) {
        painted->setAutoFillBackground(false);
        painted->setAttribute(Qt::WA_OpaquePaintEvent);
    }
    FView->installEventFilter(this);
    FView->verticalHeader()->setSectionsClickable(false);
    FView->horizontalHeader()->setHighlightSections(false);
    FView->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    connect(FView->horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int column) { FireEvent(OnTitleClick, column); });
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
        // Leaving the grid for another control of the window (not for another window).
        if (old && now && isAncestorOf(old) && !isAncestorOf(now) && now != this && now->window() == window())
            FocusLeft();
    });
    SetOptions(FOptions);
    ApplyLayout();
}

TbsSkinCustomDBGrid::~TbsSkinCustomDBGrid()
{
    // The link must not call back into a grid whose parts are gone, nor the bar and the view,
    // which are destroyed after the grid's own members.
    FDataLink->SetDataSource(nullptr);
    SetVScrollBar(nullptr);
    FView->removeEventFilter(this);
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
    FView->horizontalHeader()->setVisible(options.Contains(dgTitles));
    FView->verticalHeader()->setVisible(options.Contains(dgIndicator));
    FView->setShowGrid(options.Contains(dgColLines) || options.Contains(dgRowLines));
    FView->horizontalHeader()->setSectionResizeMode(
        options.Contains(dgColumnResize) ? QHeaderView::Interactive : QHeaderView::Fixed);
    FView->setSelectionBehavior(options.Contains(dgRowSelect) ? QAbstractItemView::SelectRows
                                                              : QAbstractItemView::SelectItems);
    FView->setTabKeyNavigation(options.Contains(dgTabs));
}

int TbsSkinCustomDBGrid::DefaultRowHeight() const
{
    if (!FUseSkinCellHeight)
        return std::max(1, FDefaultRowHeight);
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
    TbsSkinCustomControl::GetSkinData();
    FSkin.Read(FLink);
    QPalette palette = FEditor->palette();
    palette.setColor(QPalette::Base, Skinned() ? FSkin.BGColor : SysWindow());
    palette.setColor(QPalette::Text, Skinned() ? FSkin.FontColor : SysWindowText());
    FEditor->setPalette(palette);
    FEditor->setFont(Skinned() && FUseSkinFont ? FSkin.Font : font());
    ApplyLayout();
    FView->viewport()->update();
    FView->horizontalHeader()->viewport()->update();
    FView->verticalHeader()->viewport()->update();
    update();
}

void TbsSkinCustomDBGrid::SetDefaultRowHeight(int value)
{
    FDefaultRowHeight = value;
    ApplyLayout();
}

void TbsSkinCustomDBGrid::SetUseSkinCellHeight(bool value)
{
    FUseSkinCellHeight = value;
    ApplyLayout();
}

void TbsSkinCustomDBGrid::SetTitleFont(const QFont& font)
{
    FTitleFont = font;
    FView->horizontalHeader()->setFont(font);
    ApplyLayout();
}

void TbsSkinCustomDBGrid::SetGridLineColor(const QColor& color)
{
    FGridLineColor = color;
    FView->viewport()->update();
}

void TbsSkinCustomDBGrid::SetColumnWidth(const QString& fieldName, int width)
{
    FColumnWidths.insert(fieldName.toCaseFolded(), width);
    ApplyLayout();
}

void TbsSkinCustomDBGrid::SetColumns(const QList<TbsColumn>& columns)
{
    HideEditor();
    FModel->SetColumns(columns);
    ApplyLayout();
    SyncCurrentRow();
}

void TbsSkinCustomDBGrid::SetCellColor(const QColor& color)
{
    FColor = color;
    FView->viewport()->update();
}

void TbsSkinCustomDBGrid::SetFixedColor(const QColor& color)
{
    FFixedColor = color;
    FView->horizontalHeader()->viewport()->update();
    FView->verticalHeader()->viewport()->update();
}

int TbsSkinCustomDBGrid::SelectedIndex() const
{
    return std::max(0, FView->currentIndex().column());
}

void TbsSkinCustomDBGrid::SetSelectedIndex(int column)
{
    MoveColumn(column);
}

TField* TbsSkinCustomDBGrid::SelectedField() const
{
    return FModel->Field(SelectedIndex());
}

int TbsSkinCustomDBGrid::VisibleRowCount() const
{
    return std::max(1,
                    FView->viewport()->height() / std::max(1, FView->verticalHeader()->defaultSectionSize()));
}

TbsColumn TbsSkinCustomDBGrid::SelectedColumn() const
{
    return FModel->Column(SelectedIndex());
}

QString TbsSkinCustomDBGrid::CellText(int row, int column) const
{
    return FModel->Text(row, column);
}

int TbsSkinCustomDBGrid::CurrentRow() const
{
    TQuery* dataSet = DataSet();
    return dataSet && dataSet->Active() ? dataSet->RecNo() - 1 : -1;
}

// ---- layout ----

void TbsSkinCustomDBGrid::ApplyLayout()
{
    const int lines = FOptions.Contains(dgRowLines) ? 1 : 0;
    FView->verticalHeader()->setMinimumSectionSize(1);
    FView->verticalHeader()->setDefaultSectionSize(DefaultRowHeight() + lines);
    FView->horizontalHeader()->setFixedHeight(TitleHeight() + lines);
    SyncScrollBar();
    TQuery* dataSet = DataSet();
    if (!dataSet || !dataSet->Active())
        return;
    const QFontMetrics cell(font()), title(FTitleFont);
    for (int column = 0; column < FModel->columnCount(); ++column) {
        TField* field = FModel->Field(column);
        int width = FModel->Column(column).Width;
        if (width < 0 && field)
            width = FColumnWidths.value(field->FieldName().toCaseFolded(), -1);
        if (width < 0) {
            width = field ? cell.horizontalAdvance(QLatin1Char('0')) * field->DisplayWidth() + 4 : 64;
            if (FOptions.Contains(dgTitles))
                width = std::max(width, title.horizontalAdvance(FModel->Title(column)) + 4);
        }
        FView->setColumnWidth(column, width);
    }
}

void TbsSkinCustomDBGrid::resizeEvent(QResizeEvent* event)
{
    TbsSkinCustomControl::resizeEvent(event);
    LayoutParts();
    SyncScrollBar();
}

void TbsSkinCustomDBGrid::LayoutParts()
{
    // A one-pixel border, the bar along the right edge inside it while it shows, the cells in the rest.
    const QRect inside = rect().adjusted(1, 1, -1, -1);
    const bool bar = FVScrollBar && FVScrollBar->parentWidget() == this && FVScrollBar->isVisibleTo(this);
    const int barWidth = bar ? std::min(FVScrollBar->width(), inside.width()) : 0;
    if (bar)
        FVScrollBar->setGeometry(inside.right() - barWidth + 1, inside.top(), barWidth, inside.height());
    FView->setGeometry(inside.adjusted(0, 0, -barWidth, 0));
}

bool TbsSkinCustomDBGrid::eventFilter(QObject* watched, QEvent* event)
{
    // The view's height decides how many rows a page of the bar holds.
    if (watched == FView && event->type() == QEvent::Resize)
        SyncScrollBar();
    if (watched == FVScrollBar &&
        (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent))
        LayoutParts();
    return TbsSkinCustomControl::eventFilter(watched, event);
}

// ---- the attached scroll bar ----

void TbsSkinCustomDBGrid::SetVScrollBar(TbsSkinScrollBar* bar)
{
    if (FVScrollBar == bar)
        return;
    if (FVScrollBar) {
        FVScrollBar->removeEventFilter(this);
        FVScrollBar->OnChange = nullptr;
        disconnect(FVScrollBar, nullptr, this, nullptr);
    }
    FVScrollBar = bar;
    if (bar) {
        bar->SetKind(sbVertical);
        bar->setEnabled(true);
        bar->hide();
        bar->installEventFilter(this);
        bar->OnChange = [this] { ScrollBarMoved(); };
        // A bar destroyed before the grid leaves no dangling reference.
        connect(bar, &QObject::destroyed, this, [this] {
            FVScrollBar = nullptr;
            LayoutParts();
        });
    }
    LayoutParts();
    SyncScrollBar();
}

void TbsSkinCustomDBGrid::SyncScrollBar()
{
    if (!FVScrollBar)
        return;
    TQuery* dataSet = DataSet();
    const int records = dataSet && dataSet->Active() ? dataSet->RecordCount() : 0;
    const int visible = VisibleRowCount();
    FSyncingBar = true;
    if (FVScrollBar->Max() != std::max(0, records - 1) || FVScrollBar->LargeChange() != visible) {
        FVScrollBar->SetRange(0, std::max(0, records - 1), 0, FVScrollBar->Position());
        FVScrollBar->SetSmallChange(1);
        FVScrollBar->SetLargeChange(visible);
    }
    FVScrollBar->SimplySetPosition(std::max(0, CurrentRow()));
    FSyncingBar = false;
    // Shown only while the records do not fit; hiding it gives its width back to the cells.
    const bool needed = records > visible;
    if (needed != FVScrollBar->isVisibleTo(FVScrollBar->parentWidget()))
        FVScrollBar->setVisible(needed);
}

void TbsSkinCustomDBGrid::ScrollBarMoved()
{
    TQuery* dataSet = DataSet();
    if (FSyncingBar || !dataSet || !dataSet->Active() || dataSet->RecordCount() == 0)
        return;
    CallHandler([&] {
        HideEditor();
        dataSet->SetRecNo(FVScrollBar->Position() + 1);
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

void TbsSkinCustomDBGrid::SyncCurrentRow()
{
    const int row = CurrentRow();
    if (row < 0 || row >= FModel->rowCount())
        return;
    const int column = std::clamp(FView->currentIndex().column(), 0, std::max(0, FModel->columnCount() - 1));
    const QModelIndex index = FModel->index(row, column);
    FSyncing = true;
    FView->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    FView->scrollTo(index);
    FSyncing = false;
    RepaintIndicators();
    SyncScrollBar();
}

void TbsSkinCustomDBGrid::RepaintIndicators()
{
    QHeaderView* header = FView->verticalHeader();
    const int current = CurrentRow();
    for (int row : {FIndicatorRow, current})
        if (row >= 0 && row < FModel->rowCount())
            header->viewport()->update(0, header->sectionViewportPosition(row), header->width(),
                                       header->sectionSize(row));
    FIndicatorRow = current;
}

void TbsSkinCustomDBGrid::LinkActiveChanged()
{
    HideEditor();
    FModel->SetDataSet(DataSet());
    if (FModel->Refresh())
        ApplyLayout();
    SyncCurrentRow();
}

void TbsSkinCustomDBGrid::LinkDataSetChanged()
{
    HideEditor();
    if (FModel->Refresh())
        ApplyLayout();
    SyncCurrentRow();
}

void TbsSkinCustomDBGrid::LinkScrolled()
{
    HideEditor();
    // A move through the records changes no row: only the rows losing and gaining the current
    // record repaint (through the current cell and the indicator), never the whole grid.
    TQuery* dataSet = DataSet();
    const int records = dataSet && dataSet->Active() ? dataSet->RecordCount() : 0;
    if (records != FModel->rowCount() && FModel->Refresh())
        ApplyLayout();
    SyncCurrentRow();
}

void TbsSkinCustomDBGrid::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(Skinned() ? FSkin.LinesColor : SysBtnShadow());
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void TbsSkinCustomDBGrid::LinkRecordChanged(TField*)
{
    FModel->RefreshRow(CurrentRow());
    RepaintIndicators();
}

void TbsSkinCustomDBGrid::LinkEditingChanged()
{
    RepaintIndicators();
}

void TbsSkinCustomDBGrid::LinkUpdateData()
{
    if (!FEditorModified)
        return;
    if (TField* field = SelectedField())
        field->SetAsString(FEditor->text());
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
    return FOptions.Contains(dgEditing) && !FReadOnly && SelectedField() && FModel->columnCount() > 0;
}

bool TbsSkinCustomDBGrid::CanEditModify()
{
    TField* field = SelectedField();
    if (!CanModifyData() || !field || !field->CanModify())
        return false;
    return FDataLink->Edit();
}

bool TbsSkinCustomDBGrid::EditorMode() const
{
    return FEditor->isVisible();
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
    const QModelIndex index = FModel->index(std::max(0, CurrentRow()), SelectedIndex());
    FEditor->setGeometry(FView->visualRect(index));
    FEditor->setFont(font());
    FEditor->setAlignment(SelectedField()->Alignment() | Qt::AlignVCenter);
    FEditor->setText(text);
    FEditor->SetPickList(SelectedColumn().PickList, SelectedColumn().DropDownRows);
    FEditorModified = false;
    FEditor->show();
    FEditor->setFocus(Qt::OtherFocusReason);
    if (selectAll)
        FEditor->selectAll();
    else
        FEditor->end(false);
}

void TbsSkinCustomDBGrid::HideEditor()
{
    if (!FEditor->isVisible())
        return;
    const bool hadFocus = FEditor->hasFocus();
    FEditor->CloseUp(false);
    FEditor->hide();
    FEditorModified = false;
    if (hadFocus)
        FView->setFocus(Qt::OtherFocusReason);
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

void TbsSkinCustomDBGrid::MoveColumn(int column)
{
    const int count = FModel->columnCount();
    if (count == 0)
        return;
    column = std::clamp(column, 0, count - 1);
    if (column == SelectedIndex() && FView->currentIndex().isValid())
        return;
    FireEvent(OnColExit);
    // The value being edited goes into its field before another column becomes current.
    if (EditorMode()) {
        FDataLink->UpdateRecord();
        HideEditor();
    }
    FSyncing = true;
    FView->selectionModel()->setCurrentIndex(FModel->index(std::max(0, CurrentRow()), column),
                                             QItemSelectionModel::ClearAndSelect);
    FSyncing = false;
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
            ctrl ? MoveColumn(0) : MoveColumn(SelectedIndex() - 1);
            break;
        case Qt::Key_Right:
            ctrl ? MoveColumn(FModel->columnCount() - 1) : MoveColumn(SelectedIndex() + 1);
            break;
        case Qt::Key_Home:
            ctrl ? dataSet->First() : MoveColumn(0);
            break;
        case Qt::Key_End:
            ctrl ? dataSet->Last() : MoveColumn(FModel->columnCount() - 1);
            break;
        case Qt::Key_Tab:
        case Qt::Key_Backtab: {
            if (!FOptions.Contains(dgTabs) || (event->modifiers() & Qt::AltModifier)) {
                handled = false;
                break;
            }
            const bool back = event->key() == Qt::Key_Backtab || (event->modifiers() & Qt::ShiftModifier);
            const int last = FModel->columnCount() - 1;
            if (!back && SelectedIndex() < last) {
                MoveColumn(SelectedIndex() + 1);
            } else if (back && SelectedIndex() > 0) {
                MoveColumn(SelectedIndex() - 1);
            } else if (!back && dataSet->RecNo() < dataSet->RecordCount()) {
                MoveColumn(0);
                dataSet->Next();
            } else if (back && dataSet->RecNo() > 1) {
                MoveColumn(last);
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
    QCoreApplication::sendEvent(FEditor, &typed);
    if (FEditor->text().isEmpty())
        HideEditor();
    return true;
}

void TbsSkinCustomDBGrid::CellPressed(const QModelIndex& index)
{
    TQuery* dataSet = DataSet();
    if (!dataSet || !dataSet->Active())
        return;
    bool moved = false;
    CallHandler([&] {
        if (index.row() != CurrentRow())
            dataSet->MoveBy(index.row() - CurrentRow());
        MoveColumn(index.column());
        moved = true;
    });
    if (moved)
        FireEvent(OnCellClick, index.column());
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

void TbsSkinCustomDBGrid::CellDoubleClicked()
{
    CallHandler([this] { ShowEditor(); });
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
