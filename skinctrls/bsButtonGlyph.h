// Placement and drawing of a button's glyph and caption, shared by every kind of button.
#pragma once

#include "bsSkinEnums.h"

#include <QPixmap>
#include <QRect>
#include <QString>

class QPainter;
class TImageList;

// What a button shows inside its text rectangle and in which state.
struct TbsGlyphAndCaption {
    QString Caption;
    // The glyph: a picture of the image list at ImageIndex when the index is valid, else Glyph cut
    // into NumGlyphs cells side by side (normal, disabled, down, hot).
    const TImageList* Images = nullptr;
    int ImageIndex = -1;
    QPixmap Glyph;
    int NumGlyphs = 1;
    TbsButtonLayout Layout = blGlyphLeft;
    int Margin = -1; // -1 centres glyph and caption as a pair
    int Spacing = 1;
    bool Enabled = true;
    bool Hot = false;
    bool Down = false;
};

// The glyph and caption rectangles inside R; empty glyph or caption give empty rectangles.
void LayoutGlyphAndCaption(const QFontMetrics& metrics, const QRect& R, const TbsGlyphAndCaption& content,
                           QRect& glyphRect, QRect& captionRect);
// Draws the glyph and the caption (with the painter's font and pen) inside R.
void DrawGlyphAndCaption(QPainter& painter, const QRect& R, const TbsGlyphAndCaption& content);
