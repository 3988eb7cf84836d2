// The skinned data grid: the rows of a data source as a grid with a title row and an indicator
// column, edited in place and driven from the keyboard.
#pragma once

#include "TSet.h"
#include "bsSkinControl.h"
#include "bsSkinGrids.h"

#include <QFont>
#include <QHash>
#include <QList>
#include <functional>
#include <memory>

class QFocusEvent;
class QKeyEvent;
class QModelIndex;
class QPainter;
class TDataSource;
class TField;
class TQuery;
class TbsSkinMessage;
class TbsSkinScrollBar;
class TbsDBGridModel;
class TbsDBGridView;
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

// One grid row per record and one column per field, titled with the field's name, painted from
// the skin's "grid" object (or in system colours without one). The grid's current row is the
// data set's current record. Typing, F2 or a double click edit the current
// cell in place; the value is written into the field when the row is left (and so posted by the
// data set) or the grid loses the focus.
class TbsSkinCustomDBGrid : public TbsSkinCustomControl {
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
    // The height of a data cell (the grid line comes on top): the skin's cell height, or the
    // font's, while UseSkinCellHeight is on, the stored height otherwise. Never below 1.
    int DefaultRowHeight() const;
    void SetDefaultRowHeight(int value);
    bool UseSkinCellHeight() const { return FUseSkinCellHeight; }
    void SetUseSkinCellHeight(bool value);
    // The height of the title row's cells.
    int TitleHeight() const;
    QFont TitleFont() const { return FTitleFont; }
    void SetTitleFont(const QFont& font);
    // The line colour of an unskinned grid (a skinned one takes the skin's).
    QColor GridLineColor() const { return FGridLineColor; }
    void SetGridLineColor(const QColor& color);
    // Painting from the "grid" object of the skin (false: the default look).
    bool Skinned() const { return FSkin.Skinned(); }
    const TbsGridSkin& Skin() const { return FSkin; }
    // The vertical bar (not owned) shows where the current record lies in the data set and
    // moves there when dragged; it is laid out along the grid's right edge when it is a child.
    TbsSkinScrollBar* VScrollBar() const { return FVScrollBar; }
    void SetVScrollBar(TbsSkinScrollBar* bar);
    // An explicit width for the column of a field; other columns take their field's default width.
    void SetColumnWidth(const QString& fieldName, int width);
    // The columns shown, in order; without any, one column per field titled with its name. A column
    // whose field the data set lacks stays empty.
    void SetColumns(const QList<TbsColumn>& columns);
    // The grid's colour (the data cells of an unskinned grid; silver makes the lines grey), and
    // the colour of the title row and the indicator column.
    QColor Color() const { return FColor; }
    void SetCellColor(const QColor& color);
    void SetFixedColor(const QColor& color);

    // The current column (0 = first field).
    int SelectedIndex() const;
    void SetSelectedIndex(int column);
    TField* SelectedField() const;
    // The number of data rows that fit into the grid.
    int VisibleRowCount() const;
    // What the cell of data row row and column shows.
    QString CellText(int row, int column) const;

    void GetSkinData() override;

    bool EditorMode() const;
    void ShowEditor();
    void HideEditor();
    TDBGridInplaceEdit* InplaceEditor() const { return FEditor; }
    // The settings of the current column.
    TbsColumn SelectedColumn() const;

    std::function<void(int column)> OnCellClick;
    std::function<void(int column)> OnTitleClick;
    std::function<void()> OnColEnter;
    std::function<void()> OnColExit;

protected:
    void resizeEvent(QResizeEvent* event) override;
    // The cells are the view's; the grid itself paints only its one-pixel border.
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class TbsGridDataLink;
    friend class TbsDBGridView;
    friend class TDBGridInplaceEdit;
    friend class TbsDBGridHeader;

    // Data link notifications.
    void LinkActiveChanged();
    void LinkDataSetChanged();
    void LinkScrolled();
    void LinkRecordChanged(TField* field);
    void LinkEditingChanged();
    void LinkUpdateData();

    // Keyboard, from the grid or from its editor; answers whether the key was the grid's.
    bool KeyDown(QKeyEvent* event);
    void CellPressed(const QModelIndex& index);
    void CellDoubleClicked();
    void FocusLeft();
    // Asked by the editor before its first change: puts the data set into edit state.
    bool CanEditModify();
    void EditorChanged() { FEditorModified = true; }

    bool CanEditShow() const;
    bool CanModifyData() const;
    // Whether an insertion that nobody changed is pending.
    bool UnchangedInsert() const;
    void MoveRecord(int distance);
    void MoveColumn(int column);
    void DeleteRecord();
    void ShowEditorWith(const QString& text, bool selectAll);
    void SyncCurrentRow();
    // Repaints the indicators of the row that showed the current record and of the one showing
    // it now. Not through the model: a header told of changed header data measures its sections.
    void RepaintIndicators();
    void ApplyLayout();
    int CurrentRow() const;
    void WheelTurned(int delta);

    // Painting, in the view's viewport and headers (bsDBGridPainting.cpp).
    void PaintCells(QPainter& painter, const QRect& exposed) const;
    void PaintDataCell(QPainter& painter, const QRect& section, int row, int column) const;
    void PaintTitle(QPainter& painter, const QRect& section, int column) const;
    void PaintIndicator(QPainter& painter, const QRect& section, int row) const;
    void PaintFixedCell(QPainter& painter, const QRect& cell) const;
    void PaintLines(QPainter& painter, const QRect& section, bool fixed) const;
    void PaintBackground(QPainter& painter, const QRect& area) const;
    QRect CellOf(const QRect& section) const;
    QColor LineColor() const;
    bool GridFocused() const;

    // The attached bar.
    void SyncScrollBar();
    void ScrollBarMoved();
    void LayoutParts();

    std::unique_ptr<TbsGridDataLink> FDataLink;
    TbsDBGridModel* FModel;
    TbsDBGridView* FView;
    TDBGridInplaceEdit* FEditor;
    TbsDBGridOptions FOptions;
    bool FReadOnly = false;
    TbsSkinMessage* FSkinMessage = nullptr;
    bool FMouseWheelSupport = false;
    TbsGridSkin FSkin;
    TbsSkinScrollBar* FVScrollBar = nullptr;
    bool FSyncingBar = false;
    int FIndicatorRow = -1; // the row whose indicator was painted last
    int FWheelRest = 0;     // a turn of less than one notch, kept for the next
    QColor FColor;
    QColor FFixedColor;
    QColor FGridLineColor;
    int FDefaultRowHeight = 17;
    bool FUseSkinCellHeight = true;
    QFont FTitleFont;
    QHash<QString, int> FColumnWidths;
    bool FEditorModified = false;
    bool FSyncing = false;
};

class TbsSkinDBGrid : public TbsSkinCustomDBGrid {
    Q_OBJECT
public:
    using TbsSkinCustomDBGrid::TbsSkinCustomDBGrid;
};

// Gives grid a skinned vertical scroll bar of skinData inside its rectangle, along its right edge;
// the bar shows itself while the records do not fit. Answers the bar (owned by the grid).
TbsSkinScrollBar* AttachSkinScrollBars(TbsSkinCustomDBGrid* grid, TbsSkinData* skinData);
