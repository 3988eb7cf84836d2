// The base of every skin record and the key tables from which records are read, written and compared.
#pragma once

#include "bsIniText.h"
#include "bsSkinTypes.h"

#include <QString>
#include <initializer_list>
#include <variant>
#include <vector>

class TbsSkinRecord;

// The address of one field of a record, typed by the kind of value the field holds. Colours are
// integers: they are read and written as integers.
using TbsFieldRef = std::variant<qint32*, bool*, QString*, TPoint*, TRect*, TFontStyles*, TbsStretchType*,
                                 TbsMorphKind*, TbsInActiveEffect*, TAlignment*, TbsStdCommand*>;

// One key of a record's section and the field it fills.
struct TbsRecordKey {
    QString Name;
    quint32 NameHash; // TbsNameIndex::Hash(Name), kept for the lookups of every read
    TbsFieldRef (*Field)(TbsSkinRecord& record);
};

// Every key of a record class in written order, parents' keys first, and a record of the class
// in its constructed state whose fields are the defaults that absent keys yield.
class TbsKeyTable {
public:
    TbsKeyTable(const TbsSkinRecord& defaults, std::initializer_list<TbsRecordKey> keys);
    // A derived class's table: the parent's keys, then its own.
    TbsKeyTable(const TbsSkinRecord& defaults, const TbsKeyTable& parent,
                std::initializer_list<TbsRecordKey> keys);

    const TbsSkinRecord& Defaults() const { return *FDefaults; }
    const std::vector<TbsRecordKey>& Keys() const { return FKeys; }

private:
    const TbsSkinRecord* FDefaults;
    std::vector<TbsRecordKey> FKeys;
};

namespace SkinRecordDetail {
template <class C, class T> C ClassOf(T C::*);
}

// The row of a key table for the field Member: Key<&TbsDataSkinButtonControl::FontName>("fontname").
// The member's own class (a parent's, for inherited fields) selects the cast, so the row is valid
// for every record of that class and its descendants.
template <auto Member> TbsRecordKey Key(const char* name)
{
    using Class = decltype(SkinRecordDetail::ClassOf(Member));
    const QString keyName = QString::fromLatin1(name);
    return TbsRecordKey{keyName, TbsNameIndex::Hash(keyName), [](TbsSkinRecord& record) -> TbsFieldRef {
                            return &(static_cast<Class&>(record).*Member);
                        }};
}

// A record of the skin description: one section, read and written through the key table of its
// class. Constructed records hold the defaults; reading fills every keyed field (absent keys give
// the defaults again, so a record read twice holds only what the second text says).
class TbsSkinRecord {
public:
    virtual ~TbsSkinRecord() = default;

    // The section the record reads and writes.
    virtual QString SectionName() const = 0;
    virtual const TbsKeyTable& Keys() const = 0;

    virtual void LoadFromFile(const TbsIniText& ini);
    // Erases the section and writes every key in table order.
    virtual void SaveToFile(TbsIniText& ini) const;

    // True when other is of the same class, has the same section name and equal keyed fields.
    bool SameFields(const TbsSkinRecord& other) const;
    // The first keyed field that differs from other's, for test messages; empty when none.
    QString FirstDifference(const TbsSkinRecord& other) const;

    // Sets every font name field (fontname, fixedfontname, captionfontname) to fontName and adds
    // heightCorrection to every matching font height field.
    void ChangeFont(const QString& fontName, int heightCorrection);

protected:
    TbsSkinRecord() = default;
    TbsSkinRecord(const TbsSkinRecord&) = default;
    TbsSkinRecord& operator=(const TbsSkinRecord&) = default;
};
