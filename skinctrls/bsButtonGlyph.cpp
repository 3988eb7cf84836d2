// A button's content through the skin's glyph and caption placement.
#include "bsButtonGlyph.h"

#include "TImageList.h"
#include "bsGlyphLayout.h"

int GlyphCell(const TbsGlyphAndCaption& c)
{
    if (c.Hot && c.Down && c.NumGlyphs > 2)
        return 3;
    if (c.Hot && c.NumGlyphs > 3)
        return 4;
    if (c.Enabled || c.NumGlyphs < 2)
        return 1;
    return 2;
}

void DrawButtonContent(QPainter& painter, const QRect& R, const TbsGlyphAndCaption& c)
{
    TbsButtonGlyph glyph;
    if (c.Images && c.Images->ValidIndex(c.ImageIndex)) {
        glyph.Image = c.Images->Picture(c.ImageIndex);
        glyph.Enabled = c.Enabled;
    } else {
        glyph.Strip = c.Glyph.toImage();
        glyph.NumGlyphs = c.NumGlyphs;
        glyph.GlyphNum = GlyphCell(c);
    }
    DrawGlyphAndCaption(painter, R, c.Margin, c.Spacing, c.Layout, c.Caption, glyph, false);
}
