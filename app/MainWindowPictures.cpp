// Line drawings on coloured tiles for the main window's buttons.
#include "MainWindowPictures.h"

#include "TImageList.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>

namespace {

constexpr int Size = 64;

QPixmap Tile(const QColor& colour, const std::function<void(QPainter&)>& drawing)
{
    QImage image(Size, Size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fill(0, 4, 0, 60);
    fill.setColorAt(0, colour.lighter(125));
    fill.setColorAt(1, colour.darker(115));
    p.setPen(QPen(colour.darker(140), 1));
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(4.5, 4.5, 55, 55), 11, 11);
    p.setPen(QPen(Qt::white, 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    drawing(p);
    p.end();
    return QPixmap::fromImage(image);
}

void Person(QPainter& p, qreal cx, qreal top, qreal scale)
{
    p.drawEllipse(QPointF(cx, top + 6 * scale), 5.5 * scale, 5.5 * scale);
    QPainterPath body;
    body.moveTo(cx - 10 * scale, top + 26 * scale);
    body.cubicTo(cx - 10 * scale, top + 14 * scale, cx + 10 * scale, top + 14 * scale, cx + 10 * scale,
                 top + 26 * scale);
    p.drawPath(body);
}

void Archive(QPainter& p)
{
    // A folder holding a record card.
    QPainterPath folder;
    folder.moveTo(15, 22);
    folder.lineTo(27, 22);
    folder.lineTo(31, 26);
    folder.lineTo(49, 26);
    folder.lineTo(49, 47);
    folder.lineTo(15, 47);
    folder.closeSubpath();
    p.drawPath(folder);
    Person(p, 32, 29, 0.55);
    p.drawLine(QPointF(22, 43), QPointF(42, 43));
}

void Database(QPainter& p)
{
    // A stack of discs.
    p.drawEllipse(QRectF(17, 15, 30, 10));
    p.drawLine(QPointF(17, 20), QPointF(17, 44));
    p.drawLine(QPointF(47, 20), QPointF(47, 44));
    p.drawArc(QRectF(17, 27, 30, 10), 180 * 16, 180 * 16);
    p.drawArc(QRectF(17, 39, 30, 10), 180 * 16, 180 * 16);
}

void ToDo(QPainter& p)
{
    // A list with ticked boxes.
    for (int i = 0; i < 3; ++i) {
        const qreal y = 18 + i * 11;
        p.drawRect(QRectF(16, y, 7, 7));
        p.drawLine(QPointF(29, y + 3.5), QPointF(48, y + 3.5));
    }
    p.setPen(QPen(QColor(255, 240, 160), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({QPointF(17, 21), QPointF(20, 24), QPointF(26, 15)}));
    p.drawPolyline(QPolygonF({QPointF(17, 32), QPointF(20, 35), QPointF(26, 26)}));
}

void PersonnelChange(QPainter& p)
{
    // Two people with arrows between them.
    Person(p, 21, 17, 0.7);
    Person(p, 43, 17, 0.7);
    p.drawLine(QPointF(24, 43), QPointF(40, 43));
    p.drawPolyline(QPolygonF({QPointF(36, 39), QPointF(40, 43), QPointF(36, 47)}));
    p.drawLine(QPointF(24, 50), QPointF(40, 50));
    p.drawPolyline(QPolygonF({QPointF(28, 46), QPointF(24, 50), QPointF(28, 54)}));
}

void Users(QPainter& p)
{
    // A person with a key.
    Person(p, 26, 15, 0.95);
    p.drawEllipse(QPointF(41, 38), 5, 5);
    p.drawLine(QPointF(41, 43), QPointF(41, 52));
    p.drawLine(QPointF(41, 48), QPointF(45, 48));
    p.drawLine(QPointF(41, 52), QPointF(45, 52));
}

void Exit(QPainter& p)
{
    // A power symbol.
    p.drawArc(QRectF(18, 19, 28, 28), 120 * 16, 300 * 16);
    p.drawLine(QPointF(32, 14), QPointF(32, 31));
}

void LogInAgain(QPainter& p)
{
    // A circular arrow around a person.
    p.drawArc(QRectF(14, 14, 36, 36), 60 * 16, 270 * 16);
    p.drawPolyline(QPolygonF({QPointF(40, 11), QPointF(42, 18), QPointF(35, 20)}));
    Person(p, 32, 22, 0.6);
}

} // namespace

void AddMainWindowPictures(TImageList& list)
{
    list.Add(Tile(QColor(52, 120, 198), Archive));
    list.Add(Tile(QColor(96, 110, 128), Database));
    list.Add(Tile(QColor(230, 146, 40), ToDo));
    list.Add(Tile(QColor(58, 160, 110), PersonnelChange));
    list.Add(Tile(QColor(128, 92, 186), Users));
    list.Add(Tile(QColor(204, 70, 60), Exit));
    list.Add(Tile(QColor(40, 156, 170), LogInAgain));
}
