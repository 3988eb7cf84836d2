// Small skins made by the tests: pictures and control records written as a skin folder and loaded
// into a repository the way a real skin is.
#pragma once

#include "bsSkinData.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <memory>
#include <vector>

class TSmallSkin {
public:
    // Adds an active picture; answers its index.
    int AddPicture(const QImage& picture)
    {
        FSource.FActivePictures.push_back(
            TbsSkinPicture::FromImage(picture.convertToFormat(QImage::Format_RGB32)));
        FSource.FActivePicturesNames.append(QStringLiteral("p%1.bmp").arg(FSource.FActivePictures.size()));
        return int(FSource.FActivePictures.size()) - 1;
    }
    // Adds a control record named name; the record stays owned by the skin.
    template <class Record> Record& AddControl(const QString& name)
    {
        auto record = std::make_unique<Record>(name);
        Record& r = *record;
        FSource.CtrlList.push_back(std::move(record));
        return r;
    }
    // Writes the folder and loads it into target (which sends the change messages).
    void LoadInto(TbsSkinData& target)
    {
        FSource.FBuilderMode = true;
        const QString ini = FDir.filePath(QStringLiteral("skin.ini"));
        FSource.StoreToDisk(ini);
        target.LoadFromFile(ini);
    }

private:
    QTemporaryDir FDir;
    TbsSkinData FSource;
};

// A picture of blocks side by side, each w x h in one colour.
inline QImage ColourBlocks(const std::vector<QColor>& colours, int w, int h)
{
    QImage image(w * int(colours.size()), h, QImage::Format_RGB32);
    QPainter painter(&image);
    for (size_t i = 0; i < colours.size(); ++i)
        painter.fillRect(int(i) * w, 0, w, h, colours[i]);
    return image;
}

inline TRect BlockRect(int index, int w, int h)
{
    return {index * w, 0, index * w + w, h};
}
