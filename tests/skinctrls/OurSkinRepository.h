// The program's own skin, drawn in memory and loaded into one repository shared by a test suite.
#pragma once

#include "OurSkinBuilder.h"
#include "bsSkinData.h"

#include <QTemporaryDir>
#include <memory>

class TOurSkinRepository {
public:
    // The repository, built on first use and kept for the rest of the run.
    static TbsSkinData* Get()
    {
        static TOurSkinRepository instance;
        return instance.FSkin.get();
    }

private:
    TOurSkinRepository()
    {
        const QString ini = FDir.filePath(QStringLiteral("skin.ini"));
        WriteOurSkinFolder(ini, TOurSkinOptions());
        FSkin = std::make_unique<TbsSkinData>();
        FSkin->LoadFromFile(ini);
    }
    QTemporaryDir FDir;
    std::unique_ptr<TbsSkinData> FSkin;
};
