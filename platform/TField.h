// One column of a query's rows, read and written through the current row.
#pragma once

#include <QString>
#include <QVariant>
#include <Qt>

class TQuery;

// The kind of value a column holds, from the column's declared type.
enum TFieldType { ftUnknown, ftString, ftInteger, ftFloat, ftBoolean, ftBlob };

// A field is owned by its query and lives while the query is open. Reading gives the value of the
// current row (null when there is none). Writing a field of a browsing query that can be modified
// puts the query into edit state first (with no rows, a new row is started), so code and controls
// need not call Edit themselves; a query that cannot be modified, or the key column, raises
// EDatabaseError. Text written to a numeric field is converted, and text that is not a number
// raises EConvertError.
class TField {
public:
    TField(TQuery* dataSet, int index, const QString& name, TFieldType type, bool key);
    TField(const TField&) = delete;
    TField& operator=(const TField&) = delete;

    TQuery* DataSet() const { return FDataSet; }
    QString FieldName() const { return FName; }
    int Index() const { return FIndex; }
    TFieldType DataType() const { return FType; }

    QVariant Value() const;
    bool IsNull() const;
    // Empty for null.
    QString AsString() const;
    // 0 for null and for a value that is not a number.
    int AsInteger() const;
    QString DisplayText() const { return AsString(); }

    void SetValue(const QVariant& value);
    void SetAsString(const QString& text);
    void SetAsInteger(int value);
    void Clear() { SetValue(QVariant()); }

    // The key column ("ID"): the engine gives it, nobody writes it.
    bool ReadOnly() const { return FKey; }
    // Whether a value may be written now: not the key, and the query's rows can be written back.
    bool CanModify() const;
    // Whether a typed character can belong to a value of this field (digits and signs for numbers).
    bool IsValidChar(QChar c) const;
    // Numbers are right-aligned, everything else left-aligned.
    Qt::Alignment Alignment() const;
    // The width in characters a grid gives the field by default.
    int DisplayWidth() const;

private:
    friend class TQuery;

    TQuery* FDataSet;
    int FIndex;
    QString FName;
    TFieldType FType;
    bool FKey;
};
