// An ini text held in memory: the description syntax of a skin, read and written.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

// Syntax: every line is trimmed; empty lines and lines starting with ";" are ignored; "[name]"
// starts a section; any other line inside a section is an entry, split at its first "=" into a
// trimmed key and a trimmed value (a line without "=" is kept as a key with no value). Section and
// key names match without regard to letter case; when a key occurs twice in a section the first
// occurrence counts. Writing keeps the order of sections and keys, so a text written by the
// system reads back to the same text.
class TbsIniText
{
  public:
    TbsIniText() = default;
    explicit TbsIniText(const QString& text) { SetText(text); }

    // Decodes description bytes: a UTF-8 or UTF-16 (LE/BE) byte-order mark selects that encoding;
    // without one the bytes are taken as UTF-8 when valid, else as Latin-1 (the "ANSI" fallback).
    static QString DecodeText(const QByteArray& bytes);

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
    void Clear() { FSections.clear(); }

    struct Entry {
        QString Key;
        QString Value;
    };
    struct Section {
        QString Name;
        std::vector<Entry> Entries;
    };
    // For readers that take many keys of one section: the section is found once, each key in it.
    // Both pointers stay valid until the text changes; nullptr means absent.
    const Section* FindSection(const QString& name) const;
    static const QString* FindValue(const Section* section, const QString& key);
    const QString* FindValue(const QString& section, const QString& key) const
    {
        return FindValue(FindSection(section), key);
    }

  private:
    Section* WritableSection(const QString& name);

    std::vector<Section> FSections;
};
