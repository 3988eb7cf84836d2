// Placement and drawing of a button's glyph and caption.
#include "bsGlyphLayout.h"

#include "bsColors.h"
#include "bsPaintParts.h"
#include "bsTextHelpers.h"

#include <QFontMetrics>
#include <QIcon>
#include <QPainter>

TbsGlyphCaptionPlace PlaceGlyphAndCaption(const QRect& R, const QSize& AGlyph, const QSize& ACaption,
                                          TbsButtonLayout ALayout, int AMargin, int ASpacing)
{
    const int GW = AGlyph.width(), GH = AGlyph.height(), TW = ACaption.width(), TH = ACaption.height();
    const int S = GW == 0 ? 0 : ASpacing;
    const int cx = R.left() + R.width() / 2, cy = R.top() + R.height() / 2;
    const int halfW = (GW + TW + S) / 2, halfH = (TH + GH + S) / 2;
    const int right = R.left() + R.width(), bottom = R.top() + R.height();
    TbsGlyphCaptionPlace p;
    if (AMargin == -1) {
        switch (ALayout) {
        case blGlyphLeft:
            p = {{cx - halfW, cy - GH / 2}, {cx + halfW - TW, cy - TH / 2}};
            break;
        case blGlyphRight:
            p = {{cx + halfW - GW, cy - GH / 2}, {cx - halfW, cy - TH / 2}};
            break;
        case blGlyphTop:
            p = {{cx - GW / 2, cy - halfH}, {cx - TW / 2, cy + halfH - TH}};
            break;
        case blGlyphBottom:
            p = {{cx - GW / 2, cy + halfH - GH}, {cx - TW / 2, cy - halfH}};
            break;
        }
        return p;
    }
    switch (ALayout) {
    case blGlyphLeft:
        p.Glyph = {R.left() + AMargin, cy - GH / 2};
        p.Caption = {p.Glyph.x() + GW + S, cy - TH / 2};
        break;
    case blGlyphRight:
        p.Glyph = {right - GW - AMargin, cy - GH / 2};
        p.Caption = {p.Glyph.x() - S - TW, cy - TH / 2};
        break;
    case blGlyphTop:
        p.Glyph = {cx - GW / 2, R.top() + AMargin};
        p.Caption = {cx - TW / 2, p.Glyph.y() + GH + S};
        break;
    case blGlyphBottom:
        p.Glyph = {cx - GW / 2, bottom - GH - AMargin};
        p.Caption = {cx - TW / 2, p.Glyph.y() - S - TH};
        break;
    }
    return p;
}

QSize MeasureCaption(const QFontMetrics& AMetrics, const QString& ACaption, const QRect& R,
                     const QSize& AGlyph, TbsButtonLayout ALayout)
{
    if (ACaption.isEmpty())
        return QSize(0, 0);
    QRect area(0, 0, R.width(), R.height());
    if (ALayout == blGlyphLeft || ALayout == blGlyphRight)
        area.setWidth(R.width() - AGlyph.width());
    else
        area.setHeight(R.height() - AGlyph.height());
    return AMetrics.boundingRect(area, Qt::TextWordWrap | Qt::TextExpandTabs, ACaption).size();
}

QSize TbsButtonGlyph::Size() const
{
    if (FromStrip())
        return QSize(Strip.width() / NumGlyphs, Strip.height());
    return Image.isNull() ? QSize(0, 0) : Image.size();
}

void DrawGlyphAndCaption(QPainter& C, const QRect& R, int AMargin, int ASpacing, TbsButtonLayout ALayout,
                         const QString& ACaption, const TbsButtonGlyph& AGlyph, bool APressed,
                         const TbsColorMarker& AMarker)
{
    const QSize glyph = AGlyph.Size();
    const QSize caption = MeasureCaption(QFontMetrics(C.font()), ACaption, R, glyph, ALayout);
    TbsGlyphCaptionPlace place = PlaceGlyphAndCaption(R, glyph, caption, ALayout, AMargin, ASpacing);
    if (APressed) {
        place.Glyph += QPoint(1, 1);
        place.Caption += QPoint(1, 1);
    }
    const bool hasGlyph = !glyph.isEmpty();
    if (hasGlyph && AGlyph.FromStrip())
        DrawStripFrame(C, place.Glyph.x(), place.Glyph.y(), AGlyph.GlyphNum, AGlyph.NumGlyphs, AGlyph.Strip);
    else if (hasGlyph)
        C.drawPixmap(place.Glyph, AGlyph.Enabled
                                      ? AGlyph.Image
                                      : QIcon(AGlyph.Image).pixmap(AGlyph.Image.size(), QIcon::Disabled));

    const QRect textRect(place.Caption, caption);
    if (!ACaption.isEmpty()) {
        QRect drawn = textRect.adjusted(0, 0, AGlyph.StripButton() ? 2 : 1, 0);
        if (FontHeightIsOdd(C.font()))
            drawn.translate(0, -1);
        C.drawText(drawn, Qt::TextWordWrap | Qt::TextExpandTabs | Qt::AlignHCenter | Qt::AlignTop, ACaption);
    }

    if (!AMarker.Visible)
        return;
    const QColor color = ColorToQColor(AMarker.Color);
    if (hasGlyph) {
        C.fillRect(QRect(place.Glyph.x(), place.Glyph.y() + glyph.height() - 2, glyph.width(), 3), color);
    } else if (!ACaption.isEmpty()) {
        C.fillRect(QRect(textRect.left(), textRect.top() + textRect.height() - 1, textRect.width(), 3),
                   color);
    } else {
        const bool strip = APressed && AGlyph.StripButton();
        C.fillRect(R.adjusted(2, strip ? 5 : 4, -2, strip ? -3 : -4), color);
    }
}
