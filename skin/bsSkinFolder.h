// The skin folder form: the file names a description gives its pictures, checked the same way for
// a folder that is packed and for a package that is unpacked, and writing a new folder.
#pragma once

#include "bsIniText.h"
#include "bsSkinPackage.h"
#include "platform/Exception.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <map>

// A description whose picture names cannot make a skin folder, or a folder that cannot be written.
class ESkinFolderError : public Exception {
public:
    using Exception::Exception;
};

// The name of the description file in a skin folder written from a package.
inline constexpr char SkinFolderIniName[] = "skin.ini";

// The file names of [PICTURES]: empty for no main, inactive or mask picture.
struct TbsSkinFolderNames {
    QString Picture, InActivePicture, Mask;
    QStringList ActivePictures; // index 0 first
};

// Reads the names of [PICTURES]; raises ESkinFolderError for a negative activepicturescount, for
// one larger than the names there are, and for a name that is not a bare file name inside the
// folder (a separator, "." or ".."). An empty name is passed on: no picture for the main, inactive
// and mask picture, a file that cannot be read for an active one.
TbsSkinFolderNames ReadSkinFolderNames(const TbsIniText& ini);

// The files of the folder that holds package: file name to bytes, the description under
// SkinFolderIniName. Raises ESkinFolderError unless the description's names pass
// ReadSkinFolderNames and match the package (a name for each picture it holds and none for one it
// lacks, as many active names as active pictures, none of them empty), and unless no two different files
// share a name and no picture takes the description's name, compared without letter case since the folder may
// lie on a file system that ignores it (names differing only in case for the same bytes become one
// file, under the first spelling). Packing a folder checks its package with this too, so that
// whatever is packed can be unpacked.
std::map<QString, QByteArray> SkinFolderFiles(const TbsSkinPackage& package);

// Writes files into folder (created when missing) as new regular files, and only so: before
// anything is written it raises ESkinFolderError when a name is already taken (also by a link,
// dangling or not), and each file is created exclusively without following links, so that no
// existing file, nor one a link points to, is ever written. On a failure the files this call
// created are removed again.
void WriteNewSkinFolder(const QString& folder, const std::map<QString, QByteArray>& files);
