// TbsCompressedStoredSkin: a component that holds one skin as its compressed form.
#pragma once

#include "bsIniText.h"
#include "bsSkinPackage.h"

#include <QByteArray>
#include <QObject>
#include <QString>

class QIODevice;
class TbsSkinData;

// The first of the sections a skin description must have ("VERSION", "PICTURES", "FORMINFO",
// "SKINOBJECTS", "SKINCONTROLS") that ini lacks; empty when it has them all.
QString MissingSkinSection(const TbsIniText& ini);

// Holds the compressed form (the skin package as one zlib stream) and moves it to and from the
// package, the .skn file (int32 version 3, int32 length, the compressed form) and the skin folder.
// Every load replaces the compressed form as a whole.
class TbsCompressedStoredSkin : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString FileName READ FileName WRITE SetFileName)
    Q_PROPERTY(QString CompressedFileName READ CompressedFileName WRITE SetCompressedFileName)
    Q_PROPERTY(QString Description READ Description WRITE SetDescription)
    // The value saved with the window: the compressed form exactly, also when empty.
    Q_PROPERTY(QByteArray CompressedData READ CompressedData WRITE SetCompressedData)

public:
    explicit TbsCompressedStoredSkin(QObject* AOwner = nullptr);

    bool Empty() const { return FCompressedStream.isEmpty(); }

    // Inflates the compressed form and writes the package at S's position; EDecompressionError
    // unless the form is one whole zlib stream, checksum verified, of at most MaxSkinDataSize
    // bytes unpacked (DecompressStream).
    void DeCompressToStream(QIODevice& S) const;
    // The package, inflated in memory.
    QByteArray DeCompressed() const;

    // Replaces the compressed form with the given package, written and compressed.
    void LoadFromPackage(const TbsSkinPackage& APackage);
    // Replaces the compressed form with a package built from a loaded repository: its pictures as
    // they are and the description it writes (TbsSkinData::SkinPackage).
    void LoadFromSkinData(const TbsSkinData& ASkinData);
    // Replaces the compressed form with a package built from the skin folder whose ini file is
    // AFileName. Does nothing when a required section is missing; picture names that are not bare
    // file names raise ESkinFolderError before anything changes (ReadSkinFolderNames); a bitmap
    // that cannot be read raises (EFOpenError, EInvalidGraphic) after the compressed form was
    // cleared.
    void LoadFromIniFile(const QString& AFileName);

    // Read a .skn: a version above 3 leaves the stored skin empty; a length that the stream does
    // not hold, or above MaxSkinDataSize, raises EReadError, also leaving it empty. The file must
    // be a regular file (OpenForReading).
    void LoadFromCompressFile(const QString& AFileName);
    void LoadFromCompressStream(QIODevice& Stream);
    // SaveToCompressFile writes nothing, not even an empty file, when the stored skin is empty;
    // SaveToCompressStream always writes the three fields at the stream's position.
    void SaveToCompressFile(const QString& AFileName) const;
    void SaveToCompressStream(QIODevice& Stream) const;

    // No form editor exists in this system, so the two names are only stored, for display.
    QString FileName() const { return FFileName; }
    void SetFileName(const QString& Value) { FFileName = Value; }
    QString CompressedFileName() const { return FCompressedFileName; }
    void SetCompressedFileName(const QString& Value) { FCompressedFileName = Value; }
    QString Description() const { return FDescription; }
    void SetDescription(const QString& Value) { FDescription = Value; }
    QByteArray CompressedData() const { return FCompressedStream; }
    void SetCompressedData(const QByteArray& Value) { FCompressedStream = Value; }

private:
    QString FFileName;
    QString FCompressedFileName;
    QByteArray FCompressedStream;
    QString FDescription;
};
