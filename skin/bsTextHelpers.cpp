// Text placement with the skin engine's pixel rules.
#include "bsTextHelpers.h"

#include <QFontInfo>
#include <QPainter>
#include <QTextBoundaryFinder>

int FontPixelHeight(const QFont& AFont)
{
    return AFont.pixelSize() > 0 ? AFont.pixelSize() : QFontInfo(AFont).pixelSize();
}

bool FontHeightIsOdd(const QFont& AFont)
{
    return FontPixelHeight(AFont) % 2 != 0;
}

int TextWidth(const QFontMetrics& AMetrics, const QString& AText)
{
    return AMetrics.horizontalAdvance(AText);
}

int TextHeight(const QFontMetrics& AMetrics, const QString&)
{
    return AMetrics.height();
}

QString ShortenText(const QFontMetrics& AMetrics, const QString& AText, int ALimit)
{
    static const QString dots = QStringLiteral("...");
    if (TextWidth(AMetrics, AText) <= ALimit)
        return AText;
    QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, AText);
    characters.toEnd();
    for (qsizetype end = characters.toPreviousBoundary(); end > 0; end = characters.toPreviousBoundary()) {
        const QString candidate = AText.left(end) + dots;
        if (TextWidth(AMetrics, candidate) <= ALimit)
            return candidate;
    }
    return dots;
}

QRect SingleLineTextRect(const QString& AText, const QRect& R, const QFont& AFont, bool AWidenForW)
{
    QRect rect = R;
    if (AWidenForW && AText.startsWith(QLatin1Char('W')))
        rect.adjust(0, 0, 2, 0);
    if (FontHeightIsOdd(AFont))
        rect.adjust(0, -1, 0, 0);
    return rect;
}

namespace
{
void DrawSingleLine(QPainter& C, const QString& AText, const QRect& R, bool AWidenForW,
                    Qt::Alignment AHorizontal)
{
    if (AText.isEmpty())
        return;
    C.drawText(SingleLineTextRect(AText, R, C.font(), AWidenForW),
               int(AHorizontal | Qt::AlignVCenter) | Qt::TextSingleLine, AText);
}
} // namespace

void DrawTextCentered(QPainter& C, const QString& AText, const QRect& R)
{
    DrawSingleLine(C, AText, R, true, Qt::AlignHCenter);
}

void DrawTextLeft(QPainter& C, const QString& AText, const QRect& R)
{
    DrawSingleLine(C, AText, R, true, Qt::AlignLeft);
}

void DrawTextLeftNoWiden(QPainter& C, const QString& AText, const QRect& R)
{
    DrawSingleLine(C, AText, R, false, Qt::AlignLeft);
}

QPoint TextAtLeftPosition(const QFont& AFont, const QString& AText, const QRect& R, int AIndent)
{
    const int x = AIndent >= 0 ? R.left() + AIndent + 2 : R.left() + 1;
    const int y = R.top() + R.height() / 2 - (FontHeightIsOdd(AFont) ? 1 : 0) -
                  TextHeight(QFontMetrics(AFont), AText) / 2;
    return QPoint(x, y);
}

void DrawTextAtLeft(QPainter& C, const QString& AText, const QRect& R, int AIndent)
{
    const QPoint at = TextAtLeftPosition(C.font(), AText, R, AIndent);
    const QFontMetrics metrics(C.font());
    C.save();
    C.setClipRect(R, Qt::IntersectClip);
    C.drawText(QRect(at, QSize(TextWidth(metrics, AText) + 1, TextHeight(metrics, AText))),
               Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, AText);
    C.restore();
}
