// Placeholder parsing and recognition of updatable statements.
#include "SqlStatement.h"

#include <optional>

namespace
{

bool IsNameChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'_';
}

// Index just past the literal, quoted name or comment that starts at i, or i when none starts
// there. An unterminated one runs to the end of the text.
qsizetype SkipQuotedOrComment(const QString& text, qsizetype i)
{
    const qsizetype n = text.size();
    const QChar c = text[i];
    const QChar next = i + 1 < n ? text[i + 1] : QChar();
    auto skipTo = [&](QStringView closing, qsizetype from) {
        const qsizetype end = text.indexOf(closing, from);
        return end < 0 ? n : end + closing.size();
    };
    if (c == u'\'' || c == u'"' || c == u'`') {
        // A doubled quote inside stands for the quote itself; it simply starts the next run.
        return skipTo(QStringView(&text.constData()[i], 1), i + 1);
    }
    if (c == u'[')
        return skipTo(u"]", i + 1);
    if (c == u'-' && next == u'-')
        return skipTo(u"\n", i + 2);
    if (c == u'/' && next == u'*')
        return skipTo(u"*/", i + 2);
    return i;
}

// Reads "select * from <table>", optionally followed by a where or an order by clause, ignoring case
// and spaces: the table as written (quotes included), or nullopt for any other statement. It
// reads by hand what a regular expression would say in a line, because compiling one would cost
// the program's start more than all the statements it ever reads.
class TPlainSelectReader
{
  public:
    explicit TPlainSelectReader(const QString& text) : FText(text) {}

    std::optional<QString> Table()
    {
        Spaces();
        if (!(Word(u"select") && Spaces() && Next(u'*') && Spaces() && Word(u"from") && Spaces()))
            return std::nullopt;
        const qsizetype start = FAt;
        if (!Name())
            return std::nullopt;
        const QString table = FText.mid(start, FAt - start);
        const qsizetype end = FAt;
        if (Spaces() && (Word(u"where") || (Word(u"order") && Spaces() && Word(u"by"))) && WordEnds())
            return table; // whatever the clause says
        FAt = end;
        Spaces();
        Next(u';');
        Spaces();
        if (FAt != FText.size())
            return std::nullopt;
        return table;
    }

  private:
    // Skips spaces; whether there were any.
    bool Spaces()
    {
        const qsizetype from = FAt;
        while (FAt < FText.size() && FText[FAt].isSpace())
            ++FAt;
        return FAt > from;
    }
    bool Next(QChar c)
    {
        if (FAt >= FText.size() || FText[FAt] != c)
            return false;
        ++FAt;
        return true;
    }
    bool Word(QStringView word)
    {
        if (QStringView(FText).sliced(FAt).left(word.size()).compare(word, Qt::CaseInsensitive) != 0)
            return false;
        FAt += word.size();
        return true;
    }
    bool WordEnds() const { return FAt == FText.size() || !IsNameChar(FText[FAt]); }
    // A name in double quotes, brackets or back quotes, or a bare run of characters that could
    // not start anything else.
    bool Name()
    {
        if (FAt >= FText.size())
            return false;
        const QChar open = FText[FAt];
        const QChar close = open == u'[' ? QChar(u']') : open;
        if (open == u'"' || open == u'[' || open == u'`') {
            const qsizetype end = FText.indexOf(close, FAt + 1);
            if (end <= FAt + 1)
                return false;
            FAt = end + 1;
            return true;
        }
        const qsizetype from = FAt;
        while (FAt < FText.size() && !FText[FAt].isSpace() && !QStringView(u";,()\"'`[").contains(FText[FAt]))
            ++FAt;
        return FAt > from;
    }

    const QString& FText;
    qsizetype FAt = 0;
};

std::optional<QString> ReadPlainSelectTable(const QString& text)
{
    return TPlainSelectReader(text).Table();
}

} // namespace

SqlStatement::SqlStatement(const QString& text) : FText(text)
{
    Parse();
    FindUpdatableTable();
}

void SqlStatement::Parse()
{
    const qsizetype n = FText.size();
    FEngineText.reserve(n);
    qsizetype i = 0;
    while (i < n) {
        const qsizetype skipped = SkipQuotedOrComment(FText, i);
        if (skipped > i) {
            FEngineText += QStringView(FText).mid(i, skipped - i);
            i = skipped;
            continue;
        }
        const QChar c = FText[i];
        if (c == u':' && i + 1 < n && FText[i + 1] == u':') {
            FEngineText += u"::";
            i += 2;
            continue;
        }
        if (c == u':' && i + 1 < n && IsNameChar(FText[i + 1])) {
            qsizetype end = i + 1;
            while (end < n && IsNameChar(FText[end]))
                ++end;
            FPlaceholders.append(FText.mid(i + 1, end - i - 1));
            FEngineText += u'?';
            i = end;
            continue;
        }
        FEngineText += c;
        ++i;
    }
}

QStringList SqlStatement::ParameterNames() const
{
    QStringList names;
    for (const QString& name : FPlaceholders) {
        if (!names.contains(name, Qt::CaseInsensitive))
            names.append(name);
    }
    return names;
}

void SqlStatement::FindUpdatableTable()
{
    const std::optional<QString> table = ReadPlainSelectTable(FText);
    if (!table)
        return;
    FTable = *table;
    if (FTable.size() > 1 && !FTable[0].isLetterOrNumber() && FTable[0] != u'_')
        FTable = FTable.mid(1, FTable.size() - 2);
}
