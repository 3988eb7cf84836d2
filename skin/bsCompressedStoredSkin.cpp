// Loading and saving the compressed form of a stored skin.
#include "bsCompressedStoredSkin.h"

#include "bsSkinData.h"
#include "bsSkinFolder.h"
#include "bsSkinPicture.h"
#include "bsStreamIO.h"
#include "bszlibcompress.h"

#include <QBuffer>
#include <QFile>
#include <QtEndian>

namespace {

// The .skn header: version and length, both int32.
constexpr qint64 SknHeaderSize = 8;

qint32 ReadInt32(QIODevice& stream)
{
    char le[4];
    ReadExactly(stream, le, 4);
    return qFromLittleEndian<qint32>(le);
}

void WriteInt32(QIODevice& stream, qint32 value)
{
    char le[4];
    qToLittleEndian(value, le);
    WriteExactly(stream, le, 4);
}

// A picture entry's image: the named file in dir (checked as the repository checks a picture it
// reads), or no picture for an empty name.
QByteArray LoadOptionalBitmap(const QString& dir, const QString& name)
{
    return name.isEmpty() ? QByteArray() : TbsSkinPicture::FromFile(dir + name).Bmp();
}

} // namespace

QString MissingSkinSection(const TbsIniText& ini)
{
    for (const char* section : {"VERSION", "PICTURES", "FORMINFO", "SKINOBJECTS", "SKINCONTROLS"})
        if (!ini.SectionExists(QLatin1String(section)))
            return QLatin1String(section);
    return QString();
}

TbsCompressedStoredSkin::TbsCompressedStoredSkin(QObject* AOwner) : QObject(AOwner) {}

void TbsCompressedStoredSkin::DeCompressToStream(QIODevice& S) const
{
    QBuffer compressed;
    compressed.setData(FCompressedStream);
    compressed.open(QIODevice::ReadOnly);
    DecompressStream(compressed, S);
}

QByteArray TbsCompressedStoredSkin::DeCompressed() const
{
    return DecompressBytes(FCompressedStream);
}

void TbsCompressedStoredSkin::LoadFromPackage(const TbsSkinPackage& APackage)
{
    FCompressedStream = CompressBytes(WriteSkinPackage(APackage));
}

void TbsCompressedStoredSkin::LoadFromSkinData(const TbsSkinData& ASkinData)
{
    LoadFromPackage(ASkinData.SkinPackage());
}

void TbsCompressedStoredSkin::LoadFromIniFile(const QString& AFileName)
{
    const QByteArray text = ReadWholeFile(AFileName);
    const TbsIniText ini(TbsIniText::DecodeText(text));
    if (!MissingSkinSection(ini).isEmpty())
        return;
    const TbsSkinFolderNames names = ReadSkinFolderNames(ini);
    FCompressedStream.clear();

    // Names are taken relative to the ini file: its path up to and including the last separator.
    const QString dir = AFileName.left(AFileName.lastIndexOf(u'/') + 1);
    TbsSkinPackage package;
    package.Picture = LoadOptionalBitmap(dir, names.Picture);
    package.InActivePicture = LoadOptionalBitmap(dir, names.InActivePicture);
    package.Mask = LoadOptionalBitmap(dir, names.Mask);
    for (const QString& name : names.ActivePictures)
        package.ActivePictures.append(TbsSkinPicture::FromFile(dir + name).Bmp());
    package.Description = text;
    LoadFromPackage(package);
}

void TbsCompressedStoredSkin::LoadFromCompressFile(const QString& AFileName)
{
    FCompressedStream.clear();
    QFile file(AFileName);
    OpenForReading(file);
    LoadFromCompressStream(file);
}

void TbsCompressedStoredSkin::LoadFromCompressStream(QIODevice& Stream)
{
    FCompressedStream.clear();
    Stream.seek(0);
    if (ReadInt32(Stream) > SkinPackageVersion)
        return;
    const qint32 length = ReadInt32(Stream);
    if (length > MaxSkinDataSize)
        throw EReadError(QStringLiteral("compressed skin of %1 bytes is larger than %2 bytes")
                             .arg(length)
                             .arg(MaxSkinDataSize));
    FCompressedStream = ReadBytes(Stream, length);
}

void TbsCompressedStoredSkin::SaveToCompressFile(const QString& AFileName) const
{
    if (Empty())
        return;
    QByteArray skn;
    skn.reserve(SknHeaderSize + FCompressedStream.size());
    QBuffer buffer(&skn);
    buffer.open(QIODevice::WriteOnly);
    SaveToCompressStream(buffer);
    WriteWholeFile(AFileName, skn);
}

void TbsCompressedStoredSkin::SaveToCompressStream(QIODevice& Stream) const
{
    WriteInt32(Stream, SkinPackageVersion);
    WriteInt32(Stream, qint32(FCompressedStream.size()));
    WriteExactly(Stream, FCompressedStream.constData(), FCompressedStream.size());
}
