// Parsing, looking up and writing the ini text of a skin description.
#include "bsIniText.h"

#include "platform/AnsiCodePage.h"

#include <QStringDecoder>

// Names are folded to lower case for hashing the way SameName compares them: ASCII by a bit,
// other letters by their case folding.
quint32 TbsNameIndex::Hash(QStringView name)
{
    quint32 hash = 2166136261u;
    for (QChar c : name) {
        char16_t u = c.unicode();
        if (u >= u'A' && u <= u'Z')
            u |= 0x20;
        else if (u >= 0x80)
            u = c.toCaseFolded().unicode();
        hash = (hash ^ u) * 16777619u;
    }
    return hash;
}

// Names are mostly ASCII: those compare a folded character at a time here, the rest in Qt.
bool TbsNameIndex::SameName(QStringView a, QStringView b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        const char16_t x = a[i].unicode(), y = b[i].unicode();
        if (x == y)
            continue;
        if (x >= 0x80 || y >= 0x80)
            return a.sliced(i).compare(b.sliced(i), Qt::CaseInsensitive) == 0;
        if ((x | 0x20) != (y | 0x20) || (x | 0x20) < u'a' || (x | 0x20) > u'z')
            return false;
    }
    return true;
}

void TbsNameIndex::Place(Slot slot)
{
    const size_t mask = FSlots.size() - 1;
    size_t i = slot.Hash & mask;
    while (FSlots[i].Item >= 0)
        i = (i + 1) & mask;
    FSlots[i] = slot;
}

void TbsNameIndex::Grow()
{
    std::vector<Slot> old = std::move(FSlots);
    FSlots.assign(old.empty() ? 8 : old.size() * 2, Slot{0, -1});
    for (const Slot& slot : old)
        if (slot.Item >= 0)
            Place(slot);
}

const QStringView* TbsIniText::Section::Find(QStringView key, quint32 hash) const
{
    const int i = KeyIndex.Find(key, hash, [this](int e) { return Entries[size_t(e)].Key; });
    return i < 0 ? nullptr : &Entries[size_t(i)].Value;
}

void TbsIniText::Section::Append(QStringView key, QStringView value)
{
    Entries.push_back(Entry{key, value});
    const int item = int(Entries.size() - 1);
    KeyIndex.Add(item, key, [this](int e) { return Entries[size_t(e)].Key; });
}

// The text of description bytes under the byte-order mark rule, whatever their size.
static QString DecodeAnySize(QByteArrayView bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.sliced(3));
    if (bytes.startsWith("\xFF\xFE")) {
        QStringDecoder decoder(QStringDecoder::Utf16LE);
        return decoder(bytes.sliced(2));
    }
    if (bytes.startsWith("\xFE\xFF")) {
        QStringDecoder decoder(QStringDecoder::Utf16BE);
        return decoder(bytes.sliced(2));
    }
    return AnsiToUnicode(bytes);
}

QString TbsIniText::DecodeText(const QByteArray& bytes)
{
    if (bytes.size() > MaxDescriptionBytes)
        throw ESkinDescriptionError(
            QStringLiteral("The skin description of %1 bytes is larger than the %2 bytes a skin may have")
                .arg(bytes.size())
                .arg(MaxDescriptionBytes));
    return DecodeAnySize(bytes);
}

QByteArray TbsIniText::EncodeText(const QString& text)
{
    // The code page form only where it reads back as the same text: a few characters map into
    // the code page one way only, and code-page bytes that begin like a byte-order mark would be
    // taken for one.
    const std::optional<QByteArray> ansi = UnicodeToAnsi(text);
    if (ansi && DecodeAnySize(*ansi) == text)
        return *ansi;
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

void TbsIniText::Clear()
{
    FText.clear();
    FOwned.clear();
    FSections.clear();
    FSectionIndex.Clear();
}

QStringView TbsIniText::Own(const QString& text)
{
    FOwned.push_back(text);
    return FOwned.back();
}

void TbsIniText::SetText(const QString& text)
{
    Clear();
    FText = text;
    Section* current = nullptr;
    const QStringView all(FText);
    for (qsizetype start = 0; start <= all.size();) {
        qsizetype end = all.indexOf(u'\n', start);
        if (end < 0)
            end = all.size();
        const QStringView line = all.sliced(start, end - start).trimmed();
        start = end + 1;
        if (line.isEmpty() || line.startsWith(u';'))
            continue;
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            current = &SectionForWriting(line.sliced(1, line.size() - 2).trimmed().toString());
            continue;
        }
        const qsizetype eq = line.indexOf(u'=');
        if (!current || eq < 0)
            continue;
        current->Append(line.first(eq).trimmed(), line.sliced(eq + 1).trimmed());
    }
}

QString TbsIniText::Text() const
{
    qsizetype size = 0;
    for (const Section& s : FSections) {
        size += s.Name.size() + 6;
        for (const Entry& e : s.Entries)
            size += e.Key.size() + e.Value.size() + 3;
    }
    QString out;
    out.reserve(size);
    for (const Section& s : FSections) {
        out += u'[';
        out += s.Name;
        out += QLatin1String("]\r\n");
        for (const Entry& e : s.Entries) {
            out += e.Key;
            out += u'=';
            out += e.Value;
            out += QLatin1String("\r\n");
        }
        out += QLatin1String("\r\n");
    }
    return out;
}

const TbsIniText::Section* TbsIniText::FindSection(QStringView name) const
{
    const int i = FSectionIndex.Find(name, [this](int s) { return QStringView(FSections[size_t(s)].Name); });
    return i < 0 ? nullptr : &FSections[size_t(i)];
}

TbsIniText::Section& TbsIniText::SectionForWriting(const QString& name)
{
    if (const Section* s = FindSection(name))
        return const_cast<Section&>(*s);
    FSections.push_back(Section{name, {}, {}});
    const int item = int(FSections.size() - 1);
    FSectionIndex.Add(item, name, [this](int s) { return QStringView(FSections[size_t(s)].Name); });
    return FSections.back();
}

void TbsIniText::RebuildSectionIndex()
{
    FSectionIndex.Clear();
    for (size_t i = 0; i < FSections.size(); ++i)
        FSectionIndex.Add(int(i), FSections[i].Name,
                          [this](int s) { return QStringView(FSections[size_t(s)].Name); });
}

bool TbsIniText::SectionExists(const QString& section) const
{
    return FindSection(section) != nullptr;
}

bool TbsIniText::ValueExists(const QString& section, const QString& key) const
{
    return FindValue(section, key) != nullptr;
}

QString TbsIniText::ReadString(const QString& section, const QString& key, const QString& def) const
{
    const QStringView* value = FindValue(section, key);
    return value ? value->toString() : def;
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
            keys << e.Key.toString();
    return keys;
}

qsizetype TbsIniText::KeyCount(const QString& section) const
{
    const Section* s = FindSection(section);
    return s ? qsizetype(s->Entries.size()) : 0;
}

void TbsIniText::WriteString(const QString& section, const QString& key, const QString& value)
{
    Section& s = SectionForWriting(section);
    if (const QStringView* old = s.Find(key))
        *const_cast<QStringView*>(old) = Own(value);
    else
        s.Append(Own(key), Own(value));
}

// A section that is not there costs one lookup: the system's writers erase each section before
// they write it, mostly into a text that does not hold it yet.
void TbsIniText::EraseSection(const QString& section)
{
    if (!FindSection(section))
        return;
    std::erase_if(FSections, [&](const Section& s) {
        return s.Name.size() == section.size() && s.Name.compare(section, Qt::CaseInsensitive) == 0;
    });
    RebuildSectionIndex();
}
