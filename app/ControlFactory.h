// Creating a window's controls: named after their component, placed at client coordinates.
#pragma once

#include <QString>
#include <QWidget>
#include <initializer_list>

// A control of class Control on parent, named name, at (left, top); a width or height of -1 keeps
// the control's own.
template <class Control>
Control* CreateControl(QWidget* parent, const char* name, int left, int top, int width = -1, int height = -1)
{
    auto* control = new Control(parent);
    control->setObjectName(QString::fromUtf8(name));
    control->setGeometry(left, top, width < 0 ? control->width() : width,
                         height < 0 ? control->height() : height);
    return control;
}

// Sets the tab order of a window's controls: each one after the one before it.
void SetTabOrder(std::initializer_list<QWidget*> controls);

class TDataSource;
class TbsSkinDBGrid;
class TbsSkinData;

// The settings every record list of the program shares: bound to source, row heights from the
// font, grid lines in the button-face colour, no mouse wheel, titles in Tahoma 8 point.
void SetUpRecordGrid(TbsSkinDBGrid& grid, TDataSource* source, TbsSkinData* skin);
