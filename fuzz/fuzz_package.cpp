// Fuzz target: the skin package reader on arbitrary bytes.
#include "bsBmpImageInfo.h"
#include "bsSkinPackage.h"

#include <cstdint>
#include <cstdlib>

namespace
{

// Every picture the reader accepts is a whole, consistent BMP image.
void CheckPicture(const QByteArray& picture)
{
    if (!picture.isEmpty() && ReadBmpImageInfo(picture).FileSize != picture.size())
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // Raw data, not a copy, so that a read past the input is caught at its last byte.
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    TbsSkinPackage package;
    try {
        package = ReadSkinPackage(bytes);
    } catch (const ESkinPackageError&) {
        return 0;
    }
    for (const QByteArray* picture : {&package.Picture, &package.InActivePicture, &package.Mask})
        CheckPicture(*picture);
    for (const QByteArray& picture : package.ActivePictures)
        CheckPicture(picture);
    // What was read writes and reads back to the same package.
    const TbsSkinPackage again = ReadSkinPackage(WriteSkinPackage(package));
    if (again.Version != package.Version || again.Picture != package.Picture ||
        again.InActivePicture != package.InActivePicture || again.Mask != package.Mask ||
        again.ActivePictures != package.ActivePictures || again.Description != package.Description)
        std::abort();
    return 0;
}
