// Reading, writing and comparing skin records through their key tables.
#include "bsSkinRecord.h"

#include "bsSkinValues.h"

#include <typeinfo>

TbsKeyTable::TbsKeyTable(const TbsSkinRecord& defaults, std::initializer_list<TbsRecordKey> keys)
    : FDefaults(&defaults), FKeys(keys)
{
}

TbsKeyTable::TbsKeyTable(const TbsSkinRecord& defaults, const TbsKeyTable& parent,
                         std::initializer_list<TbsRecordKey> keys)
    : FDefaults(&defaults), FKeys(parent.Keys())
{
    FKeys.insert(FKeys.end(), keys);
}

// Saving and comparing only read the fields; the accessors are shared with reading, which needs
// them writable, so const records are passed through this one cast.
static TbsFieldRef FieldOf(const TbsRecordKey& key, const TbsSkinRecord& record)
{
    return key.Field(const_cast<TbsSkinRecord&>(record));
}

void TbsSkinRecord::LoadFromFile(const TbsIniText& ini)
{
    const TbsKeyTable& table = Keys();
    const TbsIniText::Section* section = ini.FindSection(SectionName());
    for (const TbsRecordKey& key : table.Keys()) {
        const QStringView* text = TbsIniText::FindValue(section, key.Name, key.NameHash);
        std::visit(
            [&](auto* field) {
                const auto* def = std::get<decltype(field)>(FieldOf(key, table.Defaults()));
                *field = SkinValue::DecodeValue(text, *def);
            },
            key.Field(*this));
    }
}

void TbsSkinRecord::SaveToFile(TbsIniText& ini) const
{
    const QString section = SectionName();
    ini.EraseSection(section);
    for (const TbsRecordKey& key : Keys().Keys())
        std::visit([&](auto* field) { ini.WriteString(section, key.Name, SkinValue::EncodeValue(*field)); },
                   FieldOf(key, *this));
}

QString TbsSkinRecord::FirstDifference(const TbsSkinRecord& other) const
{
    if (typeid(*this) != typeid(other))
        return QStringLiteral("class");
    if (SectionName() != other.SectionName())
        return QStringLiteral("name");
    for (const TbsRecordKey& key : Keys().Keys()) {
        const bool same =
            std::visit([&](auto* field) { return *field == *std::get<decltype(field)>(FieldOf(key, other)); },
                       FieldOf(key, *this));
        if (!same)
            return key.Name;
    }
    return QString();
}

bool TbsSkinRecord::SameFields(const TbsSkinRecord& other) const
{
    return FirstDifference(other).isEmpty();
}

void TbsSkinRecord::ChangeFont(const QString& fontName, int heightCorrection)
{
    static const QStringList nameKeys{"fontname", "fixedfontname", "captionfontname"};
    static const QStringList heightKeys{"fontheight", "fixedfontheight", "captionfontheight"};
    for (const TbsRecordKey& key : Keys().Keys()) {
        const TbsFieldRef field = key.Field(*this);
        if (nameKeys.contains(key.Name) && std::holds_alternative<QString*>(field))
            *std::get<QString*>(field) = fontName;
        else if (heightKeys.contains(key.Name) && std::holds_alternative<qint32*>(field))
            *std::get<qint32*>(field) += heightCorrection;
    }
}
