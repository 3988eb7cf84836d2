// Image list: pictures of one size, drawn enabled or in greys.
#include "TImageList.h"

#include <QImage>
#include <QPainter>

TImageList::TImageList(int width, int height, QObject* owner) : QObject(owner), FWidth(width), FHeight(height)
{
}

int TImageList::Add(const QPixmap& picture)
{
    QPixmap sized = picture.size() == QSize(FWidth, FHeight)
                        ? picture
                        : picture.scaled(FWidth, FHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    FImages.push_back(sized);
    return Count() - 1;
}

QPixmap TImageList::Picture(int index) const
{
    return ValidIndex(index) ? FImages[index] : QPixmap();
}

void TImageList::Draw(QPainter& painter, int x, int y, int index, bool enabled) const
{
    if (!ValidIndex(index))
        return;
    if (enabled) {
        painter.drawPixmap(x, y, FImages[index]);
        return;
    }
    QImage grey = FImages[index].toImage().convertToFormat(QImage::Format_ARGB32);
    for (int row = 0; row < grey.height(); ++row) {
        auto* line = reinterpret_cast<QRgb*>(grey.scanLine(row));
        for (int col = 0; col < grey.width(); ++col) {
            int v = qGray(line[col]);
            line[col] = qRgba(v, v, v, qAlpha(line[col]) / 2);
        }
    }
    painter.drawImage(x, y, grey);
}
