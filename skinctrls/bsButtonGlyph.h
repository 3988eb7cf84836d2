// What a button shows inside its text rectangle, and drawing it with the skin's glyph and caption
// placement.
#pragma once

#include "bsSkinEnums.h"

#include <QPixmap>
#include <QRect>
#include <QString>

class QPainter;
class TImageList;

// A button's caption and glyph and the state they are drawn in.
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

// The cell of the glyph strip for the state, from 1: 3 hot and down, 4 hot, 1 enabled, 2 disabled,
// each only when the strip has that many cells.
int GlyphCell(const TbsGlyphAndCaption& content);
// Draws the glyph and the caption (with the painter's font and pen) inside R; a pressed button
// draws them at the same place as a released one.
void DrawButtonContent(QPainter& painter, const QRect& R, const TbsGlyphAndCaption& content);
