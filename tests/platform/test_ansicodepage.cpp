// Cutting text to a byte budget of the system code page: whole characters only, CJK counting two.
#include "AnsiCodePage.h"

#include <gtest/gtest.h>

namespace
{

struct CutCase {
    const char* name;
    QString text;
    int maxBytes;
    QString expected;
};

QString Repeat(const QString& s, int n)
{
    return s.repeated(n);
}

} // namespace

TEST(AnsiCodePage, CutsAtWholeCharactersWithinTheByteBudget)
{
    const QString cjk = QStringLiteral("部");
    const std::vector<CutCase> cases = {
        {"short ASCII stays", QStringLiteral("Sales"), 50, QStringLiteral("Sales")},
        {"long ASCII cut to 50", Repeat(QStringLiteral("x"), 60), 50, Repeat(QStringLiteral("x"), 50)},
        {"60 CJK become 25", Repeat(cjk, 60), 50, Repeat(cjk, 25)},
        {"CJK that would straddle the limit is dropped", Repeat(QStringLiteral("a"), 49) + cjk, 50,
         Repeat(QStringLiteral("a"), 49)},
        {"CJK that ends exactly at the limit stays",
         Repeat(QStringLiteral("a"), 48) + cjk + QStringLiteral("b"), 50,
         Repeat(QStringLiteral("a"), 48) + cjk},
        {"apostrophe is an ordinary character", QStringLiteral("O'Brien's 部"), 50,
         QStringLiteral("O'Brien's 部")},
        {"a character outside the code page comes back as ?", QStringLiteral("研发\U0001F600部"), 50,
         QStringLiteral("研发?部")},
        {"empty", QString(), 50, QString()},
        {"no budget", QStringLiteral("abc"), 0, QString()},
    };
    for (const CutCase& c : cases) {
        SCOPED_TRACE(c.name);
        const QString cut = AnsiLeft(c.text, c.maxBytes);
        EXPECT_EQ(cut, c.expected);
        EXPECT_LE(AnsiByteCount(cut), c.maxBytes);
    }
}

TEST(AnsiCodePage, CountsTwoBytesForCjkAndOneForAscii)
{
    EXPECT_EQ(AnsiByteCount(QStringLiteral("abc")), 3);
    EXPECT_EQ(AnsiByteCount(QStringLiteral("人事部")), 6);
    EXPECT_EQ(AnsiByteCount(QStringLiteral("A部")), 3);
}
