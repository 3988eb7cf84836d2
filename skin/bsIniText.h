// An ini text held in memory: the description syntax of a skin, read and written.
#pragma once

#include "platform/Exception.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <deque>
#include <vector>

// A description too large to be a skin's: refused before it is parsed.
class ESkinDescriptionError : public Exception {
public:
    using Exception::Exception;
};

// Finds items by a name compared without regard to letter case, in constant time: the sections of
// a text and the keys of a section. Items are numbered from 0 by their owner, who hands in each
// item's name on request; the first item added under a name is the one found.
class TbsNameIndex {
public:
    // The item named name, or -1.
    template <class NameOf> int Find(QStringView name, const NameOf& nameOf) const
    {
        return Find(name, Hash(name), nameOf);
    }
    // The same for a name whose Hash the caller keeps: names looked up again and again (the keys
    // of a record class) are hashed once.
    template <class NameOf> int Find(QStringView name, quint32 hash, const NameOf& nameOf) const
    {
        if (FSlots.empty())
            return -1;
        const size_t mask = FSlots.size() - 1;
        for (size_t i = hash & mask;; i = (i + 1) & mask) {
            const Slot& slot = FSlots[i];
            if (slot.Item < 0)
                return -1;
            if (slot.Hash == hash && SameName(nameOf(slot.Item), name))
                return slot.Item;
        }
    }
    // The hash of a name, the same for every spelling in other letter case.
    static quint32 Hash(QStringView name);
    // Adds item under name unless an item of that name is already there.
    template <class NameOf> void Add(int item, QStringView name, const NameOf& nameOf)
    {
        if ((FCount + 1) * 2 > FSlots.size())
            Grow(FCount + 1);
        const quint32 hash = Hash(name);
        const size_t mask = FSlots.size() - 1;
        // One probe finds either the name or the free slot the item goes in.
        for (size_t i = hash & mask;; i = (i + 1) & mask) {
            Slot& slot = FSlots[i];
            if (slot.Item < 0) {
                slot = Slot{hash, item};
                ++FCount;
                return;
            }
            if (slot.Hash == hash && SameName(nameOf(slot.Item), name))
                return;
        }
    }
    // Makes room for count items in all, so that adding them does not grow the table again.
    void Reserve(size_t count)
    {
        if (count * 2 > FSlots.size())
            Grow(count);
    }
    void Clear()
    {
        FSlots.clear();
        FCount = 0;
    }

private:
    struct Slot {
        quint32 Hash;
        int Item; // -1 while free
    };
    static bool SameName(QStringView a, QStringView b);
    void Place(Slot slot);
    // Rebuilds the table with room for at least count items.
    void Grow(size_t count);

    std::vector<Slot> FSlots; // a power of two in size, at most half full
    size_t FCount = 0;
};

// Syntax: every line is trimmed; empty lines and lines starting with ";" are ignored; "[name]"
// starts a section; any other line inside a section that holds "=" is an entry, split at its
// first "=" into a trimmed key and a trimmed value (a line without "=" is no entry). Section and
// key names match without regard to letter case; when a key occurs twice in a section the first
// occurrence counts, and a section named twice continues the first. Writing keeps the order of
// sections and keys, so a text written by the system reads back to the same text. Parsing and
// every lookup take time linear in the text and constant per name, whatever the number of
// sections.
class TbsIniText {
public:
    // The largest description text, in bytes, that is read. The descriptions of real skins are
    // well under 100 KB; the limit keeps a hostile package or folder from costing more than a
    // fraction of a second and a few hundred MB of memory.
    static constexpr qsizetype MaxDescriptionBytes = 8 * 1024 * 1024;

    TbsIniText() = default;
    explicit TbsIniText(const QString& text) { SetText(text); }

    // Decodes description bytes: a UTF-8, UTF-16LE or UTF-16BE byte-order mark selects that
    // encoding; without one the bytes are in the system's ANSI code page (GBK). Raises
    // ESkinDescriptionError for more than MaxDescriptionBytes bytes.
    static QString DecodeText(const QByteArray& bytes);
    // The bytes of a description the system writes, so that DecodeText reads them back to text:
    // the code page when every character has a form in it (the way descriptions have always been
    // stored, byte for byte the same for ASCII), otherwise UTF-8 after its byte-order mark.
    static QByteArray EncodeText(const QString& text);

    void SetText(const QString& text);
    // The text with CR LF line ends and an empty line after each section, as the system writes it.
    QString Text() const;

    bool SectionExists(const QString& section) const;
    bool ValueExists(const QString& section, const QString& key) const;
    // The value of the first occurrence of key; def when the key is absent.
    QString ReadString(const QString& section, const QString& key, const QString& def = QString()) const;
    QStringList Sections() const;
    QStringList Keys(const QString& section) const;
    qsizetype KeyCount(const QString& section) const;

    // Replaces the first occurrence of key, or appends it; creates the section at the end if needed.
    void WriteString(const QString& section, const QString& key, const QString& value);
    void EraseSection(const QString& section);
    void Clear();

    // Keys and values are views into the parsed text or into FOwned, never copies of their own.
    struct Entry {
        QStringView Key;
        QStringView Value;
    };
    struct Section {
        QString Name;
        std::vector<Entry> Entries;
        TbsNameIndex KeyIndex;

        // The value of the first entry named key, or nullptr; hash is TbsNameIndex::Hash(key).
        const QStringView* Find(QStringView key, quint32 hash) const;
        const QStringView* Find(QStringView key) const { return Find(key, TbsNameIndex::Hash(key)); }
        // Appends an entry; the first entry of a name stays the one found.
        void Append(QStringView key, QStringView value);
        // Enters entry e's key in the index, unless an earlier entry has that name.
        void IndexEntry(size_t e);
    };
    // For readers that take many keys of one section: the section is found once, each key in it.
    // Both pointers stay valid until the text changes; nullptr means absent.
    const Section* FindSection(QStringView name) const;
    static const QStringView* FindValue(const Section* section, QStringView key)
    {
        return section ? section->Find(key) : nullptr;
    }
    static const QStringView* FindValue(const Section* section, QStringView key, quint32 keyHash)
    {
        return section ? section->Find(key, keyHash) : nullptr;
    }
    const QStringView* FindValue(QStringView section, QStringView key) const
    {
        return FindValue(FindSection(section), key);
    }

private:
    Section& SectionForWriting(const QString& name);
    void RebuildSectionIndex();

    // A string kept for the views of written entries; its characters never move.
    QStringView Own(const QString& text);

    QString FText;              // the parsed text, which the parsed entries view
    std::deque<QString> FOwned; // written keys and values
    std::vector<Section> FSections;
    TbsNameIndex FSectionIndex;
};
