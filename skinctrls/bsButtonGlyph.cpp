// Glyph and caption placement: centred as a pair, or at a margin from one side.
#include "bsButtonGlyph.h"

#include "TImageList.h"

#include <QFontMetrics>
#include <QPainter>

namespace {

constexpr int TextFlags = Qt::TextWordWrap | Qt::TextExpandTabs;

QSize GlyphSize(const TbsGlyphAndCaption& c)
{
    if (c.Images && c.Images->ValidIndex(c.ImageIndex))
        return QSize(c.Images->Width(), c.Images->Height());
    if (c.Glyph.isNull() || c.NumGlyphs < 1)
        return QSize(0, 0);
    return QSize(c.Glyph.width() / c.NumGlyphs, c.Glyph.height());
}

// Cell 1 normal, 2 disabled, 3 down, 4 hot (1-based, as the glyph strip is laid out).
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

} // namespace

void LayoutGlyphAndCaption(const QFontMetrics& metrics, const QRect& R, const TbsGlyphAndCaption& c,
                           QRect& glyphRect, QRect& captionRect)
{
    QSize glyph = GlyphSize(c);
    const int gw = glyph.width(), gh = glyph.height();
    const bool horizontal = c.Layout == blGlyphLeft || c.Layout == blGlyphRight;
    int tw = 0, th = 0;
    if (!c.Caption.isEmpty()) {
        QRect room(0, 0, horizontal ? R.width() - gw : R.width(), horizontal ? R.height() : R.height() - gh);
        QRect measured = metrics.boundingRect(room, TextFlags, c.Caption);
        tw = measured.width();
        th = measured.height();
    }
    const int s = gw == 0 ? 0 : c.Spacing;
    const int cx = R.left() + R.width() / 2, cy = R.top() + R.height() / 2;
    int gx = cx - gw / 2, gy = cy - gh / 2, tx = cx - tw / 2, ty = cy - th / 2;
    if (c.Margin == -1) {
        const int halfW = (gw + tw + s) / 2, halfH = (th + gh + s) / 2;
        switch (c.Layout) {
        case blGlyphLeft:
            gx = cx - halfW;
            tx = cx + halfW - tw;
            break;
        case blGlyphRight:
            tx = cx - halfW;
            gx = cx + halfW - gw;
            break;
        case blGlyphTop:
            gy = cy - halfH;
            ty = cy + halfH - th;
            break;
        case blGlyphBottom:
            ty = cy - halfH;
            gy = cy + halfH - gh;
            break;
        }
    } else {
        const int m = c.Margin;
        switch (c.Layout) {
        case blGlyphLeft:
            gx = R.left() + m;
            tx = gx + gw + s;
            break;
        case blGlyphRight:
            gx = R.left() + R.width() - gw - m;
            tx = gx - s - tw;
            break;
        case blGlyphTop:
            gy = R.top() + m;
            ty = gy + gh + s;
            break;
        case blGlyphBottom:
            gy = R.top() + R.height() - gh - m;
            ty = gy - s - th;
            break;
        }
    }
    glyphRect = gw > 0 ? QRect(gx, gy, gw, gh) : QRect();
    captionRect = tw > 0 ? QRect(tx, ty, tw, th) : QRect();
}

void DrawGlyphAndCaption(QPainter& painter, const QRect& R, const TbsGlyphAndCaption& c)
{
    QRect glyphRect, captionRect;
    LayoutGlyphAndCaption(painter.fontMetrics(), R, c, glyphRect, captionRect);
    if (!glyphRect.isNull()) {
        if (c.Images && c.Images->ValidIndex(c.ImageIndex)) {
            c.Images->Draw(painter, glyphRect.left(), glyphRect.top(), c.ImageIndex, c.Enabled);
        } else {
            int cell = GlyphCell(c) - 1;
            painter.drawPixmap(glyphRect.topLeft(), c.Glyph,
                               QRect(cell * glyphRect.width(), 0, glyphRect.width(), glyphRect.height()));
        }
    }
    if (captionRect.isNull())
        return;
    const bool fromImageList = c.Images && c.Images->ValidIndex(c.ImageIndex);
    captionRect.setRight(captionRect.right() + (fromImageList ? 1 : 2));
    if (painter.fontMetrics().height() % 2 != 0)
        captionRect.translate(0, -1);
    painter.drawText(captionRect, Qt::AlignCenter | TextFlags, c.Caption);
}
