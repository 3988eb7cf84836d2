// The parts of the data grid: its data link, its in-place editor and its indicator pictures.
#pragma once

#include "TDataLink.h"
#include "bsDBGrids.h"
#include "bsSkinInplaceEdit.h"

#include <QPixmap>

class TbsPopupListBox;
class TbsSkinCustomDBGrid;
class TQuery;

// Indicator pictures: 0 current record, 1 being edited, 2 being inserted, 3 a selected record,
// 4 the current record when it is also selected.
QPixmap DBGridIndicator(int index);

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
class TDBGridInplaceEdit : public TbsSkinInplaceEdit {
    Q_OBJECT
public:
    explicit TDBGridInplaceEdit(TbsSkinCustomDBGrid* grid);
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
