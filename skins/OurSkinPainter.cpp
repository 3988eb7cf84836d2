// Faces, glyphs and the shadow rim of the program's own skin.
#include "OurSkinPainter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

void FillRounded(QPainter& p, const QRect& r, double radius, const QColor& fill)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, radius > 0);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(r), radius, radius);
    p.restore();
}

void DrawFace(QPainter& p, const QRect& r, double radius, int line, const QColor& border, const QColor& top,
              const QColor& bottom)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, radius > 0);
    p.setPen(Qt::NoPen);
    p.setBrush(border);
    p.drawRoundedRect(QRectF(r), radius, radius);
    const QRectF inner = QRectF(r).adjusted(line, line, -line, -line);
    QLinearGradient gradient(inner.topLeft(), inner.bottomLeft());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    p.setBrush(gradient);
    const double innerRadius = std::max(0.0, radius - line);
    p.drawRoundedRect(inner, innerRadius, innerRadius);
    p.restore();
}

namespace {

// Pen positions on pixel centres for odd pen widths, on pixel edges for even ones, so that
// horizontal and vertical strokes stay one exact run of pixels at every scale.
double Snap(double v, int line)
{
    return line % 2 ? std::floor(v) + 0.5 : std::round(v);
}

} // namespace

void DrawGlyph(QPainter& p, const QRect& r, TGlyph glyph, int g, int line, const QColor& colour)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    QPen pen(colour, line, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    const double cx = r.left() + r.width() / 2.0;
    const double cy = r.top() + r.height() / 2.0;
    const double h = g / 2.0;
    const double l = Snap(cx - h, line), t = Snap(cy - h, line);
    const double rr = Snap(cx + h, line) - (line % 2 ? 1 : 0), b = Snap(cy + h, line) - (line % 2 ? 1 : 0);
    const double mx = Snap(cx, line), my = Snap(cy, line);
    switch (glyph) {
    case TGlyph::Close:
        // A one-pixel diagonal through pixel centres stays crisp only without antialiasing; at
        // the wider pens of larger scales smoothing reads better.
        p.setRenderHint(QPainter::Antialiasing, line >= 2);
        pen.setCapStyle(line >= 2 ? Qt::FlatCap : Qt::SquareCap);
        p.setPen(pen);
        p.drawLine(QPointF(l, t), QPointF(rr, b));
        p.drawLine(QPointF(l, b), QPointF(rr, t));
        break;
    case TGlyph::Maximize:
        p.setRenderHint(QPainter::Antialiasing, false);
        p.drawRect(QRectF(l, t, rr - l, b - t));
        break;
    case TGlyph::Restore: {
        p.setRenderHint(QPainter::Antialiasing, false);
        const double d = std::max(2.0, std::round(g / 4.0));
        p.drawRect(QRectF(l, t + d, rr - l - d, b - t - d));
        QPainterPath back;
        back.moveTo(l + d, t + d);
        back.lineTo(l + d, t);
        back.lineTo(rr, t);
        back.lineTo(rr, b - d);
        back.lineTo(rr - d, b - d);
        p.drawPath(back);
        break;
    }
    case TGlyph::Minimize:
        p.setRenderHint(QPainter::Antialiasing, false);
        p.drawLine(QPointF(l, my), QPointF(rr, my));
        break;
    case TGlyph::Check: {
        QPainterPath path;
        path.moveTo(cx - h, cy);
        path.lineTo(cx - h / 3, cy + h * 0.66);
        path.lineTo(cx + h, cy - h * 0.7);
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
        p.setPen(pen);
        p.drawPath(path);
        break;
    }
    case TGlyph::Dash:
    case TGlyph::Minus:
        p.setRenderHint(QPainter::Antialiasing, false);
        p.drawLine(QPointF(l, my), QPointF(rr, my));
        break;
    case TGlyph::Plus:
        p.setRenderHint(QPainter::Antialiasing, false);
        p.drawLine(QPointF(l, my), QPointF(rr, my));
        p.drawLine(QPointF(mx, t), QPointF(mx, b));
        break;
    case TGlyph::Dot:
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        p.drawEllipse(QPointF(cx, cy), h, h);
        break;
    case TGlyph::ChevronLeft:
    case TGlyph::ChevronRight:
    case TGlyph::ChevronUp:
    case TGlyph::ChevronDown: {
        // The arms run at 45 degrees between pixel centres, so a one-pixel chevron is a clean
        // staircase (drawn without antialiasing) rather than a grey smear.
        const double q = std::max(1.0, std::floor(h / 2));
        const double hs = 2 * q;
        QPointF a, m, z;
        if (glyph == TGlyph::ChevronDown) {
            a = {mx - hs, my - q};
            m = {mx, my + q};
            z = {mx + hs, my - q};
        } else if (glyph == TGlyph::ChevronUp) {
            a = {mx - hs, my + q};
            m = {mx, my - q};
            z = {mx + hs, my + q};
        } else if (glyph == TGlyph::ChevronRight) {
            a = {mx - q, my - hs};
            m = {mx + q, my};
            z = {mx - q, my + hs};
        } else {
            a = {mx + q, my - hs};
            m = {mx - q, my};
            z = {mx + q, my + hs};
        }
        p.setRenderHint(QPainter::Antialiasing, line >= 2);
        QPainterPath path;
        path.moveTo(a);
        path.lineTo(m);
        path.lineTo(z);
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
        p.setPen(pen);
        p.drawPath(path);
        break;
    }
    case TGlyph::AppMark: {
        // A record card: a rounded square in the glyph colour with a head and three text lines.
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        p.drawRoundedRect(QRectF(cx - h, cy - h, g, g), g / 5.0, g / 5.0);
        const QColor ink = colour.lightness() > 128 ? QColor(0x20, 0x22, 0x25) : QColor(Qt::white);
        p.setBrush(ink);
        p.drawEllipse(QPointF(cx - h / 2.2, cy - h / 3.5), h / 4.5, h / 4.5);
        QPen linePen(ink, std::max(1, line), Qt::SolidLine, Qt::RoundCap);
        p.setPen(linePen);
        p.drawLine(QPointF(cx - h * 0.05, cy - h * 0.45), QPointF(cx + h * 0.6, cy - h * 0.45));
        p.drawLine(QPointF(cx - h * 0.05, cy - h * 0.1), QPointF(cx + h * 0.6, cy - h * 0.1));
        p.drawLine(QPointF(cx - h * 0.6, cy + h * 0.45), QPointF(cx + h * 0.6, cy + h * 0.45));
        break;
    }
    case TGlyph::Grip:
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        for (int i = -1; i <= 1; ++i)
            p.drawEllipse(QPointF(cx + i * h / 1.5, cy), line * 0.8, line * 0.8);
        break;
    }
    p.restore();
}

QImage ShadowMask(int w, int h, const QRect& window, int dx, int dy, double spread, int maxAlpha)
{
    QImage mask(w, h, QImage::Format_RGB32);
    const QRectF caster = QRectF(window).translated(dx, dy);
    for (int y = 0; y < h; ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(mask.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const double px = x + 0.5, py = y + 0.5;
            const double ex = std::max({caster.left() - px, 0.0, px - caster.right()});
            const double ey = std::max({caster.top() - py, 0.0, py - caster.bottom()});
            const double d = std::sqrt(ex * ex + ey * ey);
            const double f = std::exp(-(d * d) / (2 * (spread / 2.6) * (spread / 2.6)));
            int a = int(std::lround(maxAlpha * f));
            if (window.contains(x, y))
                a = 0;
            row[x] = qRgb(a, a, a);
        }
    }
    return mask;
}
