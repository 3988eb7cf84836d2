// The application's list of windows, in the order in which they were created.
#pragma once

#include <QList>

class QWidget;

// Every top-level widget of the application that is still alive (hidden ones included), oldest
// first. The order is recorded as each widget is created as a window; a widget that became a
// window later (by losing its parent) follows them, in no particular order among its kind.
QList<QWidget*> ApplicationWindows();
