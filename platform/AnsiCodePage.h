// Text in the system's ANSI code page (GBK, code page 936): measuring and cutting by its bytes.
#pragma once

#include <QString>

// The first whole characters of text whose code-page form takes at most maxBytes bytes, as the
// code page gives them back: a character the code page cannot hold comes back as "?", and a
// character is never cut in two. ASCII takes one byte, a CJK character two.
QString AnsiLeft(const QString& text, int maxBytes);
// The number of bytes text takes in the code page.
int AnsiByteCount(const QString& text);
