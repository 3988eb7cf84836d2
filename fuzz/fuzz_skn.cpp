// Fuzz target: a .skn file read into a stored skin, inflated and read as a skin package.
#include "bsCompressedStoredSkin.h"
#include "bsSkinPackage.h"
#include "bsStreamIO.h"
#include "bszlibcompress.h"

#include <QBuffer>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QBuffer file;
    file.setData(QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size)));
    file.open(QIODevice::ReadOnly);
    TbsCompressedStoredSkin skin;
    try {
        skin.LoadFromCompressStream(file);
        ReadSkinPackage(skin.DeCompressed());
    } catch (const EReadError&) {
    } catch (const EZlibError&) {
    } catch (const ESkinPackageError&) {
    }
    return 0;
}
