#include "bsIniText.h"

#include <QStringDecoder>

QString TbsIniText::DecodeText(const QByteArray& bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.mid(3));
    if (bytes.startsWith("\xFF\xFE")) {
        QStringDecoder dec(QStringDecoder::Utf16LE);
        return dec(bytes.mid(2));
    }
    if (bytes.startsWith("\xFE\xFF")) {
        QStringDecoder dec(QStringDecoder::Utf16BE);
        return dec(bytes.mid(2));
    }
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(bytes);
    if (!utf8.hasError())
        return text;
    return QString::fromLatin1(bytes);
}

// Section and key names match without regard to letter case; names of different lengths never
// match, which spares most comparisons.
static bool SameName(QStringView a, QStringView b)
{
    return a.size() == b.size() && a.compare(b, Qt::CaseInsensitive) == 0;
}

void TbsIniText::SetText(const QString& text)
{
    FSections.clear();
    Section* current = nullptr;
    const QStringView all(text);
    for (qsizetype start = 0; start <= all.size();) {
        qsizetype end = all.indexOf(u'\n', start);
        if (end < 0)
            end = all.size();
        const QStringView line = all.sliced(start, end - start).trimmed();
        start = end + 1;
        if (line.isEmpty() || line.startsWith(u';'))
            continue;
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            const QString name = line.mid(1, line.size() - 2).trimmed().toString();
            current = WritableSection(name);
            if (!current) {
                FSections.push_back(Section{name, {}});
                current = &FSections.back();
            }
            continue;
        }
        if (!current)
            continue;
        const qsizetype eq = line.indexOf(u'=');
        if (eq < 0)
            current->Entries.push_back(Entry{line.toString(), QString()});
        else
            current->Entries.push_back(
                Entry{line.left(eq).trimmed().toString(), line.mid(eq + 1).trimmed().toString()});
    }
}

QString TbsIniText::Text() const
{
    QString out;
    for (const Section& s : FSections) {
        out += QLatin1Char('[') + s.Name + QLatin1String("]\r\n");
        for (const Entry& e : s.Entries)
            out += e.Key + QLatin1Char('=') + e.Value + QLatin1String("\r\n");
        out += QLatin1String("\r\n");
    }
    return out;
}

const TbsIniText::Section* TbsIniText::FindSection(const QString& name) const
{
    for (const Section& s : FSections)
        if (SameName(s.Name, name))
            return &s;
    return nullptr;
}

TbsIniText::Section* TbsIniText::WritableSection(const QString& name)
{
    return const_cast<Section*>(std::as_const(*this).FindSection(name));
}

bool TbsIniText::SectionExists(const QString& section) const
{
    return FindSection(section) != nullptr;
}

const QString* TbsIniText::FindValue(const Section* section, const QString& key)
{
    if (section)
        for (const Entry& e : section->Entries)
            if (SameName(e.Key, key))
                return &e.Value;
    return nullptr;
}

bool TbsIniText::ValueExists(const QString& section, const QString& key) const
{
    return FindValue(section, key) != nullptr;
}

QString TbsIniText::ReadString(const QString& section, const QString& key, const QString& def) const
{
    const QString* value = FindValue(section, key);
    return value ? *value : def;
}

QStringList TbsIniText::Sections() const
{
    QStringList names;
    for (const Section& s : FSections)
        names << s.Name;
    return names;
}

QStringList TbsIniText::Keys(const QString& section) const
{
    QStringList keys;
    if (const Section* s = FindSection(section))
        for (const Entry& e : s->Entries)
            keys << e.Key;
    return keys;
}

qsizetype TbsIniText::KeyCount(const QString& section) const
{
    const Section* s = FindSection(section);
    return s ? qsizetype(s->Entries.size()) : 0;
}

void TbsIniText::WriteString(const QString& section, const QString& key, const QString& value)
{
    Section* s = WritableSection(section);
    if (!s) {
        FSections.push_back(Section{section, {}});
        s = &FSections.back();
    }
    for (Entry& e : s->Entries)
        if (SameName(e.Key, key)) {
            e.Value = value;
            return;
        }
    s->Entries.push_back(Entry{key, value});
}

void TbsIniText::EraseSection(const QString& section)
{
    std::erase_if(FSections, [&](const Section& s) { return SameName(s.Name, section); });
}
