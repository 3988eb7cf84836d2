// TbsCompressedSkinList: a component holding several stored skins, each under a name.
#pragma once

#include "bsSkinListItem.h"

#include <QObject>
#include <memory>
#include <vector>

// The list's items are its Skins collection: the list owns them, and each item owns its skin.
class TbsCompressedSkinList : public QObject {
    Q_OBJECT

public:
    explicit TbsCompressedSkinList(QObject* AOwner = nullptr);
    ~TbsCompressedSkinList() override;

    TbsSkinListItem* Add();
    int Count() const { return int(FSkins.size()); }
    // The item at Index, or nullptr outside 0 to Count() - 1.
    TbsSkinListItem* Item(int Index) const;
    void Delete(int Index);
    void Clear() { FSkins.clear(); }

private:
    std::vector<std::unique_ptr<TbsSkinListItem>> FSkins;
};
