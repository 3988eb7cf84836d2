// The one error type of the system: every failure is an exception that carries a message.
#pragma once

#include <QString>
#include <stdexcept>

// Base of every error the system raises. Subsystems derive their own kinds (database, zlib,
// conversion) so that handlers can tell them apart; the message is what the user is shown.
class Exception : public std::runtime_error {
public:
    explicit Exception(const QString& message)
        : std::runtime_error(message.toStdString()), FMessage(message)
    {
    }
    const QString& Message() const { return FMessage; }

private:
    QString FMessage;
};

// A value of the wrong form (a point with an empty piece, a number that is not one).
class EConvertError : public Exception {
public:
    using Exception::Exception;
};
