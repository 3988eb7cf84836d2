// Text placement with the skin engine's pixel rules: measuring, shortening with "...", single-line text.
#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QRect>
#include <QString>

class QPainter;

// The font's height in pixels as the skin gives it (its pixel size), or as the font resolves.
int FontPixelHeight(const QFont& AFont);
// Odd font heights move text up by one pixel in several helpers.
bool FontHeightIsOdd(const QFont& AFont);

// The size of the text laid out on one line.
int TextWidth(const QFontMetrics& AMetrics, const QString& AText);
int TextHeight(const QFontMetrics& AMetrics, const QString& AText);

// The text itself when it fits ALimit; otherwise the longest front part of it that fits when
// followed by "...", then "..." (also when "..." alone does not fit). Whole characters are removed,
// so a surrogate pair or a combining sequence is never split.
QString ShortenText(const QFontMetrics& AMetrics, const QString& AText, int ALimit);

// The rectangle the single-line routines draw in: widened by 2 on the right for a text starting
// with a capital W (when AWidenForW), its top raised by 1 for an odd font height.
QRect SingleLineTextRect(const QString& AText, const QRect& R, const QFont& AFont, bool AWidenForW);

// One line of text in R with the painter's font: centred both ways, or left and centred vertically;
// nothing for an empty text.
void DrawTextCentered(QPainter& C, const QString& AText, const QRect& R);
void DrawTextLeft(QPainter& C, const QString& AText, const QRect& R);
// DrawTextLeft without the capital-W widening.
void DrawTextLeftNoWiden(QPainter& C, const QString& AText, const QRect& R);

// Where the left-aligned clipped text goes: x = R.left + 1 (R.left + AIndent + 2 with an indent
// of 0 or more), y = R.top + height div 2 - (1 for an odd font) - text height div 2.
QPoint TextAtLeftPosition(const QFont& AFont, const QString& AText, const QRect& R, int AIndent = -1);
// The text at that position, clipped to R.
void DrawTextAtLeft(QPainter& C, const QString& AText, const QRect& R, int AIndent = -1);
