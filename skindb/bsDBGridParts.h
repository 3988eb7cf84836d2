// The parts of the data grid: its table model over the data set, its view, its data link, its
// in-place editor and its indicator pictures.
#pragma once

#include "TDataLink.h"
#include "bsDBGrids.h"
#include "bsSkinEdit.h"

#include <QAbstractTableModel>
#include <QHeaderView>
#include <QPixmap>
#include <QTableView>

class TbsPopupListBox;
class TbsSkinCustomDBGrid;
class TQuery;

// Indicator pictures: 0 current record, 1 being edited, 2 being inserted, 3 a selected record,
// 4 the current record when it is also selected.
QPixmap DBGridIndicator(int index);

// Rows and columns of the data set as the view shows them; the grid tells it when they change.
class TbsDBGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TbsDBGridModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

    void SetDataSet(TQuery* dataSet) { FDataSet = dataSet; }
    // The columns to show; none shows every field. Resets the model.
    void SetColumns(const QList<TbsColumn>& columns);
    // What column shows: its settings, its field (nullptr when the data set is closed or lacks it)
    // and its title.
    TbsColumn Column(int column) const;
    TField* Field(int column) const;
    QString Title(int column) const;
    // The display text of the cell.
    QString Text(int row, int column) const;
    // Brings the row and column counts in line with the data set and repaints every row.
    // Answers whether the columns changed (the view then needs its layout again).
    bool Refresh();
    void RefreshRow(int row);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    // The number of columns the data set gives now.
    int ColumnsOfDataSet() const;

    TQuery* FDataSet = nullptr;
    QList<TbsColumn> FColumnList;
    int FRows = 0;
    int FColumns = 0;
};

// The title row (horizontal) or the indicator column (vertical), painted by the grid. Sizing the
// columns stays the header's.
class TbsDBGridHeader : public QHeaderView {
    Q_OBJECT
public:
    TbsDBGridHeader(Qt::Orientation orientation, TbsSkinCustomDBGrid* grid);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TbsSkinCustomDBGrid* FGrid;
};

// The table view inside the grid keeps the geometry of the cells and scrolls them; the grid paints
// them, and mouse and keys go to the grid, which moves the data set.
class TbsDBGridView : public QTableView {
    Q_OBJECT
public:
    TbsDBGridView(TbsSkinCustomDBGrid* grid);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    TbsSkinCustomDBGrid* FGrid;
};

class TbsGridDataLink : public TDataLink {
public:
    explicit TbsGridDataLink(TbsSkinCustomDBGrid* grid) : FGrid(grid) {}

    void ActiveChanged() override;
    void DataSetChanged() override;
    void DataSetScrolled(int distance) override;
    void RecordChanged(TField* field) override;
    void EditingChanged() override;
    void UpdateData() override;
    void LayoutChanged() override;

private:
    TbsSkinCustomDBGrid* FGrid;
};

// The editor over the current cell. Keys that move between cells and records go to the grid.
class TDBGridInplaceEdit : public TbsCustomEdit {
    Q_OBJECT
public:
    TDBGridInplaceEdit(TbsSkinCustomDBGrid* grid, QWidget* parent);
    ~TDBGridInplaceEdit() override;

    // The column's pick list: with values the editor shows a drop-down button that opens them.
    void SetPickList(const QStringList& items, int dropDownRows);
    bool HasPickList() const { return !FPickItems.isEmpty(); }
    QRect ButtonRect() const;
    TbsPopupListBox* PickList() const { return FPickList; }
    bool ListVisible() const;
    // Opens the list below the editor (above when it would leave the screen), the current value
    // chosen; a value the list lacks chooses none.
    void DropDown();
    // Closes the list; accepted, the chosen value becomes the text. With nothing chosen the
    // text stays as it is: a stored value the list lacks is never blanked.
    void CloseUp(bool accept);

protected:
    bool CanChangeText() override;
    void Change() override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    // Tab and Shift+Tab move between the grid's columns.
    bool focusNextPrevChild(bool next) override;

private:
    TbsSkinCustomDBGrid* FGrid;
    QStringList FPickItems;
    int FDropDownRows = 7;
    TbsPopupListBox* FPickList = nullptr;
};
