// A skin list item and the .skn layout it is saved in.
#include "bsSkinListItem.h"

#include <QBuffer>

TbsSkinListItem::TbsSkinListItem(int AIndex)
    : FSkin(std::make_unique<TbsCompressedStoredSkin>()), FName(QStringLiteral("bsSkin%1").arg(AIndex))
{
}

QByteArray TbsSkinListItem::SkinData() const
{
    QByteArray skn;
    QBuffer buffer(&skn);
    buffer.open(QIODevice::WriteOnly);
    FSkin->SaveToCompressStream(buffer);
    return skn;
}

void TbsSkinListItem::SetSkinData(const QByteArray& Value)
{
    QBuffer buffer;
    buffer.setData(Value);
    buffer.open(QIODevice::ReadOnly);
    FSkin->LoadFromCompressStream(buffer);
}
