// Pixel-level copying between 32-bit images.
#include "bsPixelCopy.h"

#include <algorithm>

namespace bsPixels {

AxisMap MapAxis(int d0, int dLen, int s0, int sLen, int dLimit, int sLimit)
{
    AxisMap map;
    if (dLen <= 0 || sLen <= 0)
        return map;
    const int lo = std::max(d0, 0);
    const int hi = int(std::min<qint64>(qint64(d0) + dLen, dLimit));
    for (int d = lo; d < hi; ++d) {
        const qint64 s = s0 + (qint64(d - d0) * sLen) / dLen;
        if (s < 0 || s >= sLimit) {
            // The mapping is monotonic, so the valid indexes form one run.
            if (map.source.empty())
                continue;
            break;
        }
        if (map.source.empty())
            map.first = d;
        map.source.push_back(int(s));
    }
    return map;
}

void CopyPixels(QImage& dst, const QRect& D, const QImage& src, const QRect& S)
{
    if (D.size() != S.size()) {
        MapPixels(dst, D, src, S, [](quint32& d, quint32 s) { d = s; });
        return;
    }
    if (D.isEmpty() || dst.isNull() || src.isNull())
        return;
    // Same size: clip the source to its picture and the destination to its image, then move rows.
    const QPoint shift = D.topLeft() - S.topLeft();
    const QRect part = S.intersected(src.rect()).translated(shift).intersected(dst.rect());
    if (part.isEmpty())
        return;
    const QPoint from = part.topLeft() - shift;
    for (int y = 0; y < part.height(); ++y)
        std::memcpy(reinterpret_cast<quint32*>(dst.scanLine(part.top() + y)) + part.left(),
                    reinterpret_cast<const quint32*>(src.constScanLine(from.y() + y)) + from.x(),
                    size_t(part.width()) * 4);
}

} // namespace bsPixels
