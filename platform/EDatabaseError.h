// The error every failure of the database layer raises.
#pragma once

#include "Exception.h"

#include <QSqlError>

// A failure of the database engine or of the data set layer. For engine failures the message is
// the engine's own text, so the user sees what the engine said.
class EDatabaseError : public Exception
{
  public:
    using Exception::Exception;

    // The error for what the engine reported: its own text when it gave one, else the driver's.
    static EDatabaseError FromEngine(const QSqlError& error)
    {
        const QString text = error.databaseText().trimmed();
        return EDatabaseError(text.isEmpty() ? error.text().trimmed() : text);
    }
};
