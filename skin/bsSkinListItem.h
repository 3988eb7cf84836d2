// TbsSkinListItem: one named skin of a compressed skin list.
#pragma once

#include "bsCompressedStoredSkin.h"

#include <memory>

class TbsSkinListItem {
public:
    // A new item is named "bsSkin" followed by its index in the list.
    explicit TbsSkinListItem(int AIndex);

    TbsCompressedStoredSkin* Skin() const { return FSkin.get(); }

    // The value the item is saved with ("Skin"): the stored skin in the .skn layout.
    QByteArray SkinData() const;
    void SetSkinData(const QByteArray& Value);

    QString Description() const { return FDescription; }
    void SetDescription(const QString& Value) { FDescription = Value; }
    QString FileName() const { return FFileName; }
    void SetFileName(const QString& Value) { FFileName = Value; }
    QString CompressedFileName() const { return FCompressedFileName; }
    void SetCompressedFileName(const QString& Value) { FCompressedFileName = Value; }
    QString Name() const { return FName; }
    void SetName(const QString& Value) { FName = Value; }

private:
    std::unique_ptr<TbsCompressedStoredSkin> FSkin; // owned here, with no QObject owner
    QString FDescription;
    QString FFileName;
    QString FCompressedFileName;
    QString FName;
};
