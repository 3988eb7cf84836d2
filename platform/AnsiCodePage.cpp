// Cutting text by the bytes of the system code page, one whole character at a time.
#include "AnsiCodePage.h"

#include <QList>
#include <QStringConverter>

namespace {

// One character converted to the code page and back: its byte count and how it then reads.
struct AnsiChar {
    int Bytes;
    QString Text;
};

AnsiChar ToAnsiAndBack(const QString& character)
{
    static QStringEncoder encoder("GBK", QStringConverter::Flag::Stateless);
    static QStringDecoder decoder("GBK", QStringConverter::Flag::Stateless);
    if (encoder.isValid() && decoder.isValid()) {
        const QByteArray bytes = encoder.encode(character);
        encoder.resetState();
        const QString back = decoder.decode(bytes);
        decoder.resetState();
        return {int(bytes.size()), back};
    }
    // Without the code page's tables: ASCII one byte, the rest of the basic plane two, and
    // anything beyond it unrepresentable.
    const char32_t c = character.toUcs4().value(0);
    if (c < 0x80)
        return {1, character};
    if (c <= 0xFFFF)
        return {2, character};
    return {1, QStringLiteral("?")};
}

// The number of UTF-16 units of the character that starts at index i: two for a surrogate pair.
qsizetype CharLength(const QString& text, qsizetype i)
{
    return text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate() ? 2 : 1;
}

} // namespace

QString AnsiLeft(const QString& text, int maxBytes)
{
    QString result;
    int used = 0;
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length = CharLength(text, i);
        const AnsiChar c = ToAnsiAndBack(text.mid(i, length));
        i += length;
        if (used + c.Bytes > maxBytes)
            break;
        used += c.Bytes;
        result += c.Text;
    }
    return result;
}

int AnsiByteCount(const QString& text)
{
    int bytes = 0;
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length = CharLength(text, i);
        bytes += ToAnsiAndBack(text.mid(i, length)).Bytes;
        i += length;
    }
    return bytes;
}

// No early exit: the loop then runs over whole vector registers, and a skin's description is
// tens of kilobytes of ASCII, where an exit would never be taken.
static bool IsAscii(QByteArrayView bytes)
{
    unsigned char bits = 0;
    for (char c : bytes)
        bits |= static_cast<unsigned char>(c);
    return bits < 0x80;
}

QString AnsiToUnicode(QByteArrayView bytes)
{
    if (IsAscii(bytes))
        return QString::fromLatin1(bytes);
    QStringDecoder decoder("GBK");
    if (!decoder.isValid())
        return QString::fromLocal8Bit(bytes);
    return decoder.decode(bytes);
}

std::optional<QByteArray> UnicodeToAnsi(const QString& text)
{
    bool ascii = true;
    for (QChar c : text)
        if (c.unicode() >= 0x80) {
            ascii = false;
            break;
        }
    if (ascii)
        return text.toLatin1();
    QStringEncoder encoder("GBK");
    if (!encoder.isValid())
        return std::nullopt;
    QByteArray bytes = encoder.encode(text);
    if (encoder.hasError())
        return std::nullopt;
    return bytes;
}
