// The value readers and writers of skin descriptions.
#include "bsSkinValues.h"

#include "platform/Exception.h"

#include <array>
#include <limits>

namespace SkinValue {

// The value of an ASCII digit of base 16, or -1.
static int DigitValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

bool ParseInteger(QStringView text, qint32& value)
{
    bool negative = false;
    if (!text.isEmpty() && (text.front() == u'-' || text.front() == u'+')) {
        negative = text.front() == u'-';
        text = text.mid(1);
    }
    int base = 10;
    if (text.startsWith(u'$')) {
        base = 16;
        text = text.mid(1);
    } else if (text.startsWith(u"0x") || text.startsWith(u"0X")) {
        base = 16;
        text = text.mid(2);
    }
    if (text.isEmpty())
        return false;
    // Hexadecimal is a 32-bit pattern ($FF00000F is a system colour); decimal must fit in int32.
    const quint64 limit =
        base == 16 ? 0xFFFFFFFFull : quint64(std::numeric_limits<qint32>::max()) + (negative ? 1 : 0);
    quint64 magnitude = 0;
    for (QChar c : text) {
        const int digit = DigitValue(c);
        if (digit < 0 || digit >= base)
            return false;
        magnitude = magnitude * base + digit;
        if (magnitude > limit)
            return false;
    }
    const qint64 signedValue = base == 16 ? qint64(qint32(quint32(magnitude))) : qint64(magnitude);
    value = qint32(negative ? -signedValue : signedValue);
    return true;
}

qint32 DecodeValue(const QStringView* text, qint32 def)
{
    qint32 value = def;
    return text && ParseInteger(*text, value) ? value : def;
}

bool DecodeValue(const QStringView* text, bool def)
{
    return DecodeValue(text, qint32(def ? 1 : 0)) == 1;
}

QString DecodeValue(const QStringView* text, const QString& def)
{
    return text ? text->toString() : def;
}

// Cuts text at its commas and reads the first count pieces under the number rule: every
// character that is not a digit is dropped and what is left must be a decimal number.
template <size_t count> static std::array<qint32, count> DecodeNumbers(QStringView text)
{
    constexpr qint64 largest = std::numeric_limits<qint32>::max();
    std::array<qint32, count> numbers{};
    qsizetype start = 0;
    for (size_t i = 0; i < count; ++i) {
        // One pass over each piece: every record of a skin holds dozens of rectangles.
        qint64 value = 0;
        bool digits = false;
        qsizetype end = start;
        for (; end < text.size() && text[end] != u','; ++end) {
            const char16_t c = text[end].unicode();
            if (c >= u'0' && c <= u'9' && value <= largest) {
                value = value * 10 + (c - u'0');
                digits = true;
            }
        }
        if (!digits || value > largest)
            throw EConvertError(
                QStringLiteral("'%1' is not a valid integer value")
                    .arg(start <= text.size() ? text.sliced(start, end - start) : QStringView()));
        numbers[i] = qint32(value);
        start = end + 1;
    }
    return numbers;
}

TPoint DecodeValue(const QStringView* text, const TPoint& def)
{
    if (!text)
        return def;
    const auto n = DecodeNumbers<2>(*text);
    return TPoint{n[0], n[1]};
}

TRect DecodeValue(const QStringView* text, const TRect& def)
{
    if (!text)
        return def;
    const auto n = DecodeNumbers<4>(*text);
    return TRect{n[0], n[1], n[2], n[3]};
}

struct FontStyleName {
    TFontStyle Style;
    const char16_t* Name;
};
static constexpr FontStyleName FontStyleNames[] = {{fsBold, u"fsbold"},
                                                   {fsItalic, u"fsitalic"},
                                                   {fsUnderline, u"fsunderline"},
                                                   {fsStrikeOut, u"fsstrikeout"}};

TFontStyles DecodeValue(const QStringView* text, TFontStyles def)
{
    if (!text)
        return def;
    TFontStyles styles;
    for (const FontStyleName& s : FontStyleNames)
        if (text->contains(QStringView(s.Name)))
            styles |= s.Style;
    return styles;
}

// The names of an enumeration in value order and the value an unknown name reads as.
template <class E, size_t count> struct EnumNames {
    std::array<const char16_t*, count> Names;
    E Unknown;

    E Decode(const QStringView* text, E def) const
    {
        if (!text)
            return def;
        for (size_t i = 0; i < count; ++i)
            if (*text == QStringView(Names[i]))
                return E(i);
        return Unknown;
    }
    QString Encode(E value) const
    {
        return size_t(value) < count ? QString::fromUtf16(Names[size_t(value)]) : QString();
    }
};

static constexpr EnumNames<TbsStretchType, 3> StretchTypeNames{{u"stfull", u"sthorz", u"stvert"}, bsstHorz};
static constexpr EnumNames<TbsMorphKind, 7> MorphKindNames{{u"mkdefault", u"mkgradient", u"mkleftgradient",
                                                            u"mkrightgradient", u"mkleftslide",
                                                            u"mkrightslide", u"mkpush"},
                                                           mkDefault};
static constexpr EnumNames<TbsInActiveEffect, 6> InActiveEffectNames{
    {u"iebrightness", u"iedarkness", u"iegrayscale", u"ienoise", u"iesplitblur", u"ieinvert"}, ieGrayScale};
static constexpr EnumNames<TAlignment, 3> AlignmentNames{{u"taleftjustify", u"tarightjustify", u"tacenter"},
                                                         taRightJustify};
// "cmminimizetotray" is not matched on purpose: it and every unknown name read as cmMinimizeToTray.
static constexpr EnumNames<TbsStdCommand, 6> CommandNames{
    {u"cmclose", u"cmmaximize", u"cmminimize", u"cmsysmenu", u"cmdefault", u"cmrollup"}, cmMinimizeToTray};

TbsStretchType DecodeValue(const QStringView* text, TbsStretchType def)
{
    return StretchTypeNames.Decode(text, def);
}
TbsMorphKind DecodeValue(const QStringView* text, TbsMorphKind def)
{
    return MorphKindNames.Decode(text, def);
}
TbsInActiveEffect DecodeValue(const QStringView* text, TbsInActiveEffect def)
{
    return InActiveEffectNames.Decode(text, def);
}
TAlignment DecodeValue(const QStringView* text, TAlignment def)
{
    return AlignmentNames.Decode(text, def);
}
TbsStdCommand DecodeValue(const QStringView* text, TbsStdCommand def)
{
    return CommandNames.Decode(text, def);
}

QString EncodeValue(qint32 value)
{
    return QString::number(value);
}
QString EncodeValue(bool value)
{
    return value ? QStringLiteral("1") : QStringLiteral("0");
}
QString EncodeValue(const QString& value)
{
    return value;
}
QString EncodeValue(const TPoint& value)
{
    return QStringLiteral("%1,%2").arg(value.X).arg(value.Y);
}
QString EncodeValue(const TRect& value)
{
    return QStringLiteral("%1,%2,%3,%4").arg(value.Left).arg(value.Top).arg(value.Right).arg(value.Bottom);
}
QString EncodeValue(TFontStyles value)
{
    QStringList names;
    for (const FontStyleName& s : FontStyleNames)
        if (value.testFlag(s.Style))
            names << QString::fromUtf16(s.Name);
    return names.join(u',');
}
QString EncodeValue(TbsStretchType value)
{
    return StretchTypeNames.Encode(value);
}
QString EncodeValue(TbsMorphKind value)
{
    return MorphKindNames.Encode(value);
}
QString EncodeValue(TbsInActiveEffect value)
{
    return InActiveEffectNames.Encode(value);
}
QString EncodeValue(TAlignment value)
{
    return AlignmentNames.Encode(value);
}
QString EncodeValue(TbsStdCommand value)
{
    return value == cmMinimizeToTray ? QStringLiteral("cmminimizetotray") : CommandNames.Encode(value);
}

} // namespace SkinValue

using namespace SkinValue;

template <class T>
static T Read(const TbsIniText& ini, const QString& section, const QString& key, const T& def)
{
    return DecodeValue(ini.FindValue(section, key), def);
}

template <class T>
static void Write(TbsIniText& ini, const QString& section, const QString& key, const T& value)
{
    ini.WriteString(section, key, EncodeValue(value));
}

qint32 ReadInteger(const TbsIniText& ini, const QString& section, const QString& key, qint32 def)
{
    return Read(ini, section, key, def);
}
TColor ReadColor(const TbsIniText& ini, const QString& section, const QString& key, TColor def)
{
    return Read(ini, section, key, def);
}
QString ReadString(const TbsIniText& ini, const QString& section, const QString& key, const QString& def)
{
    return Read(ini, section, key, def);
}
bool ReadBoolean(const TbsIniText& ini, const QString& section, const QString& key)
{
    return Read(ini, section, key, false);
}
TPoint ReadPoint(const TbsIniText& ini, const QString& section, const QString& key)
{
    return Read(ini, section, key, TPoint{});
}
TRect ReadRect(const TbsIniText& ini, const QString& section, const QString& key)
{
    return Read(ini, section, key, TRect{});
}
TFontStyles ReadFontStyles(const TbsIniText& ini, const QString& section, const QString& key)
{
    return Read(ini, section, key, TFontStyles{});
}
TbsStretchType ReadStretchType(const TbsIniText& ini, const QString& section, const QString& key)
{
    return Read(ini, section, key, bsstFull);
}
TbsMorphKind ReadMorphKind(const TbsIniText& ini, const QString& section, const QString& key)
{
    return Read(ini, section, key, mkDefault);
}
TbsInActiveEffect ReadInActiveEffect(const TbsIniText& ini, const QString& section, const QString& key)
{
    return Read(ini, section, key, ieBrightness);
}
TAlignment ReadAlignment(const TbsIniText& ini, const QString& section, const QString& key)
{
    return Read(ini, section, key, taCenter);
}
TbsStdCommand ReadCommand(const TbsIniText& ini, const QString& section, const QString& key)
{
    return Read(ini, section, key, cmDefault);
}

qint32 ReadCount(const TbsIniText& ini, const QString& section, const QString& key)
{
    return qint32(qMin<qsizetype>(ReadInteger(ini, section, key, 0), ini.KeyCount(section)));
}

QStringList ReadStrings(const TbsIniText& ini, const QString& section, const QString& name)
{
    const qint32 count = ReadCount(ini, section, name + QLatin1String("count"));
    QStringList list;
    for (qint32 i = 0; i < count; ++i)
        list << ReadString(ini, section, QString::number(i));
    return list;
}

void WriteInteger(TbsIniText& ini, const QString& section, const QString& key, qint32 value)
{
    Write(ini, section, key, value);
}
void WriteBoolean(TbsIniText& ini, const QString& section, const QString& key, bool value)
{
    Write(ini, section, key, value);
}
void WritePoint(TbsIniText& ini, const QString& section, const QString& key, const TPoint& value)
{
    Write(ini, section, key, value);
}
void WriteRect(TbsIniText& ini, const QString& section, const QString& key, const TRect& value)
{
    Write(ini, section, key, value);
}
void WriteFontStyles(TbsIniText& ini, const QString& section, const QString& key, TFontStyles value)
{
    Write(ini, section, key, value);
}
void WriteStretchType(TbsIniText& ini, const QString& section, const QString& key, TbsStretchType value)
{
    Write(ini, section, key, value);
}
void WriteMorphKind(TbsIniText& ini, const QString& section, const QString& key, TbsMorphKind value)
{
    Write(ini, section, key, value);
}
void WriteInActiveEffect(TbsIniText& ini, const QString& section, const QString& key, TbsInActiveEffect value)
{
    Write(ini, section, key, value);
}
void WriteAlignment(TbsIniText& ini, const QString& section, const QString& key, TAlignment value)
{
    Write(ini, section, key, value);
}
void WriteCommand(TbsIniText& ini, const QString& section, const QString& key, TbsStdCommand value)
{
    Write(ini, section, key, value);
}

void WriteStrings(TbsIniText& ini, const QString& section, const QString& name, const QStringList& value)
{
    WriteInteger(ini, section, name + QLatin1String("count"), qint32(value.size()));
    for (qsizetype i = 0; i < value.size(); ++i)
        ini.WriteString(section, QString::number(i), value[i]);
}
