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
    if (lo >= hi)
        return map;
    // s = s0 + (d - d0) x sLen div dLen, stepped without a division per index.
    const qint64 start = qint64(lo - d0) * sLen;
    qint64 s = s0 + start / dLen, remainder = start % dLen;
    const qint64 whole = sLen / dLen, part = sLen % dLen;
    map.source.reserve(size_t(hi - lo));
    for (int d = lo; d < hi; ++d) {
        if (s >= sLimit)
            break; // the mapping only grows, so nothing further lies inside the source
        if (s >= 0) {
            if (map.source.empty())
                map.first = d;
            map.source.push_back(int(s));
        }
        s += whole;
        remainder += part;
        if (remainder >= dLen) {
            remainder -= dLen;
            ++s;
        }
    }
    return map;
}

RectMap MapRect(const QImage& dst, const QRect& D, const QImage& src, const QRect& S)
{
    if (D.isEmpty() || S.isEmpty() || dst.isNull() || src.isNull())
        return {};
    return {MapAxis(D.left(), D.width(), S.left(), S.width(), dst.width(), src.width()),
            MapAxis(D.top(), D.height(), S.top(), S.height(), dst.height(), src.height())};
}

namespace {

// A stretched row is built from runs: neighbouring destination pixels that sample the same source
// pixel.
struct Run {
    int source, count;
};

std::vector<Run> RunsOf(const std::vector<int>& AIndexes)
{
    std::vector<Run> runs;
    for (int s : AIndexes) {
        if (!runs.empty() && runs.back().source == s)
            ++runs.back().count;
        else
            runs.push_back({s, 1});
    }
    return runs;
}

// Writes the runs of one row. A run of up to four pixels is written as four stores whatever its
// length (the next run overwrites the surplus), which keeps the loop free of branches that depend
// on the data; runs whose surplus would pass the row's end are written exactly.
void ExpandRow(quint32* out, const quint32* from, const std::vector<Run>& runs, size_t width)
{
    quint32* const end = out + width;
    for (const Run& run : runs) {
        const quint32 v = from[run.source];
        if (run.count <= 4 && out + 4 <= end) {
            out[0] = v;
            out[1] = v;
            out[2] = v;
            out[3] = v;
        } else {
            std::fill_n(out, run.count, v);
        }
        out += run.count;
    }
}

// The scaled form of CopyPixels: a destination row whose source row is the one of the row above
// is a copy of that row, so a stretch costs one sampled row per source row.
void ScalePixels(QImage& dst, const QRect& D, const QImage& src, const QRect& S)
{
    const RectMap map = MapRect(dst, D, src, S);
    if (map.Empty())
        return;
    const AxisMap &xs = map.xs, &ys = map.ys;
    const size_t width = xs.source.size();
    uchar* dbits = dst.bits();
    const uchar* sbits = src.constBits();
    const qsizetype dstride = dst.bytesPerLine(), sstride = src.bytesPerLine();
    const std::vector<Run> runs = RunsOf(xs.source);
    const quint32* previous = nullptr;
    for (size_t j = 0; j < ys.source.size(); ++j) {
        auto* row = reinterpret_cast<quint32*>(dbits + (ys.first + qsizetype(j)) * dstride) + xs.first;
        if (previous && ys.source[j] == ys.source[j - 1]) {
            std::memcpy(row, previous, width * 4);
        } else {
            ExpandRow(row, reinterpret_cast<const quint32*>(sbits + ys.source[j] * sstride), runs, width);
        }
        previous = row;
    }
}

} // namespace

void CopyPixels(QImage& dst, const QRect& D, const QImage& src, const QRect& S)
{
    if (D.size() != S.size()) {
        ScalePixels(dst, D, src, S);
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
    uchar* to = dst.bits() + part.top() * dst.bytesPerLine() + part.left() * 4;
    const uchar* in = src.constBits() + from.y() * src.bytesPerLine() + from.x() * 4;
    for (int y = 0; y < part.height(); ++y, to += dst.bytesPerLine(), in += src.bytesPerLine())
        std::memcpy(to, in, size_t(part.width()) * 4);
}

void ClearKeyColor(QImage& image, quint32 AKeyRgb)
{
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<quint32*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            row[x] = (row[x] & 0x00FFFFFF) == (AKeyRgb & 0x00FFFFFF) ? 0 : (row[x] | 0xFF000000);
    }
}

} // namespace bsPixels
