// A named parameter of a statement.
#pragma once

#include <QString>
#include <QVariant>

// A ":Name" placeholder of a query's statement and the value bound to it when the statement runs.
// A null value binds as SQL NULL; text binds as text, so it is compared as text.
struct TParameter {
    QString Name;
    QVariant Value;
};
