// The shared settings of the record lists.
#include "ControlFactory.h"

#include "bsDBGrids.h"
#include "bsDefaultLook.h"

void SetTabOrder(std::initializer_list<QWidget*> controls)
{
    QWidget* previous = nullptr;
    for (QWidget* control : controls) {
        if (previous)
            QWidget::setTabOrder(previous, control);
        previous = control;
    }
}

void SetUpRecordGrid(TbsSkinDBGrid& grid, TDataSource* source, TbsSkinData* skin)
{
    grid.SetDataSource(source);
    grid.SetDefaultRowHeight(17);
    grid.SetUseSkinCellHeight(true);
    grid.SetGridLineColor(SysBtnFace());
    grid.SetMouseWheelSupport(false);
    QFont titleFont(QStringLiteral("Tahoma"));
    titleFont.setPointSize(8);
    grid.SetTitleFont(titleFont);
    grid.SetSkinData(skin);
    // Lists of hundreds of people need a bar to show where the operator is and to drag there.
    AttachSkinScrollBars(&grid, skin);
}
