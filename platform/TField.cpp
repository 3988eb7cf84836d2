// Reading and converting the values of a field.
#include "TField.h"

#include "Exception.h"
#include "TQuery.h"

TField::TField(TQuery* dataSet, int index, const QString& name, TFieldType type, bool key)
    : FDataSet(dataSet), FIndex(index), FName(name), FType(type), FKey(key)
{
}

QVariant TField::Value() const
{
    return FDataSet->CurrentValue(FIndex);
}

bool TField::IsNull() const
{
    return FDataSet->CurrentValue(FIndex).isNull();
}

QString TField::AsString() const
{
    return FDataSet->CurrentText(FIndex);
}

int TField::AsInteger() const
{
    return FDataSet->CurrentValue(FIndex).toInt();
}

void TField::SetValue(const QVariant& value)
{
    FDataSet->SetFieldValue(this, value);
}

void TField::SetAsString(const QString& text)
{
    if (FType != ftInteger && FType != ftFloat) {
        SetValue(text);
        return;
    }
    if (text.trimmed().isEmpty()) {
        Clear();
        return;
    }
    bool ok = false;
    const QVariant number = FType == ftInteger ? QVariant(text.trimmed().toLongLong(&ok))
                                               : QVariant(text.trimmed().toDouble(&ok));
    if (!ok) {
        throw EConvertError(QStringLiteral("'%1' is not a valid %2 value")
                                .arg(text, FType == ftInteger ? QStringLiteral("integer")
                                                              : QStringLiteral("floating point")));
    }
    SetValue(number);
}

void TField::SetAsInteger(int value)
{
    if (FType == ftInteger || FType == ftFloat)
        SetValue(qlonglong(value));
    else
        SetValue(QString::number(value));
}

bool TField::CanModify() const
{
    return !FKey && FDataSet->CanModify();
}

bool TField::IsValidChar(QChar c) const
{
    switch (FType) {
    case ftInteger:
        return c.isDigit() || c == u'+' || c == u'-';
    case ftFloat:
        return c.isDigit() || c == u'+' || c == u'-' || c == u'.' || c == u'e' || c == u'E';
    default:
        return true;
    }
}

Qt::Alignment TField::Alignment() const
{
    return FType == ftInteger || FType == ftFloat ? Qt::AlignRight : Qt::AlignLeft;
}

int TField::DisplayWidth() const
{
    return FType == ftString || FType == ftUnknown ? 20 : 10;
}
