// Text in the system's ANSI code page (GBK, code page 936): measuring and cutting by its bytes.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

// The first whole characters of text whose code-page form takes at most maxBytes bytes, as the
// code page gives them back: a character the code page cannot hold comes back as "?", and a
// character is never cut in two. ASCII takes one byte, a CJK character two.
QString AnsiLeft(const QString& text, int maxBytes);
// The number of bytes text takes in the code page.
int AnsiByteCount(const QString& text);

// Bytes in the code page as text. Pure ASCII takes a fast path; a byte sequence the code page does
// not define becomes U+FFFD.
QString AnsiToUnicode(QByteArrayView bytes);
// Text in the code page, or nothing when a character of it has no code-page form.
std::optional<QByteArray> UnicodeToAnsi(const QString& text);
