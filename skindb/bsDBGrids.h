// The skinned data grid: the rows of a data source as a grid with a title row and an indicator
// column, edited in place and driven from the keyboard.
#pragma once

#include "TSet.h"
#include "bsSkinGrids.h"

#include <QFont>
#include <QHash>
#include <QList>
#include <functional>
#include <memory>

class QFocusEvent;
class QKeyEvent;
class QPainter;
class TDataSource;
class TField;
class TQuery;
class TbsSkinMessage;
class TbsSkinScrollBar;
class TbsGridDataLink;
class TDBGridInplaceEdit;

enum TbsDBGridOption {
    dgEditing,
    dgAlwaysShowEditor,
    dgTitles,
    dgIndicator,
    dgColumnResize,
    dgColLines,
    dgRowLines,
    dgTabs,
    dgRowSelect,
    dgAlwaysShowSelection,
    dgConfirmDelete,
    dgCancelOnExit,
    dgMultiSelect
};
using TbsDBGridOptions = TSet<TbsDBGridOption, dgMultiSelect>;

// One column of a data grid: the field it shows, its title (the field's name when empty), its
// width in pixels (the field's default width when negative) and where its title sits.
struct TbsColumn {
    TbsColumn() = default;
    TbsColumn(const QString& fieldName, const QString& title = QString(), int width = -1,
              Qt::Alignment titleAlignment = Qt::AlignLeft)
        : FieldName(fieldName), Title(title), Width(width), TitleAlignment(titleAlignment)
    {
    }

    QString FieldName;
    QString Title;
    int Width = -1;
    Qt::Alignment TitleAlignment = Qt::AlignLeft;
    // The values the editor's drop-down list offers; with any, the editor shows its button.
    QStringList PickList;
    // The most rows the drop-down list shows at once.
    int DropDownRows = 7;
};

// One grid column per shown column plus the indicator column, titled with the field's name, and
// one grid row per record in the window of records that fits below the title row; the grid's
// current row is the data set's current record. Painted from the skin's "grid" object (or in system
// colours without one). Typing, F2 or a double click edit the current cell in place; the value is
// written into the field when the row is left (and so posted by the data set) or the grid loses
// the focus.
class TbsSkinCustomDBGrid : public TbsSkinCustomGrid {
    Q_OBJECT
public:
    explicit TbsSkinCustomDBGrid(QWidget* parent = nullptr);
    ~TbsSkinCustomDBGrid() override;

    TDataSource* DataSource() const;
    void SetDataSource(TDataSource* source);
    TQuery* DataSet() const;

    TbsDBGridOptions Options() const { return FOptions; }
    void SetOptions(TbsDBGridOptions options);
    // A read-only grid never edits, inserts or deletes; it still reports clicks.
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool value) { FReadOnly = value; }
    // The dialog that asks before Ctrl+Delete deletes; the platform's confirmation without one.
    TbsSkinMessage* SkinMessage() const { return FSkinMessage; }
    void SetSkinMessage(TbsSkinMessage* message) { FSkinMessage = message; }
    // The wheel moves the current record either way; this only records the window's setting.
    bool MouseWheelSupport() const { return FMouseWheelSupport; }
    void SetMouseWheelSupport(bool value) { FMouseWheelSupport = value; }
    // The height of a data cell (the grid line comes below it): the skin's cell height, or the
    // font's, while UseSkinCellHeight is on, the stored height otherwise. Never below 1.
    int DefaultRowHeight() const override;
    // The height of the title row's cells.
    int TitleHeight() const;
    QFont TitleFont() const { return FTitleFont; }
    void SetTitleFont(const QFont& font);
    // An explicit width for the column of a field; other columns take their field's default width.
    void SetColumnWidth(const QString& fieldName, int width);
    // The columns shown, in order; without any, one column per field titled with its name. A column
    // whose field the data set lacks stays empty.
    void SetColumns(const QList<TbsColumn>& columns);
    // The grid's colour (the data cells of an unskinned grid; silver makes the lines grey).
    void SetCellColor(const QColor& color) { SetColor(color); }

    // The number of columns shown (the indicator column not counted) and the settings, field and
    // title of one.
    int ColumnCount() const { return FColumnCount; }
    TbsColumn Column(int column) const;
    TField* ColumnField(int column) const;
    QString ColumnTitle(int column) const;
    // The current column (0 = first shown column).
    int SelectedIndex() const;
    void SetSelectedIndex(int column);
    TField* SelectedField() const;
    // The number of data rows that fit into the grid, and the records shown now.
    int VisibleRowCount() const;
    int DataRowCount() const;
    // The grid row that shows record (0 = first record of the data set); -1 when it is not shown.
    int RowOfRecord(int record) const;
    // The rectangle of the cell showing record in column; empty when it is not shown.
    QRect DataCellRect(int record, int column) const;
    // The rectangle of column's title cell.
    QRect TitleRect(int column) const;
    int TitleOffset() const { return FTitleOffset; }
    int IndicatorOffset() const { return FIndicatorOffset; }
    // What the cell of record row and column shows.
    QString CellText(int row, int column) const;

    void GetSkinData() override;

    void ShowEditor() override;
    void HideEditor() override;
    TDBGridInplaceEdit* InplaceEditor() const;
    // The settings of the current column.
    TbsColumn SelectedColumn() const;

    // Keyboard, from the grid or from its editor; answers whether the key was the grid's.
    bool KeyDown(QKeyEvent* event) override;

    std::function<void(int column)> OnCellClick;
    std::function<void(int column)> OnTitleClick;
    std::function<void()> OnColEnter;
    std::function<void()> OnColExit;

protected:
    void DrawCell(QPainter& painter, int col, int row, const QRect& rect, TGridDrawState state) override;
    bool CanEditShow() const override;
    bool CanEditModify() override;
    QString GetEditText(int col, int row) const override;
    TbsSkinInplaceEdit* CreateEditor() override;
    void EditorChanged() override { FEditorModified = true; }
    void ColumnMoved(int fromIndex, int toIndex) override;
    void ColWidthsChanged() override;
    bool BeginColumnDrag(int& origin, int destination) override;
    void UpdateScrollBars() override;
    void HookScrollBar(TbsSkinScrollBar* bar, bool vertical) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    friend class TbsGridDataLink;
    friend class TDBGridInplaceEdit;

    // Data link notifications.
    void LinkActiveChanged();
    void LinkDataSetChanged();
    void LinkScrolled();
    void LinkRecordChanged(TField* field);
    void LinkEditingChanged();
    void LinkUpdateData();

    void CellPressed(int record, int column);
    void FocusLeft();

    bool CanModifyData() const;
    // Whether an insertion that nobody changed is pending.
    bool UnchangedInsert() const;
    void MoveRecord(int distance);
    void SelectColumn(int column);
    void DeleteRecord();
    void ShowEditorWith(const QString& text, bool selectAll);
    // Moves the window of records so that it shows the current record, and the current row to it.
    void SyncCurrentRow();
    // The columns and rows of the grid from the data set, the fields and the options.
    void ApplyLayout();
    int ColumnsOfDataSet() const;
    int CurrentRecord() const;
    void WheelTurned(int delta);

    // Painting of the cells (bsDBGridPainting.cpp).
    void DrawTitle(QPainter& painter, const QRect& cell, int column);
    void DrawIndicator(QPainter& painter, const QRect& cell, int row);
    void DrawDataCell(QPainter& painter, const QRect& cell, int record, int column);

    void ScrollBarMoved();

    std::unique_ptr<TbsGridDataLink> FDataLink;
    TbsDBGridOptions FOptions;
    bool FReadOnly = false;
    TbsSkinMessage* FSkinMessage = nullptr;
    bool FMouseWheelSupport = false;
    bool FSyncingBar = false;
    int FWheelRest = 0; // a turn of less than one notch, kept for the next
    QFont FTitleFont;
    QList<TbsColumn> FColumnList;
    int FColumnCount = 0;
    QHash<QString, int> FColumnWidths;
    int FTitleOffset = 1, FIndicatorOffset = 1;
    int FBufferTop = 0; // the record shown in the first data row
    bool FEditorModified = false;
    bool FInLayout = false;
    // Where the left button went down: a title column, or a data cell (record, column).
    int FPressedTitle = -1;
    bool FPressedData = false;
};

class TbsSkinDBGrid : public TbsSkinCustomDBGrid {
    Q_OBJECT
public:
    using TbsSkinCustomDBGrid::TbsSkinCustomDBGrid;
};

// Gives grid a skinned vertical scroll bar of skinData inside its rectangle, along its right edge;
// the bar shows itself while the records do not fit. Answers the bar (owned by the grid).
TbsSkinScrollBar* AttachSkinScrollBars(TbsSkinCustomDBGrid* grid, TbsSkinData* skinData);
