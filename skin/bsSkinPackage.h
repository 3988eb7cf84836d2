// The skin package: the uncompressed byte layout of a skin's pictures and description, read and written.
#pragma once

#include "bsStreamIO.h"
#include "platform/Exception.h"

#include <QByteArray>
#include <QList>
#include <optional>

// Layout, all integers little-endian int32: version; the main, inactive and mask picture entries
// (a flag byte, 0 followed by a BMP image, anything else for no picture); when the version is 2,
// two legacy entries read and thrown away; the active picture count N; N BMP images without
// flags; the description text, running to the end.
struct TbsSkinPackage {
    qint32 Version = 3;
    QByteArray Picture, InActivePicture, Mask; // complete BMP images as stored; empty = no picture
    QList<QByteArray> ActivePictures;          // complete BMP images, index 0 first
    QByteArray Description;                    // the description bytes, undecoded
};

// A package that cannot be read: too new, cut short, or holding a broken bitmap.
class ESkinPackageError : public Exception {
public:
    using Exception::Exception;
};

// The newest package version a reader accepts and the one every writer produces.
constexpr qint32 SkinPackageVersion = 3;

// Reads a package; raises ESkinPackageError for a version above 3, a package that ends before its
// last picture, and a BMP image whose bfSize does not cover its own headers and rows or runs past
// the end. Never reads outside package.
TbsSkinPackage ReadSkinPackage(const QByteArray& package);

// The package of a compressed form (one zlib stream) read as it inflates, each picture and the
// description straight into bytes of their own: a load spares inflating the whole package first
// and copying every picture out of it. nullopt, rather than an error, whenever
// DecompressBytes(compressed, limit) or ReadSkinPackage of its bytes would raise, and for a
// version above 3; the caller then takes that way, which names the fault.
std::optional<TbsSkinPackage> InflateSkinPackage(const QByteArray& compressed,
                                                 qint64 limit = MaxSkinDataSize);

// Writes package.Version and the fields in package order; version 2 gets two empty legacy entries
// so that what is written always reads back.
QByteArray WriteSkinPackage(const TbsSkinPackage& package);
