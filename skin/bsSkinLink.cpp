// The skin link, and the relay that hands a window's skin messages to its linked surfaces.
#include "bsSkinLink.h"

#include "bsRecordPainting.h"
#include "platform/SkinMessage.h"

#include <QCoreApplication>
#include <QWidget>

void TbsSkinLink::SetSkinData(TbsSkinData* AValue)
{
    FSD = AValue;
    FIndex = -1;
}

void TbsSkinLink::SetSkinDataName(const QString& AValue)
{
    FSkinDataName = AValue;
    FIndex = -1;
}

int TbsSkinLink::Lookup()
{
    FIndex = Usable() ? FSD->GetControlIndex(FSkinDataName) : -1;
    return FIndex;
}

const TbsDataSkinControl* TbsSkinLink::Control() const
{
    if (FIndex < 0 || !Usable() || size_t(FIndex) >= FSD->CtrlList.size())
        return nullptr;
    const TbsDataSkinControl* record = FSD->CtrlList[size_t(FIndex)].get();
    return record && record->IDName == FSkinDataName ? record : nullptr;
}

const TbsDataSkinControl* TbsSkinLink::ControlNamed(const QString& AName) const
{
    if (!Usable())
        return nullptr;
    const int index = FSD->GetControlIndex(AName);
    return index < 0 ? nullptr : FSD->CtrlList[size_t(index)].get();
}

QImage TbsSkinLink::Picture(int AIndex) const
{
    return ActivePictureImage(FSD.data(), AIndex);
}

bool TbsSkinLink::PaintPart(const TRect& ALook, QImage& B, int AW, int AH, bool DrawClient) const
{
    const auto* record = Typed<TbsDataSkinCustomControl>();
    if (!record || Picture(record->PictureIndex).isNull() || ALook.IsEmpty())
        return false;
    QImage part;
    PaintControlPart(FSD.data(), *record, ALook, part, AW, AH, DrawClient);
    if (part.isNull())
        return false;
    B = std::move(part);
    return true;
}

QRegion TbsSkinLink::MaskRegion(int AW, int AH) const
{
    const auto* record = Typed<TbsDataSkinCustomControl>();
    return record ? ControlRegion(FSD.data(), *record, AW, AH) : QRegion();
}

namespace {

void CollectSurfaces(QWidget* AWidget, QList<QPointer<QWidget>>& ASurfaces)
{
    if (dynamic_cast<TbsSkinSurface*>(AWidget))
        ASurfaces.append(AWidget);
    for (QObject* child : AWidget->children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (widget && !widget->isWindow())
            CollectSurfaces(widget, ASurfaces);
    }
}

// Watches the skin messages arriving at windows; the window then relays them before it handles
// them itself.
class TbsSkinChangeRelay : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const int type = int(event->type());
        if (type < smBeforeSkinChange || type > smAfterSkinChange || !watched->isWidgetType())
            return false;
        auto* window = static_cast<QWidget*>(watched);
        const TbsSkinMessageEvent* message = TbsSkinMessageEvent::From(event);
        if (message && window->isWindow())
            RelaySkinChange(window, type, reinterpret_cast<const TbsSkinData*>(message->WParam));
        return false;
    }
};

void InstallSkinChangeRelay()
{
    QCoreApplication::instance()->installEventFilter(new TbsSkinChangeRelay(QCoreApplication::instance()));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(InstallSkinChangeRelay)

void RelaySkinChange(QWidget* AWindow, int AMsg, const TbsSkinData* ARepository)
{
    if (!AWindow || AMsg < smBeforeSkinChange || AMsg > smAfterSkinChange)
        return;
    QList<QPointer<QWidget>> surfaces;
    CollectSurfaces(AWindow, surfaces);
    for (const QPointer<QWidget>& widget : std::as_const(surfaces)) {
        auto* surface = widget ? dynamic_cast<TbsSkinSurface*>(widget.data()) : nullptr;
        if (!surface || !surface->SkinLink().Uses(ARepository))
            continue;
        if (AMsg == smBeforeSkinChange)
            surface->BeforeChangeSkinData();
        else if (AMsg == smSkinChange)
            surface->ChangeSkinData();
        else
            surface->AfterChangeSkinData();
    }
}

QFont SkinRecordFont(const QString& AName, int AHeight, TFontStyles AStyle)
{
    QFont font(AName);
    const int height = AHeight < 0 ? -AHeight : AHeight;
    font.setPixelSize(height > 0 ? std::min(height, 1000) : 13);
    font.setBold(AStyle.testFlag(fsBold));
    font.setItalic(AStyle.testFlag(fsItalic));
    font.setUnderline(AStyle.testFlag(fsUnderline));
    font.setStrikeOut(AStyle.testFlag(fsStrikeOut));
    return font;
}
