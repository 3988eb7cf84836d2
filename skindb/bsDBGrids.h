// The skinned data grid: the rows of a data source as a grid with a title row and an indicator
// column, edited in place and driven from the keyboard.
#pragma once

#include "TSet.h"
#include "bsSkinControl.h"

#include <QFont>
#include <QHash>
#include <QList>
#include <functional>
#include <memory>

class QFocusEvent;
class QKeyEvent;
class QModelIndex;
class TDataSource;
class TField;
class TQuery;
class TbsSkinMessage;
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
};

// One grid row per record and one column per field, titled with the field's name. The grid's
// current row is the data set's current record. Typing, F2 or a double click edit the current
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
    bool MouseWheelSupport() const { return FMouseWheelSupport; }
    void SetMouseWheelSupport(bool value) { FMouseWheelSupport = value; }
    int DefaultRowHeight() const { return FDefaultRowHeight; }
    void SetDefaultRowHeight(int value);
    // Row heights from the font (or the skin's cell) instead of DefaultRowHeight.
    bool UseSkinCellHeight() const { return FUseSkinCellHeight; }
    void SetUseSkinCellHeight(bool value);
    QFont TitleFont() const { return FTitleFont; }
    void SetTitleFont(const QFont& font);
    void SetGridLineColor(const QColor& color);
    // An explicit width for the column of a field; other columns take their field's default width.
    void SetColumnWidth(const QString& fieldName, int width);
    // The columns shown, in order; without any, one column per field titled with its name. A column
    // whose field the data set lacks stays empty.
    void SetColumns(const QList<TbsColumn>& columns);
    // The background of the data cells, and of the title row and the indicator column.
    void SetCellColor(const QColor& color);
    void SetFixedColor(const QColor& color);

    // The current column (0 = first field).
    int SelectedIndex() const;
    void SetSelectedIndex(int column);
    TField* SelectedField() const;
    // The number of data rows that fit into the grid.
    int VisibleRowCount() const;

    bool EditorMode() const;
    void ShowEditor();
    void HideEditor();
    TDBGridInplaceEdit* InplaceEditor() const { return FEditor; }

    std::function<void(int column)> OnCellClick;
    std::function<void(int column)> OnTitleClick;
    std::function<void()> OnColEnter;
    std::function<void()> OnColExit;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void DrawDefaultImage(QImage& B) override;
    // Its skin look is not drawn yet: the default look stands in for it.
    void DrawSkinImage(QImage& B) override { DrawDefaultImage(B); }

private:
    friend class TbsGridDataLink;
    friend class TbsDBGridView;
    friend class TDBGridInplaceEdit;

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
    void ApplyLayout();
    int CurrentRow() const;

    std::unique_ptr<TbsGridDataLink> FDataLink;
    TbsDBGridModel* FModel;
    TbsDBGridView* FView;
    TDBGridInplaceEdit* FEditor;
    TbsDBGridOptions FOptions;
    bool FReadOnly = false;
    TbsSkinMessage* FSkinMessage = nullptr;
    bool FMouseWheelSupport = false;
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
