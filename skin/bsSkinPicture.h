// TbsSkinPicture: one picture of a skin, kept as its BMP bytes and as the decoded image.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <memory>

template <class T> class TAheadResult;

// The bytes are kept as they were stored, so that a skin written back out keeps every picture's
// pixel format; the image is what painting uses (8-bit palette pictures stay Format_Indexed8).
// Uncompressed 24-bit and 8-bit pictures, the kinds skins are made of, are checked when they are
// read and decoded on first use, so that loading a skin does not pay for pictures no window
// shows; every other kind is decoded when it is read. Pictures belong to the user-interface thread;
// only the decoding begun by DecodeAhead runs on another.
class TbsSkinPicture
{
  public:
    TbsSkinPicture() = default;

    // Decodes a BMP image (bytes beyond its bfSize are dropped); EInvalidGraphic when the bytes
    // are not a BMP image the platform can decode.
    static TbsSkinPicture FromBmp(const QByteArray& ABmp);
    // The same for a bitmap file; EFOpenError when the file cannot be read.
    static TbsSkinPicture FromFile(const QString& AFileName);
    // A picture of an image made in memory, stored as a BMP in the image's own pixel format.
    static TbsSkinPicture FromImage(const QImage& AImage);

    bool Empty() const { return FBmp.isEmpty(); }
    const QImage& Image() const;
    // Starts decoding a picture still to be decoded on the start-up's helper thread (AheadWork.h),
    // so that its first Image() finds it done. That Image() waits for a decoding under way, and
    // decodes the picture itself when the thread has not come to it yet.
    void DecodeAhead() const;
    // The BMP image; empty for an empty picture.
    const QByteArray& Bmp() const { return FBmp; }

    // Writes the BMP bytes as a file; EFCreateError or EWriteError when it cannot.
    void SaveToFile(const QString& AFileName) const;

  private:
    QByteArray FBmp;
    mutable QImage FImage;
    mutable bool FPending = false; // FImage is still to be decoded from FBmp
    mutable std::shared_ptr<TAheadResult<QImage>> FAhead; // shared with the copies made since DecodeAhead
};
