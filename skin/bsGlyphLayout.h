// Placement and drawing of a button's glyph and caption, shared by every skinned button.
#pragma once

#include "bsSkinEnums.h"
#include "bsSkinTypes.h"

#include <QImage>
#include <QPixmap>
#include <QPoint>
#include <QRect>
#include <QString>

class QFontMetrics;
class QPainter;

// Top-left corners of the glyph and the caption inside a button.
struct TbsGlyphCaptionPlace {
    QPoint Glyph;
    QPoint Caption;
};

// Where the glyph (AGlyph, 0 x 0 for none) and the caption (ACaption) stand in the client
// rectangle R for the layout; AMargin -1 centres the pair; the spacing counts only with a glyph.
TbsGlyphCaptionPlace PlaceGlyphAndCaption(const QRect& R, const QSize& AGlyph, const QSize& ACaption,
                                          TbsButtonLayout ALayout, int AMargin, int ASpacing);

// The caption's size with word wrap in R less the glyph's width (left and right layouts) or
// height (top and bottom layouts); 0 x 0 for an empty caption.
QSize MeasureCaption(const QFontMetrics& AMetrics, const QString& ACaption, const QRect& R,
                     const QSize& AGlyph, TbsButtonLayout ALayout);

// A button's glyph: an image-list image drawn enabled or disabled, or state GlyphNum (from 1) of a
// bitmap strip of NumGlyphs states side by side. NumGlyphs > 0 makes the button a strip button
// (its caption and marker are placed for strips) even while its strip is empty.
struct TbsButtonGlyph {
    QPixmap Image;
    bool Enabled = true;
    QImage Strip;
    int NumGlyphs = 0;
    int GlyphNum = 1;

    bool StripButton() const { return NumGlyphs > 0; }
    bool FromStrip() const { return StripButton() && !Strip.isNull(); }
    QSize Size() const;
};

// An optional colour shown under the glyph of a colour-picking button.
struct TbsColorMarker {
    TColor Color = 0;
    bool Visible = false;
};

// Draws the glyph and the caption (word wrap, expanded tabs, centred) of a button with the
// painter's font, one pixel right and down when pressed, and the colour marker.
void DrawGlyphAndCaption(QPainter& C, const QRect& R, int AMargin, int ASpacing, TbsButtonLayout ALayout,
                         const QString& ACaption, const TbsButtonGlyph& AGlyph, bool APressed,
                         const TbsColorMarker& AMarker = TbsColorMarker());
