// The collection of named stored skins.
#include "bsCompressedSkinList.h"

TbsCompressedSkinList::TbsCompressedSkinList(QObject* AOwner) : QObject(AOwner) {}

TbsCompressedSkinList::~TbsCompressedSkinList() = default;

TbsSkinListItem* TbsCompressedSkinList::Add()
{
    FSkins.push_back(std::make_unique<TbsSkinListItem>(Count()));
    return FSkins.back().get();
}

TbsSkinListItem* TbsCompressedSkinList::Item(int Index) const
{
    return Index >= 0 && Index < Count() ? FSkins[size_t(Index)].get() : nullptr;
}

void TbsCompressedSkinList::Delete(int Index)
{
    if (Item(Index))
        FSkins.erase(FSkins.begin() + Index);
}
