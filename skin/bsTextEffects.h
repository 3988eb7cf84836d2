// Caption text effects: glow, glass glow and reflection drawn behind or under a title.
#pragma once

#include "bsBitmap.h"
#include "bsSkinTypes.h"

#include <QRect>
#include <QString>

class QPainter;

// Blurs AImage APasses times with radius ARadius, then makes every pixel AColor with an alpha
// equal to its red value: text drawn in pure red becomes its own soft glow.
void TurnIntoGlow(TbsBitmap& AImage, int ARadius, int APasses, TColor AColor);

// The text with a glow of AGlowSize pixels in AGlowColor, moved by AOffset, behind it. AFlags are
// Qt text flags for the text within R.
void DrawGlowText(QPainter& C, const QString& AText, const QRect& R, int AFlags, int AGlowSize,
                  TColor AGlowColor, int AOffset);
// The text over a glass backdrop: a soft block behind the text AMargin pixels wider on every side
// (the two caption variants use margins of 10 and 12).
void DrawGlassGlowText(QPainter& C, const QString& AText, const QRect& R, int AFlags, TColor AGlowColor,
                       int AMargin);
// The text with its mirror image fading out below it, AOffset pixels under the text rectangle.
void DrawReflectionText(QPainter& C, const QString& AText, const QRect& R, int AFlags, TColor AColor,
                        int AOffset);
