// The description syntax and every value reader and writer of skin descriptions.
#include "bsSkinValues.h"
#include "platform/Exception.h"

#include <gtest/gtest.h>
#include <optional>

namespace {

// A one-key description: "[s]" with "k=<value>", or an empty section when value is absent.
TbsIniText OneKey(const std::optional<QString>& value)
{
    return TbsIniText(value ? QStringLiteral("[s]\r\nk=%1\r\n").arg(*value) : QStringLiteral("[s]\r\n"));
}

template <class T> struct ReaderCase {
    const char* Name;
    std::optional<QString> Text; // absent key when empty
    T Expected;
};

template <class T, class Reader> void ExpectReads(const std::vector<ReaderCase<T>>& cases, Reader read)
{
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(read(OneKey(c.Text)), c.Expected);
    }
}

} // namespace

TEST(SkinDescriptionSyntax, SectionsAndKeysMatchWithoutCaseAndTheFirstKeyWins)
{
    const TbsIniText ini(QStringLiteral("; comment\r\n"
                                        "  [Button]  \r\n"
                                        "  FontHeight = 15 \r\n"
                                        "fontheight=99\r\n"
                                        ";fontname=Commented\r\n"
                                        "fontname=\r\n"
                                        "hint=a=b\r\n"));
    EXPECT_EQ(ReadInteger(ini, "BUTTON", "fontheight", 13), 15);
    EXPECT_EQ(ReadString(ini, "button", "FONTNAME", "Tahoma"), QString()); // present but empty
    EXPECT_EQ(ReadInteger(ini, "button", "fontname", 13), 13);             // empty -> integer default
    EXPECT_EQ(ReadString(ini, "button", "hint"), "a=b");                   // split at the first "="
    EXPECT_EQ(ReadString(ini, "button", "missing", "def"), "def");
    EXPECT_EQ(ReadString(ini, "nosection", "fontheight", "def"), "def");
}

// Names that differ only in punctuation whose codes differ by the lower-case bit ("@" and "`",
// "[" and "{") share a hash bucket: each must still find its own value. White space of every kind
// around lines, keys and values is dropped, the way the platform trims it.
TEST(SkinDescriptionSyntax, LookalikeNamesStayApartAndAllWhiteSpaceIsTrimmed)
{
    const TbsIniText ini(QStringLiteral("[s]\n"
                                        "a@=1\n"
                                        "a`=2\n"
                                        "k[=3\n"
                                        "k{=4\n"
                                        "\t\u3000tabbed\t=\u3000five\t\r\n"
                                        "\v[ t ]\f\n"
                                        "last=6"));
    EXPECT_EQ(ReadString(ini, "s", "a@"), "1");
    EXPECT_EQ(ReadString(ini, "s", "a`"), "2");
    EXPECT_EQ(ReadString(ini, "s", "k["), "3");
    EXPECT_EQ(ReadString(ini, "s", "k{"), "4");
    EXPECT_EQ(ReadString(ini, "s", "tabbed"), "five");
    EXPECT_EQ(ReadString(ini, "t", "last"), "6"); // the last line needs no line break
}

// Lines are skimmed several characters at a time for their end and their first "=": every length
// of key and value, wherever the line starts, splits the same, a later "=" stays in the value and
// the last line needs no line break.
TEST(SkinDescriptionSyntax, LinesOfEveryLengthSplitAtTheirFirstEqualsSign)
{
    for (int shift = 0; shift < 4; ++shift)
        for (int keyLength = 1; keyLength <= 9; ++keyLength)
            for (int valueLength = 0; valueLength <= 9; ++valueLength) {
                const QString key(keyLength, u'k');
                QString value(valueLength, u'v');
                if (valueLength > 0)
                    value[valueLength / 2] = u'=';
                SCOPED_TRACE(QStringLiteral("%1|%2=%3").arg(shift).arg(key, value).toStdString());
                const TbsIniText ini(QStringLiteral(";%1\n[s]\n%2=%3\nno equals sign\nlast=%3")
                                         .arg(QString(shift, u'c'), key, value));
                EXPECT_EQ(ini.KeyCount("s"), 2);
                EXPECT_EQ(ReadString(ini, "s", key, "absent"), value);
                EXPECT_EQ(ReadString(ini, "s", "last", "absent"), value);
            }
}

// Names are hashed a few characters at a time: names of every length around those steps, letters
// outside ASCII, and a letter outside ASCII that folds to an ASCII one must all find their entry
// in any letter case, as section names and as keys.
TEST(SkinDescriptionSyntax, NamesOfAnyLengthAndScriptMatchInEveryLetterCase)
{
    struct Case {
        const char16_t* Written;
        const char16_t* Asked;
        bool Found;
    };
    const Case cases[] = {
        {u"a", u"A", true},
        {u"abc", u"aBC", true},
        {u"abcd", u"ABCD", true},
        {u"abcde", u"abcdE", true},
        {u"fontheight", u"FontHeight", true},
        {u"activefontcolor", u"ACTIVEFONTCOLOR", true},
        {u"\u00C4rger", u"\u00E4RGER", true},
        {u"schriftgr\u00F6\u00DFe", u"SCHRIFTGR\u00D6\u00DFE", true},
        {u"\u03A3\u0399\u0393\u039C\u0391", u"\u03C3\u03B9\u03B3\u03BC\u03B1", true},
        {u"\u212Aelvin", u"kelvin", true}, // the Kelvin sign folds to an ASCII k
        {u"kelvin", u"\u212AELVIN", true},
        {u"fontheight", u"fontheigh", false},
        {u"fontheight", u"fontheighu", false},
        {u"abcd", u"abce", false},
        {u"abcd@", u"abcd`", false},
        {u"\u00E4bcd", u"\u00C4bce", false},
    };
    for (const Case& c : cases) {
        const QString written = QString::fromUtf16(c.Written), asked = QString::fromUtf16(c.Asked);
        SCOPED_TRACE(written.toStdString() + " / " + asked.toStdString());
        const TbsIniText keys(QStringLiteral("[s]\n%1=v\n").arg(written));
        EXPECT_EQ(ReadString(keys, "s", asked), c.Found ? "v" : "");
        const TbsIniText sections(QStringLiteral("[%1]\nk=v\n").arg(written));
        EXPECT_EQ(ReadString(sections, asked, "k"), c.Found ? "v" : "");
    }
}

// A section is indexed once it is read whole, and again as keys are written into it: both ways a
// section of hundreds of keys finds every one, and the first of two spellings of a name wins.
TEST(SkinDescriptionSyntax, EveryKeyOfALongSectionIsFoundAndTheFirstSpellingWins)
{
    QString text = QStringLiteral("[s]\n");
    for (int i = 0; i < 300; ++i)
        text += QStringLiteral("key%1=first%1\n").arg(i);
    for (int i = 0; i < 300; ++i)
        text += QStringLiteral("KEY%1=second%1\n").arg(i);
    TbsIniText ini(text);
    EXPECT_EQ(ini.KeyCount("s"), 600);
    for (int i = 300; i < 700; ++i)
        ini.WriteString("s", QStringLiteral("written%1").arg(i), QString::number(i));
    ini.WriteString("s", "Key7", "rewritten");
    for (int i = 0; i < 300; ++i)
        ASSERT_EQ(ReadString(ini, "s", QStringLiteral("Key%1").arg(i)),
                  i == 7 ? QStringLiteral("rewritten") : QStringLiteral("first%1").arg(i));
    for (int i = 300; i < 700; ++i)
        ASSERT_EQ(ReadString(ini, "S", QStringLiteral("WRITTEN%1").arg(i)), QString::number(i));
    EXPECT_EQ(ini.KeyCount("s"), 1000);
}

TEST(SkinValueReaders, Integer)
{
    ExpectReads<qint32>({{"decimal", "42", 42},
                         {"negative", "-7", -7},
                         {"plus sign", "+7", 7},
                         {"dollar hex", "$FF", 255},
                         {"0x hex", "0x1f", 31},
                         {"0X hex", "0X1F", 31},
                         {"hex system colour wraps", "$FF00000F", qint32(0xFF00000F)},
                         {"leading zero", "01", 1},
                         {"not a number", "12a", -1},
                         {"inner space", "1 2", -1},
                         {"decimal overflow", "2147483648", -1},
                         {"lowest int32", "-2147483648", std::numeric_limits<qint32>::min()},
                         {"hex overflow", "$100000000", -1},
                         {"lone sign", "-", -1},
                         {"empty value", "", -1},
                         {"absent", std::nullopt, -1}},
                        [](const TbsIniText& ini) { return ReadInteger(ini, "s", "k", -1); });
}

TEST(SkinValueReaders, Boolean)
{
    ExpectReads<bool>({{"one", "1", true},
                       {"zero one", "01", true},
                       {"two", "2", false},
                       {"zero", "0", false},
                       {"word true", "true", false},
                       {"empty", "", false},
                       {"absent", std::nullopt, false}},
                      [](const TbsIniText& ini) { return ReadBoolean(ini, "s", "k"); });
}

TEST(SkinValueReaders, PointDropsEveryCharacterButDigits)
{
    ExpectReads<TPoint>({{"plain", "12,3", {12, 3}},
                         {"space and minus", "12, -3", {12, 3}},
                         {"minus on both", "-5,-6", {5, 6}},
                         {"extra pieces ignored", "1,2,3,4", {1, 2}},
                         {"absent", std::nullopt, {0, 0}}},
                        [](const TbsIniText& ini) { return ReadPoint(ini, "s", "k"); });
}

TEST(SkinValueReaders, RectUsesThePointNumberRule)
{
    ExpectReads<TRect>({{"plain", "1,24,235,177", {1, 24, 235, 177}},
                        {"spaces and minus", " 1, -2 ,3 , 4", {1, 2, 3, 4}},
                        {"extra pieces ignored", "1,2,3,4,5,6", {1, 2, 3, 4}},
                        {"absent", std::nullopt, {0, 0, 0, 0}}},
                       [](const TbsIniText& ini) { return ReadRect(ini, "s", "k"); });
}

TEST(SkinValueReaders, PointOrRectWithAnEmptyPieceIsAConversionError)
{
    const char* points[] = {"7", "7,", ",7", "-,7", "", "a,b", "99999999999,1"};
    for (const char* text : points) {
        SCOPED_TRACE(text);
        EXPECT_THROW(ReadPoint(OneKey(QString::fromLatin1(text)), "s", "k"), EConvertError);
    }
    const char* rects[] = {"1,2,3", "1,2,,4", "1,2,3,"};
    for (const char* text : rects) {
        SCOPED_TRACE(text);
        EXPECT_THROW(ReadRect(OneKey(QString::fromLatin1(text)), "s", "k"), EConvertError);
    }
    try {
        ReadPoint(OneKey("12,x"), "s", "k");
        FAIL() << "no error";
    } catch (const EConvertError& e) {
        EXPECT_TRUE(e.Message().contains("'x'")) << e.Message().toStdString();
    }
}

TEST(SkinValueReaders, FontStylesAreCaseSensitiveSubstrings)
{
    ExpectReads<TFontStyles>({{"bold", "fsbold", fsBold},
                              {"all with odd separators", "fsstrikeout;fsunderline fsitalic,fsbold",
                               fsBold | fsItalic | fsUnderline | fsStrikeOut},
                              {"capitals", "fsBold", {}},
                              {"empty", "", {}},
                              {"absent", std::nullopt, {}}},
                             [](const TbsIniText& ini) { return ReadFontStyles(ini, "s", "k"); });
}

TEST(SkinValueReaders, EnumerationsCompareNamesExactly)
{
    ExpectReads<TbsStretchType>({{"full", "stfull", bsstFull},
                                 {"vert", "stvert", bsstVert},
                                 {"horz", "sthorz", bsstHorz},
                                 {"capitals", "StFull", bsstHorz},
                                 {"unknown", "x", bsstHorz},
                                 {"absent", std::nullopt, bsstFull}},
                                [](const TbsIniText& ini) { return ReadStretchType(ini, "s", "k"); });
    ExpectReads<TbsMorphKind>({{"push", "mkpush", mkPush},
                               {"left slide", "mkleftslide", mkLeftSlide},
                               {"capitals", "mkPush", mkDefault},
                               {"absent", std::nullopt, mkDefault}},
                              [](const TbsIniText& ini) { return ReadMorphKind(ini, "s", "k"); });
    ExpectReads<TbsInActiveEffect>({{"invert", "ieinvert", ieInvert},
                                    {"darkness", "iedarkness", ieDarkness},
                                    {"unknown", "iesepia", ieGrayScale},
                                    {"capitals", "ieInvert", ieGrayScale},
                                    {"absent", std::nullopt, ieBrightness}},
                                   [](const TbsIniText& ini) { return ReadInActiveEffect(ini, "s", "k"); });
    ExpectReads<TAlignment>({{"centre", "tacenter", taCenter},
                             {"left", "taleftjustify", taLeftJustify},
                             {"right", "tarightjustify", taRightJustify},
                             {"unknown", "tamiddle", taRightJustify},
                             {"absent", std::nullopt, taCenter}},
                            [](const TbsIniText& ini) { return ReadAlignment(ini, "s", "k"); });
    ExpectReads<TbsStdCommand>({{"close", "cmclose", cmClose},
                                {"roll up", "cmrollup", cmRollUp},
                                {"default", "cmdefault", cmDefault},
                                {"to tray", "cmminimizetotray", cmMinimizeToTray},
                                {"unknown", "cmexplode", cmMinimizeToTray},
                                {"capitals", "cmClose", cmMinimizeToTray},
                                {"absent", std::nullopt, cmDefault}},
                               [](const TbsIniText& ini) { return ReadCommand(ini, "s", "k"); });
}

TEST(SkinValueReaders, StringListsReadTheCountThenTheNumberedKeys)
{
    const TbsIniText ini(QStringLiteral("[PICTURES]\r\nactivepicturescount=3\r\n0=a.bmp\r\n2=c.bmp\r\n"
                                        "[HUGE]\r\nlistcount=2000000000\r\n0=x\r\n"
                                        "[NEGATIVE]\r\nlistcount=-4\r\n"));
    EXPECT_EQ(ReadStrings(ini, "pictures", "activepictures"), QStringList({"a.bmp", "", "c.bmp"}));
    EXPECT_EQ(ReadStrings(ini, "pictures", "missing"), QStringList());
    // A count beyond the section's keys cannot name more entries than the section holds.
    EXPECT_EQ(ReadStrings(ini, "huge", "list"), QStringList({"x", ""}));
    EXPECT_EQ(ReadStrings(ini, "negative", "list"), QStringList());
}

TEST(SkinValueWriters, WriteTheFormsTheReadersTake)
{
    TbsIniText ini;
    WriteInteger(ini, "s", "int", -12);
    WriteBoolean(ini, "s", "yes", true);
    WriteBoolean(ini, "s", "no", false);
    WritePoint(ini, "s", "point", {3, 4});
    WriteRect(ini, "s", "rect", {1, 2, 3, 4});
    WriteFontStyles(ini, "s", "styles", fsStrikeOut | fsBold | fsUnderline);
    WriteFontStyles(ini, "s", "nostyles", {});
    WriteStretchType(ini, "s", "stretch", bsstHorz);
    WriteMorphKind(ini, "s", "morph", mkRightGradient);
    WriteInActiveEffect(ini, "s", "effect", ieSplitBlur);
    WriteAlignment(ini, "s", "align", taRightJustify);
    WriteCommand(ini, "s", "command", cmMinimizeToTray);
    WriteStrings(ini, "s", "list", {"a", "b"});
    EXPECT_EQ(ini.Text(), QStringLiteral("[s]\r\nint=-12\r\nyes=1\r\nno=0\r\npoint=3,4\r\nrect=1,2,3,4\r\n"
                                         "styles=fsbold,fsunderline,fsstrikeout\r\nnostyles=\r\n"
                                         "stretch=sthorz\r\nmorph=mkrightgradient\r\neffect=iesplitblur\r\n"
                                         "align=tarightjustify\r\ncommand=cmminimizetotray\r\n"
                                         "listcount=2\r\n0=a\r\n1=b\r\n\r\n"));
    EXPECT_EQ(ReadStrings(ini, "s", "list"), QStringList({"a", "b"}));
    EXPECT_EQ(ReadFontStyles(ini, "s", "styles"), fsStrikeOut | fsBold | fsUnderline);
    EXPECT_EQ(ReadCommand(ini, "s", "command"), cmMinimizeToTray);
}
