// Skin control base: repository link, object lookup and off-screen painting.
#include "bsSkinControl.h"

#include "TApplication.h"
#include "bsDefaultLook.h"
#include "bsSkinData.h"

#include <QPainter>

int FindSkinControlIndex(TbsSkinData* skinData, const QString& name)
{
    if (!skinData || skinData->Empty())
        return -1;
    return skinData->GetControlIndex(name);
}

TbsSkinControl::TbsSkinControl(QWidget* parent) : QWidget(parent) {}

void TbsSkinControl::SetSkinData(TbsSkinData* value)
{
    FSD = value;
    if (FSD)
        ChangeSkinData();
}

void TbsSkinControl::GetSkinData()
{
    FIndex = FindSkinControlIndex(FSD, FSkinDataName);
}

void TbsSkinControl::ChangeSkinData()
{
    GetSkinData();
    update();
}

void TbsSkinControl::paintEvent(QPaintEvent*)
{
    if (width() <= 0 || height() <= 0)
        return;
    GetSkinData();
    QImage B(size(), QImage::Format_ARGB32_Premultiplied);
    B.fill(Qt::transparent);
    if (FIndex == -1)
        DrawDefaultImage(B);
    else
        DrawSkinImage(B);
    QPainter painter(this);
    painter.drawImage(0, 0, B);
}

void TbsSkinControl::enterEvent(QEnterEvent* event)
{
    QWidget::enterEvent(event);
    FireEvent(OnMouseEnter);
}

void TbsSkinControl::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    FireEvent(OnMouseLeave);
}

void TbsSkinControl::DrawDefaultImage(QImage& B)
{
    B.fill(SysBtnFace());
}

// Controls whose skin look is not drawn yet keep their default look with a skin object too.
void TbsSkinControl::DrawSkinImage(QImage& B)
{
    DrawDefaultImage(B);
}

TbsSkinCustomControl::TbsSkinCustomControl(QWidget* parent)
    : TbsSkinControl(parent), FDefaultFont(DefaultControlFont())
{
}

void TbsSkinCustomControl::SetDefaultFont(const QFont& font)
{
    FDefaultFont = font;
    DefaultFontChanged();
    if (FIndex == -1)
        update();
}

void TbsSkinCustomControl::SetDefaultWidth(int value)
{
    FDefaultWidth = value;
    if (FIndex == -1 && value > 0)
        resize(value, height());
}

void TbsSkinCustomControl::SetDefaultHeight(int value)
{
    FDefaultHeight = value;
    if (FIndex == -1 && value > 0)
        resize(width(), value);
}

void TbsSkinCustomControl::ChangeSkinData()
{
    GetSkinData();
    if (FIndex == -1) {
        if (FDefaultWidth > 0)
            resize(FDefaultWidth, height());
        if (FDefaultHeight > 0)
            resize(width(), FDefaultHeight);
    }
    update();
}

TbsGraphicSkinControl::TbsGraphicSkinControl(QWidget* parent) : TbsSkinControl(parent)
{
    setFocusPolicy(Qt::NoFocus);
}

TbsGraphicSkinCustomControl::TbsGraphicSkinCustomControl(QWidget* parent) : TbsSkinCustomControl(parent)
{
    setFocusPolicy(Qt::NoFocus);
}
