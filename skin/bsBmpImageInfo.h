// The header facts of a BMP image held in memory, checked so that its bytes can be trusted.
#pragma once

#include "platform/Exception.h"

#include <QByteArrayView>

// A bitmap image that cannot be read.
class EInvalidGraphic : public Exception {
public:
    using Exception::Exception;
};

struct TbsBmpImageInfo {
    qint64 FileSize = 0; // bfSize: the bytes the whole image occupies
    qint32 Width = 0;
    qint32 Height = 0; // rows; the sign of the stored height (bottom-up or top-down) is dropped
    int BitCount = 0;
};

// Reads the BMP image that starts at the first byte of bytes (bytes may run on past it). Raises
// EInvalidGraphic unless the image starts with "BM", its bfSize fits in bytes, it stores its
// pixels in a way bitmaps allow for its depth (uncompressed at 1, 4, 8, 16, 24 or 32 bits,
// run-length encoded at 4 or 8, with colour masks at 16 or 32), and its headers, colour table and
// uncompressed pixel rows all lie inside bfSize, so that a reader that trusts the headers never
// reads outside the image.
TbsBmpImageInfo ReadBmpImageInfo(QByteArrayView bytes);
