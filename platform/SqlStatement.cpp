// Placeholder parsing and recognition of updatable statements.
#include "SqlStatement.h"

#include <QRegularExpression>

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
    static const QRegularExpression shape(
        QStringLiteral(R"re(^\s*select\s+\*\s+from\s+("[^"]+"|\[[^\]]+\]|`[^`]+`|[^\s;,()"'`\[]+))re"
                       R"re((?:\s+(?:where|order\s+by)\b.*)?\s*;?\s*$)re"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption |
            QRegularExpression::UseUnicodePropertiesOption);
    const QRegularExpressionMatch match = shape.match(FText);
    if (!match.hasMatch())
        return;
    QString table = match.captured(1);
    if (table.size() > 1 && !table[0].isLetterOrNumber() && table[0] != u'_')
        table = table.mid(1, table.size() - 2);
    FTable = table;
}
