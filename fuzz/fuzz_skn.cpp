// Fuzz target: a .skn file read into a stored skin, inflated, read as a skin package and checked as
// the files of a skin folder.
#include "bsCompressedStoredSkin.h"
#include "bsSkinFolder.h"
#include "bsSkinPackage.h"
#include "bsStreamIO.h"
#include "bszlibcompress.h"

#include <QBuffer>
#include <cstdint>

namespace {

// Far below MaxSkinDataSize, so that an inflate bomb among the inputs is refused in microseconds
// rather than after a quarter of a gigabyte: the refusal is the same code at any limit.
constexpr qint64 FuzzInflateLimit = qint64(1) << 20;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QBuffer file;
    file.setData(QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size)));
    file.open(QIODevice::ReadOnly);
    TbsCompressedStoredSkin skin;
    try {
        skin.LoadFromCompressStream(file);
        SkinFolderFiles(ReadSkinPackage(DecompressBytes(skin.CompressedData(), FuzzInflateLimit)));
    } catch (const EReadError&) {
    } catch (const EZlibError&) {
    } catch (const ESkinPackageError&) {
    } catch (const ESkinFolderError&) {
    }
    return 0;
}
