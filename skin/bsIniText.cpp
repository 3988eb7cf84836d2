// Parsing, looking up and writing the ini text of a skin description.
#include "bsIniText.h"

#include "platform/AnsiCodePage.h"

#include <QStringDecoder>
#include <algorithm>
#include <cstring>

// Names are folded for hashing the way SameName compares them: characters outside ASCII by their
// case folding, then every character with the lower-case bit set, which joins the two cases of an
// ASCII letter (and a few other characters with others, harmless collisions that SameName
// settles). Every load hashes each key of the description, so four characters at a time are
// mixed in with one multiplication.
quint32 TbsNameIndex::Hash(QStringView name)
{
    constexpr quint64 NotAsciiBits = 0xFF80FF80FF80FF80ull;
    constexpr quint64 LowerCaseBits = 0x0020002000200020ull;
    quint64 hash = 0x9E3779B97F4A7C15ull ^ quint64(name.size());
    const auto mix = [&hash](const char16_t* chars) {
        quint64 chunk;
        memcpy(&chunk, chars, sizeof chunk);
        if (chunk & NotAsciiBits) {
            char16_t folded[4];
            for (int i = 0; i < 4; ++i)
                folded[i] = chars[i] < 0x80 ? chars[i] : QChar(chars[i]).toCaseFolded().unicode();
            memcpy(&chunk, folded, sizeof chunk);
        }
        hash = (hash ^ (chunk | LowerCaseBits)) * 0xFF51AFD7ED558CCDull;
        hash ^= hash >> 29;
    };
    const char16_t* p = name.utf16();
    const char16_t* const end = p + name.size();
    for (; end - p >= 4; p += 4)
        mix(p);
    if (p < end) {
        char16_t last[4] = {};
        std::copy(p, end, last);
        mix(last);
    }
    return quint32(hash ^ (hash >> 32));
}

// Names are mostly ASCII and mostly spelt alike: those that are equal are told at once, the ones
// that differ compare a folded character at a time here, the rest in Qt.
bool TbsNameIndex::SameName(QStringView a, QStringView b)
{
    if (a.size() != b.size())
        return false;
    if (memcmp(a.data(), b.data(), size_t(a.size()) * sizeof(QChar)) == 0)
        return true;
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

void TbsNameIndex::Grow(size_t count)
{
    std::vector<Slot> old = std::move(FSlots);
    // The sections of a skin's records hold a few dozen keys each: no table starts below 64 slots.
    size_t size = std::max<size_t>(64, old.size() * 2);
    while (size < count * 2)
        size *= 2;
    FSlots.assign(size, Slot{0, -1});
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
    IndexEntry(Entries.size() - 1);
}

void TbsIniText::Section::IndexEntry(size_t e)
{
    KeyIndex.Add(int(e), Entries[e].Key, [this](int i) { return Entries[size_t(i)].Key; });
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

namespace {

// The white space QStringView::trimmed drops, with the common ASCII cases decided here.
bool IsSpace(char16_t c)
{
    if (c < 0x80)
        return c == u' ' || (c >= u'\t' && c <= u'\r');
    return QChar::isSpace(c);
}

QStringView Trimmed(const char16_t* begin, const char16_t* end)
{
    while (begin < end && IsSpace(*begin))
        ++begin;
    while (end > begin && IsSpace(end[-1]))
        --end;
    return QStringView(begin, end);
}

constexpr quint64 LaneOnes = 0x0001000100010001ull;
constexpr quint64 LaneTops = 0x8000800080008000ull;

// Whether one of four characters, read as one word, is c. Only yes or no: which one it is, the
// caller finds a character at a time.
bool AnyOfFourIs(quint64 four, char16_t c)
{
    const quint64 x = four ^ (LaneOnes * c);
    return ((x - LaneOnes) & ~x & LaneTops) != 0;
}

} // namespace

// One pass over the characters: a description has thousands of short lines, where searching each
// line again for its parts would cost more than reading it once.
void TbsIniText::SetText(const QString& text)
{
    Clear();
    FText = text;
    Section* current = nullptr;
    const auto* p = reinterpret_cast<const char16_t*>(FText.constData());
    const char16_t* const textEnd = p + FText.size();
    while (p <= textEnd) {
        const char16_t* const lineBegin = p;
        const char16_t* eq = nullptr;
        // Lines are skimmed four characters at a time up to each one that ends the line or is its
        // first "=".
        for (;;) {
            for (quint64 four; textEnd - p >= 4; p += 4) {
                memcpy(&four, p, sizeof four);
                if (AnyOfFourIs(four, u'\n') || (!eq && AnyOfFourIs(four, u'=')))
                    break;
            }
            if (p == textEnd || *p == u'\n')
                break;
            if (*p == u'=' && !eq)
                eq = p;
            ++p;
        }
        const QStringView line = Trimmed(lineBegin, p);
        ++p;
        if (line.isEmpty() || line.front() == u';')
            continue;
        if (line.front() == u'[' && line.back() == u']') {
            current = &SectionForWriting(line.sliced(1, line.size() - 2).trimmed().toString());
            continue;
        }
        if (!current || !eq)
            continue;
        const auto* begin = reinterpret_cast<const char16_t*>(line.data());
        current->Entries.push_back(Entry{Trimmed(begin, eq), Trimmed(eq + 1, begin + line.size())});
    }
    // Keys are indexed once every section is whole, each in a table of the size it needs.
    for (Section& section : FSections) {
        section.KeyIndex.Reserve(section.Entries.size());
        for (size_t e = 0; e < section.Entries.size(); ++e)
            section.IndexEntry(e);
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
    FSections.back().Entries.reserve(32);
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
