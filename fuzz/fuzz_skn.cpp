// Fuzz target: a .skn file read into a stored skin, inflated, read as a skin package and checked as
// the files of a skin folder; reading the package while it inflates must agree with that.
#include "bsCompressedStoredSkin.h"
#include "bsSkinFolder.h"
#include "bsSkinPackage.h"
#include "bsStreamIO.h"
#include "bszlibcompress.h"

#include <QBuffer>
#include <cstdint>
#include <cstdlib>
#include <optional>

namespace {

// Far below MaxSkinDataSize, so that an inflate bomb among the inputs is refused in microseconds
// rather than after a quarter of a gigabyte: the refusal is the same code at any limit.
constexpr qint64 FuzzInflateLimit = qint64(1) << 20;

bool SamePackage(const TbsSkinPackage& a, const TbsSkinPackage& b)
{
    return a.Version == b.Version && a.Picture == b.Picture && a.InActivePicture == b.InActivePicture &&
           a.Mask == b.Mask && a.ActivePictures == b.ActivePictures && a.Description == b.Description;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QBuffer file;
    file.setData(QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size)));
    file.open(QIODevice::ReadOnly);
    TbsCompressedStoredSkin skin;
    try {
        skin.LoadFromCompressStream(file);
    } catch (const EReadError&) {
        return 0;
    }
    const std::optional<TbsSkinPackage> inflating =
        InflateSkinPackage(skin.CompressedData(), FuzzInflateLimit);
    std::optional<TbsSkinPackage> whole;
    try {
        whole = ReadSkinPackage(DecompressBytes(skin.CompressedData(), FuzzInflateLimit));
    } catch (const EZlibError&) {
    } catch (const ESkinPackageError&) {
    }
    if (inflating.has_value() != whole.has_value() || (whole && !SamePackage(*inflating, *whole)))
        std::abort();
    if (!whole)
        return 0;
    try {
        SkinFolderFiles(*whole);
    } catch (const ESkinFolderError&) {
    }
    return 0;
}
