// The skinned window frame: geometry for every size, frame and client painting, the frame objects'
// placement and pointer handling, the window commands of the caption buttons and the skin change.
#include "bsSkinForm.h"

#include "SkinMessage.h"
#include "TForm.h"
#include "bsColors.h"
#include "bsDefaultLook.h"
#include "bsEffectBmp.h"
#include "bsSkinData.h"
#include "bsSkinLink.h"
#include "bsTextHelpers.h"

#include <QCursor>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>
#include <algorithm>
#include <limits>

namespace {

// The frame margins are bounded: a skin's client rectangle may lie anywhere.
constexpr int MaxInset = 1000;

QImage ThirtyTwoBit(const QImage& AImage)
{
    if (AImage.isNull())
        return QImage();
    return AImage.format() == QImage::Format_RGB32 ? AImage : AImage.convertToFormat(QImage::Format_RGB32);
}

QRect ExactQRect(const TRect& R)
{
    return ExactRect(R);
}

QPoint Point(const TPoint& P)
{
    return QPoint(P.X, P.Y);
}

// The picture-rectangle of a skin rectangle: right and bottom exclusive.
int RightOf(const QRect& R)
{
    return R.x() + R.width();
}
int BottomOf(const QRect& R)
{
    return R.y() + R.height();
}

QRect RectLTRB(int l, int t, int r, int b)
{
    return QRect(l, t, r - l, b - t);
}

const QImage& NullImage()
{
    static const QImage none;
    return none;
}

} // namespace

TbsSkinForm::TbsSkinForm(TForm* AForm)
    : QObject(AForm), FForm(AForm), FMorphTimer(new QTimer(this)), FMouseTimer(new QTimer(this)),
      FLayerBorder(std::make_unique<TbsFormLayerBorder>())
{
    setObjectName(QStringLiteral("bsSkinForm1"));
    DefCaptionFont = SkinRecordFont(QStringLiteral("Tahoma"), 13, fsBold);
    DefInActiveCaptionFont = DefCaptionFont;
    MenusFont = SkinRecordFont(QStringLiteral("Tahoma"), 13, {});
    FMorphTimer->setInterval(25);
    connect(FMorphTimer, &QTimer::timeout, this, &TbsSkinForm::MorphTimerTimer);
    // The pointer can leave a caption button into the client widget without the window being told.
    FMouseTimer->setInterval(50);
    connect(FMouseTimer, &QTimer::timeout, this, [this] {
        const QPoint P = FForm->mapFromGlobal(QCursor::pos());
        if (MouseCaptureObject < 0 && (ObjectAt(P) != ActiveObject || !FForm->rect().contains(P)))
            MouseLeaveFrame();
        if (ActiveObject < 0)
            FMouseTimer->stop();
    });
    FForm->setMouseTracking(true);
    FForm->installEventFilter(this);
    ApplyFrameHint();
    ChangeSkinData();
}

TbsSkinForm::~TbsSkinForm()
{
    FForm->removeEventFilter(this);
}

void TbsSkinForm::SetSkinData(TbsSkinData* AValue)
{
    FSD = AValue;
    FSkinnableForm = AValue ? AValue->SkinnableForm() : true;
    ApplyFrameHint();
    ChangeSkinData();
}

void TbsSkinForm::SetBorderIcons(TbsBorderIcons AValue)
{
    FBorderIcons = AValue;
    CheckObjects();
    CalcObjectRects();
    UpDateFormNC();
}

void TbsSkinForm::SetHideCaptionButtons(bool AValue)
{
    FHideCaptionButtons = AValue;
    CheckObjects();
    CalcObjectRects();
    UpDateFormNC();
}

bool TbsSkinForm::GetFormActive() const
{
    return FFormActive;
}

// --- geometry ------------------------------------------------------------------------------------

QMargins TbsSkinForm::ClientInset() const
{
    if (!FSkinnableForm)
        return QMargins();
    if (!FSkinSupport)
        return QMargins(3, DefCaptionHeight + 3, 3, 3);
    const QRect c = ExactQRect(FSD->ClRect);
    auto bound = [](qint64 v) { return int(std::clamp<qint64>(v, 0, MaxInset)); };
    return QMargins(bound(c.x()), bound(c.y()), bound(qint64(FPicture.width()) - RightOf(c)),
                    bound(qint64(FPicture.height()) - BottomOf(c)));
}

int TbsSkinForm::GetMinWidth() const
{
    if (!FSkinSupport)
        return MinWidth > 0 ? MinWidth : 120;
    if (MinWidth > FPicture.width())
        return MinWidth;
    if (FSD->FormMinWidth > 0)
        return std::max(FSD->FormMinWidth, MinWidth);
    return FPicture.width();
}

int TbsSkinForm::GetMaxWidth() const
{
    if (MaxWidth != 0)
        return MaxWidth;
    const QScreen* screen = FForm->screen();
    return screen ? screen->availableGeometry().width() : std::numeric_limits<int>::max();
}

void TbsSkinForm::CalcRects()
{
    FFormWidth = FForm->width();
    FFormHeight = FForm->height();
    if (!FSkinSupport)
        return;
    const TbsSkinData& sd = *FSD;
    const int PW = FPicture.width(), PH = FPicture.height();
    const int dx = FFormWidth - PW, dy = FFormHeight - PH;
    NewLTPoint = Point(sd.LTPoint);
    NewRTPoint = Point(sd.RTPoint) + QPoint(dx, 0);
    NewLBPoint = Point(sd.LBPoint) + QPoint(0, dy);
    NewRBPoint = Point(sd.RBPoint) + QPoint(dx, dy);
    const QRect cl = ExactQRect(sd.ClRect);
    NewClRect = RectLTRB(cl.x(), cl.y(), RightOf(cl) + dx, BottomOf(cl) + dy);
    NewCaptionRect = sd.CaptionRect.ToQRect();
    if (!NewCaptionRect.isEmpty())
        NewCaptionRect.setWidth(NewCaptionRect.width() + dx);
    NewButtonsRect = sd.ButtonsRect.ToQRect();
    if (!NewButtonsRect.isEmpty() && NewButtonsRect.left() > PW / 2)
        NewButtonsRect.translate(dx, 0);
    NewButtonsInLeft = sd.CapButtonsInLeft;
    NewButtonsOffset = std::clamp(sd.ButtonsOffset, -MaxInset, MaxInset);
    const QRect m = ExactQRect(sd.MaskRectArea);
    NewMaskRectArea = RectLTRB(m.x(), m.y(), RightOf(m) + dx, BottomOf(m) + dy);
}

void TbsSkinForm::CalcDefRects()
{
    const int W = FForm->width();
    NewDefCaptionRect = RectLTRB(3, 3, W - 3, DefCaptionHeight);
    const int s = DefButtonSize;
    int x = W - 3;
    const TbsStdCommand order[] = {cmClose, cmMaximize, cmMinimize, cmRollUp, cmMinimizeToTray};
    for (TbsStdCommand command : order) {
        for (auto& object : ObjectList) {
            auto* button = dynamic_cast<TbsSkinStdButtonObject*>(object.get());
            if (button && button->Visible && button->Command == command) {
                button->ObjectRect = QRect(x - s, 4, s, s);
                x -= s;
            }
        }
    }
    NewDefCaptionRect.setRight(x - 1);
    for (auto& object : ObjectList) {
        auto* button = dynamic_cast<TbsSkinStdButtonObject*>(object.get());
        if (button && button->Visible && button->Command == cmSysMenu) {
            button->ObjectRect = QRect(NewDefCaptionRect.left(), 4, s, s);
            NewDefCaptionRect.setLeft(NewDefCaptionRect.left() + s);
        }
    }
}

void TbsSkinForm::CalcObjectRects()
{
    if (!FSkinSupport) {
        CalcDefRects();
        return;
    }
    const TbsSkinData& sd = *FSD;
    const int PW = FPicture.width(), PH = FPicture.height();
    const QPoint lt = Point(sd.LTPoint), rt = Point(sd.RTPoint), lb = Point(sd.LBPoint),
                 rb = Point(sd.RBPoint);
    const QRect TL = RectLTRB(0, 0, lt.x(), lt.y()), TR = RectLTRB(rt.x(), 0, PW, rt.y()),
                BL = RectLTRB(0, lb.y(), lb.x(), PH), BR = RectLTRB(rb.x(), rb.y(), PW, PH);
    const int ex = NewRBPoint.x() - rb.x(), ey = NewRBPoint.y() - rb.y();
    // Fixed frame parts follow their corner zones.
    for (auto& object : ObjectList) {
        if (object->SkinRectInAPicture)
            continue;
        QRect r = object->SkinRect;
        const QPoint a = r.topLeft(), b(RightOf(r), BottomOf(r));
        auto in = [](const QRect& zone, const QPoint& p) { return zone.contains(p); };
        if (in(TL, a) && in(TL, b)) {
        } else if (in(TR, a) && in(TR, b)) {
            r.translate(ex, 0);
        } else if (in(BL, a) && in(BL, b)) {
            r.translate(0, ey);
        } else if (in(BR, a) && in(BR, b)) {
            r.translate(ex, ey);
        } else if (in(TL, a) && in(BR, b)) {
            r.setWidth(r.width() + ex);
            r.setHeight(r.height() + ey);
        } else if (in(TL, a) && in(TR, b)) {
            r.setWidth(r.width() + ex);
        } else if (in(BL, a) && in(BR, b)) {
            r.setWidth(r.width() + ex);
            r.translate(0, ey);
        } else if (in(TL, a) && in(BL, b)) {
            r.setHeight(r.height() + ey);
        } else if (in(TR, a) && in(BR, b)) {
            r.translate(ex, 0);
            r.setHeight(r.height() + ey);
        }
        object->ObjectRect = r;
    }
    // The caption-button row.
    const QRect row = !NewButtonsRect.isEmpty() ? NewButtonsRect : NewCaptionRect;
    if (row.isEmpty())
        return;
    const bool inCaption = NewButtonsRect.isEmpty();
    TbsSkinCaptionObject* caption = CaptionObject();
    auto commandOf = [](TbsActiveSkinObject* o) -> int {
        if (auto* b = dynamic_cast<TbsSkinStdButtonObject*>(o))
            return b->Command;
        return -1;
    };
    std::vector<TbsActiveSkinObject*> placed;
    const TbsStdCommand order[] = {cmClose, cmMaximize, cmMinimize, cmRollUp, cmMinimizeToTray};
    for (TbsStdCommand command : order) {
        for (auto& object : ObjectList) {
            if (object->SkinRectInAPicture && object->Visible && commandOf(object.get()) == command) {
                placed.push_back(object.get());
                break;
            }
        }
    }
    for (auto& object : ObjectList)
        if (object->SkinRectInAPicture && object->Visible && commandOf(object.get()) == cmDefault)
            placed.push_back(object.get());
    TbsActiveSkinObject* sysMenu = nullptr;
    for (auto& object : ObjectList)
        if (object->SkinRectInAPicture && object->Visible && commandOf(object.get()) == cmSysMenu && !sysMenu)
            sysMenu = object.get();
    const int top = row.top();
    if (!NewButtonsInLeft) {
        int x = RightOf(row);
        for (TbsActiveSkinObject* o : placed) {
            const int w = o->SkinRect.width(), h = o->SkinRect.height();
            o->ObjectRect = QRect(x - w, top, w, h);
            x -= w + NewButtonsOffset;
        }
        if (inCaption && caption)
            caption->ObjectRect.setRight(x + NewButtonsOffset - 1);
        if (sysMenu) {
            const int w = sysMenu->SkinRect.width(), h = sysMenu->SkinRect.height();
            const int l = NewCaptionRect.left();
            sysMenu->ObjectRect = QRect(l, NewCaptionRect.top() + NewCaptionRect.height() / 2 - h / 2, w, h);
            const int after = l + w + NewButtonsOffset;
            if (caption)
                caption->ObjectRect.setLeft(after - NewButtonsOffset);
        }
    } else {
        int x = row.left();
        for (TbsActiveSkinObject* o : placed) {
            const int w = o->SkinRect.width(), h = o->SkinRect.height();
            o->ObjectRect = QRect(x, top, w, h);
            x += w + NewButtonsOffset;
        }
        if (inCaption && sysMenu) {
            const int w = sysMenu->SkinRect.width(), h = sysMenu->SkinRect.height();
            sysMenu->ObjectRect = QRect(x, top, w, h);
            x += w + NewButtonsOffset;
        }
        if (inCaption && caption)
            caption->ObjectRect.setLeft(x + NewButtonsOffset);
    }
}

// --- frame objects -------------------------------------------------------------------------------

void TbsSkinForm::CreateSkinObjects()
{
    ClearObjects();
    for (const auto& record : FSD->ObjectList) {
        const TbsDataSkinObject* r = record.get();
        if (dynamic_cast<const TbsDataSkinMenuItem*>(r) || dynamic_cast<const TbsDataSkinMainMenuItem*>(r) ||
            dynamic_cast<const TbsDataSkinMainMenuBarButton*>(r))
            continue;
        if (auto* std = dynamic_cast<const TbsDataSkinStdButton*>(r))
            ObjectList.push_back(std::make_unique<TbsSkinStdButtonObject>(this, std));
        else if (auto* button = dynamic_cast<const TbsDataSkinButton*>(r))
            ObjectList.push_back(std::make_unique<TbsSkinButtonObject>(this, button));
        else if (auto* caption = dynamic_cast<const TbsDataSkinCaption*>(r))
            ObjectList.push_back(std::make_unique<TbsSkinCaptionObject>(this, caption));
        else
            ObjectList.push_back(std::make_unique<TbsActiveSkinObject>(this, r));
    }
    CheckObjects();
}

void TbsSkinForm::CreateDefaultObjects()
{
    ClearObjects();
    const std::pair<const char*, TbsStdCommand> buttons[] = {
        {"closebutton", cmClose},   {"maxbutton", cmMaximize},    {"minbutton", cmMinimize},
        {"rollupbutton", cmRollUp}, {"sysmenubutton", cmSysMenu}, {"traybutton", cmMinimizeToTray}};
    for (const auto& [name, command] : buttons)
        ObjectList.push_back(
            std::make_unique<TbsSkinStdButtonObject>(this, QString::fromLatin1(name), command));
    CheckObjects();
}

void TbsSkinForm::CheckObjects()
{
    TbsActiveSkinObject* dialogClose = FindObject(QStringLiteral("dialogclosebutton"));
    for (auto& object : ObjectList) {
        auto* button = dynamic_cast<TbsSkinStdButtonObject*>(object.get());
        if (!button)
            continue;
        if (FHideCaptionButtons) {
            button->Enabled = false;
            button->Visible = !button->SkinRectInAPicture;
            continue;
        }
        auto byIcon = [&](bool enabled) {
            button->Enabled = enabled;
            button->Visible = button->SkinRectInAPicture ? enabled : true;
        };
        switch (button->Command) {
        case cmMaximize:
            byIcon(FBorderIcons.testFlag(biMaximize));
            break;
        case cmMinimize:
            byIcon(FBorderIcons.testFlag(biMinimize));
            break;
        case cmRollUp:
            byIcon(FBorderIcons.testFlag(biRollUp));
            break;
        case cmMinimizeToTray:
            byIcon(FBorderIcons.testFlag(biMinimizeToTray));
            break;
        case cmSysMenu:
            byIcon(FBorderIcons.testFlag(biSystemMenu));
            break;
        case cmDefault:
            button->Visible = false;
            break;
        case cmClose: {
            const bool dialog =
                FBorderIcons == TbsBorderIcons() || FBorderIcons == TbsBorderIcons(biSystemMenu);
            if (dialog && dialogClose) {
                button->Enabled = button->Visible = (button == dialogClose);
            } else if (button == dialogClose) {
                button->Enabled = button->Visible = false;
            } else {
                button->Enabled = button->Visible = true;
            }
            break;
        }
        }
    }
}

void TbsSkinForm::ClearObjects()
{
    FMorphTimer->stop();
    ObjectList.clear();
    ActiveObject = MouseCaptureObject = -1;
}

int TbsSkinForm::ObjectAt(const QPoint& P) const
{
    for (int i = int(ObjectList.size()) - 1; i >= 0; --i) {
        const auto& o = ObjectList[size_t(i)];
        if (o->Visible && o->ObjectRect.contains(P) && !dynamic_cast<TbsSkinCaptionObject*>(o.get()))
            return i;
    }
    return -1;
}

TbsActiveSkinObject* TbsSkinForm::FindObject(const QString& AIDName) const
{
    for (const auto& o : ObjectList)
        if (o->IDName == AIDName)
            return o.get();
    return nullptr;
}

TbsSkinCaptionObject* TbsSkinForm::CaptionObject() const
{
    for (const auto& o : ObjectList)
        if (auto* c = dynamic_cast<TbsSkinCaptionObject*>(o.get()))
            return c;
    return nullptr;
}

const QImage& TbsSkinForm::ActivePicture(int AIndex) const
{
    if (!FSD || FSD->Empty())
        return NullImage();
    const TbsSkinPicture* picture = FSD->ActivePicture(AIndex);
    if (!picture || picture->Empty())
        return NullImage();
    auto found = FPictureCache.find(AIndex);
    if (found == FPictureCache.end())
        found = FPictureCache.emplace(AIndex, ThirtyTwoBit(picture->Image())).first;
    return found->second;
}

const QImage& TbsSkinForm::FramePicture() const
{
    return (GetFormActive() || FInActivePicture.isNull()) ? FPicture : FInActivePicture;
}

// --- painting ------------------------------------------------------------------------------------

void TbsSkinForm::PaintNCSkin(QPainter& C)
{
    CalcRects();
    CalcObjectRects();
    const TbsSkinData& sd = *FSD;
    const QImage& picture = FramePicture();
    const int W = FFormWidth, H = FFormHeight;
    const TbsPartGeometry source = PartGeometry(sd.LTPoint, sd.RTPoint, sd.LBPoint, sd.RBPoint, sd.ClRect);
    TbsPartGeometry dest{NewLTPoint, NewRTPoint, NewLBPoint, NewRBPoint, NewClRect};
    TbsFrameBorders strips;
    PaintFrameBorders(source, dest, strips, picture, picture.rect(), W, H,
                      {sd.LeftStretch, sd.TopStretch, sd.RightStretch, sd.BottomStretch});
    // Objects go into the strip they start in: one that starts above the client area's bottom
    // belongs to the top strip and is cut at its edge, never drawn over the client area.
    {
        QPainter top;
        QPainter bottom;
        if (!strips.Top.isNull())
            top.begin(&strips.Top);
        if (!strips.Bottom.isNull()) {
            bottom.begin(&strips.Bottom);
            bottom.translate(0, -(H - strips.Bottom.height()));
        }
        for (auto& object : ObjectList) {
            if (!object->Visible)
                continue;
            QPainter& target = object->ObjectRect.top() >= NewClRect.bottom() + 1 ? bottom : top;
            if (target.isActive())
                object->Draw(target, false);
        }
    }
    if (!GetFormActive() && sd.AutoRenderingInActiveImage) {
        for (QImage* strip : {&strips.Top, &strips.Left, &strips.Right, &strips.Bottom}) {
            if (strip->isNull())
                continue;
            TbsEffectBmp effect(*strip);
            effect.ApplyInActiveEffect(sd.InActiveEffect);
            *strip = effect.Image();
        }
    }
    const int topHeight = strips.Top.height();
    if (!strips.Top.isNull())
        C.drawImage(0, 0, strips.Top);
    if (!strips.Left.isNull())
        C.drawImage(0, topHeight, strips.Left);
    if (!strips.Right.isNull())
        C.drawImage(W - strips.Right.width(), topHeight, strips.Right);
    if (!strips.Bottom.isNull())
        C.drawImage(0, H - strips.Bottom.height(), strips.Bottom);
}

void TbsSkinForm::PaintCaptionDefault(QPainter& C, const QRect& R)
{
    const bool active = GetFormActive();
    if (OnCaptionPaint) {
        OnCaptionPaint(C, R, active);
        return;
    }
    const QFont font = active ? DefCaptionFont : DefInActiveCaptionFont;
    const QFontMetrics metrics(font);
    const QString text = ShortenText(metrics, FForm->Caption(), R.width());
    if (text.isEmpty())
        return;
    const int w = TextWidth(metrics, text), h = TextHeight(metrics, text);
    const int x = R.left() + R.width() / 2 - (w + 5) / 2;
    const int y = DefCaptionHeight / 2 - h / 2;
    C.fillRect(QRect(x - 1, y - 2, w + 3, h + 4), SysBtnFace());
    C.setFont(font);
    C.setPen(ColorToQColor(active ? DefCaptionFontColor : DefInActiveCaptionFontColor));
    C.drawText(QRect(x, y, w, h), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
}

void TbsSkinForm::PaintNCDefault(QPainter& C)
{
    if (FSD && FSD->ChangeSkinDataProcess())
        return;
    if (ObjectList.empty())
        CreateDefaultObjects();
    CalcDefRects();
    const int W = FForm->width(), H = FForm->height();
    QImage caption(std::max(W - 3, 1), DefCaptionHeight, QImage::Format_RGB32);
    caption.fill(SysBtnFace());
    {
        QPainter p(&caption);
        // The bitmap sits at (3, 3): caption rectangle and objects move by (-3, -3) into it.
        p.translate(-3, -3);
        PaintCaptionDefault(p, NewDefCaptionRect);
        for (auto& object : ObjectList)
            if (object->Visible)
                object->Draw(p, true);
    }
    C.save();
    C.setClipRegion(QRegion(0, 0, W, H) - QRegion(RectLTRB(3, DefCaptionHeight + 3, W - 3, H - 3)));
    C.drawImage(3, 3, caption);
    DrawFrame(C, QRect(0, 0, W, H), ColorToQColor(cl3DDkShadow));
    DrawFrame(C, QRect(1, 1, W - 2, H - 2), SysBtnFace());
    DrawFrame(C, QRect(2, 2, W - 4, H - 4), SysBtnFace());
    C.restore();
}

// The client background's picture piece: ClRect of the frame picture, or the background picture.
void TbsSkinForm::PrepareClientTile()
{
    FClientTile = QImage();
    FClientTileSolid = false;
    if (!FSkinSupport)
        return;
    const QImage* source = &FPicture;
    QRect piece = ExactQRect(FSD->ClRect);
    if (FSD->BGPictureIndex != -1) {
        source = &ActivePicture(FSD->BGPictureIndex);
        piece = source->rect();
    }
    piece = piece.intersected(source->rect());
    if (piece.isEmpty())
        return;
    FClientTile = source->copy(piece);
    // A piece of one colour is filled, not tiled.
    const QRgb first = FClientTile.pixel(0, 0);
    FClientTileSolid = true;
    for (int y = 0; y < FClientTile.height() && FClientTileSolid; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(FClientTile.constScanLine(y));
        FClientTileSolid =
            std::all_of(line, line + FClientTile.width(), [first](QRgb c) { return c == first; });
    }
}

void TbsSkinForm::PaintBG(QPainter& C)
{
    const QRect client = FForm->ClientWidget()->geometry();
    if (client.isEmpty())
        return;
    if (!FSkinSupport) {
        C.fillRect(client, SysBtnFace());
    } else if (FClientTile.isNull()) {
        C.fillRect(client, ColorToQColor(FSD->FSkinColors.FcBtnFace));
    } else if (!FSD->StretchEffect || FClientTileSolid) {
        if (FClientTileSolid) {
            C.fillRect(client, QColor::fromRgb(FClientTile.pixel(0, 0)));
        } else {
            C.save();
            C.setBrushOrigin(client.topLeft());
            C.fillRect(client, QBrush(FClientTile));
            C.restore();
        }
    } else {
        QImage stretched;
        const QRect piece = FClientTile.rect();
        PaintClientPart(piece, QRect(QPoint(0, 0), client.size()), stretched, FSD->StretchType, true,
                        client.width(), client.height(), piece, FClientTile);
        C.drawImage(client.topLeft(), stretched);
    }
    if (!LogoBitMap.isNull()) {
        const QPoint at = client.center() - QPoint(LogoBitMap.width() / 2, LogoBitMap.height() / 2);
        if (LogoBitMapTransparent) {
            QImage logo = LogoBitMap.convertToFormat(QImage::Format_ARGB32);
            const QRgb key = logo.pixel(0, logo.height() - 1);
            for (int y = 0; y < logo.height(); ++y) {
                auto* line = reinterpret_cast<QRgb*>(logo.scanLine(y));
                for (int x = 0; x < logo.width(); ++x)
                    if (line[x] == key)
                        line[x] = 0;
            }
            C.drawImage(at, logo);
        } else {
            C.drawImage(at, LogoBitMap);
        }
    }
}

void TbsSkinForm::PaintObject(QPainter& C, TbsActiveSkinObject* AObject)
{
    if (AObject && AObject->Visible)
        AObject->Draw(C, true);
}

void TbsSkinForm::PaintWindow(QPaintEvent* event)
{
    QPainter C(FForm);
    const QRect client = FForm->ClientWidget()->geometry();
    const QRegion frame = event->region() - QRegion(client);
    if (!frame.isEmpty() && !FStopPainting) {
        // A single button repainting alone (hover, press, cross-fade) needs only its own picture.
        TbsActiveSkinObject* alone = nullptr;
        if (FSkinSupport && frame.rectCount() == 1) {
            for (auto& object : ObjectList)
                if (object->Visible && object->SkinRectInAPicture &&
                    object->ObjectRect.contains(frame.boundingRect()))
                    alone = object.get();
        }
        if (alone && !(FSD->AutoRenderingInActiveImage && !GetFormActive())) {
            C.setClipRect(alone->ObjectRect);
            PaintObject(C, alone);
            C.setClipping(false);
        } else if (FSkinSupport) {
            PaintNCSkin(C);
        } else {
            PaintNCDefault(C);
        }
    }
    if (event->region().intersects(client)) {
        C.setClipRegion(event->region().intersected(client));
        PaintBG(C);
    }
}

void TbsSkinForm::DrawSkinObject(TbsActiveSkinObject* AObject)
{
    if (AObject && FSkinnableForm)
        FForm->update(AObject->ObjectRect);
}

void TbsSkinForm::UpDateFormNC()
{
    FForm->update();
}

// --- cross-fades ---------------------------------------------------------------------------------

void TbsSkinForm::StartMorph()
{
    if (!FMorphTimer->isActive())
        FMorphTimer->start();
}

void TbsSkinForm::MorphTimerTimer()
{
    bool more = false;
    for (auto& object : ObjectList) {
        if (!object->EnableMorphing() || !object->CanMorphing())
            continue;
        object->FMorphKf = std::clamp(object->FMorphKf + (object->Active ? 0.2 : -0.2), 0.0, 1.0);
        DrawSkinObject(object.get());
        more = more || object->CanMorphing();
    }
    if (!more)
        FMorphTimer->stop();
}

// --- window states and commands ------------------------------------------------------------------

void TbsSkinForm::SetWindowState(TbsWindowState AValue)
{
    if (AValue == FWindowState && AValue != wsMinimized)
        return;
    if (AValue == wsMinimized) {
        FForm->showMinimized();
        return;
    }
    if (AValue == wsMaximized) {
        FNormalBounds = FForm->geometry();
        QScreen* screen = FForm->screen() ? FForm->screen() : QGuiApplication::primaryScreen();
        FWindowState = wsMaximized;
        if (screen)
            FForm->setGeometry(screen->availableGeometry());
        FLayerBorder->Hide();
    } else {
        FWindowState = wsNormal;
        if (FNormalBounds.isValid())
            FForm->setGeometry(FNormalBounds);
        FollowWithLayeredBorder();
    }
    UpDateFormNC();
}

void TbsSkinForm::RunCommand(TbsStdCommand ACommand)
{
    if (ActiveObject >= 0 && ActiveObject < int(ObjectList.size()))
        ObjectList[size_t(ActiveObject)]->MouseLeave();
    ActiveObject = MouseCaptureObject = -1;
    switch (ACommand) {
    case cmClose:
        FForm->Close();
        break;
    case cmMaximize:
        SetWindowState(FWindowState == wsMaximized ? wsNormal : wsMaximized);
        break;
    case cmMinimize:
    case cmMinimizeToTray:
        SetWindowState(wsMinimized);
        break;
    default:
        break;
    }
}

// --- pointer -------------------------------------------------------------------------------------

void TbsSkinForm::MouseMove(const QPoint& P)
{
    if (FOwnMove) {
        FForm->move(FForm->mapToGlobal(P) - FMoveOffset);
        return;
    }
    int index = ObjectAt(P);
    if (MouseCaptureObject >= 0 && index != MouseCaptureObject)
        index = -1; // a held button only reacts to the pointer over itself
    if (index == ActiveObject)
        return;
    if (ActiveObject >= 0 && ActiveObject < int(ObjectList.size()))
        ObjectList[size_t(ActiveObject)]->MouseLeave();
    ActiveObject = index;
    if (index >= 0 && (MouseCaptureObject < 0 || MouseCaptureObject == index)) {
        ObjectList[size_t(index)]->MouseEnter();
        FMouseTimer->start();
    }
}

void TbsSkinForm::MouseLeaveFrame()
{
    if (ActiveObject >= 0 && ActiveObject < int(ObjectList.size()))
        ObjectList[size_t(ActiveObject)]->MouseLeave();
    ActiveObject = -1;
}

bool TbsSkinForm::MousePress(QMouseEvent* event)
{
    const QPoint P = event->position().toPoint();
    MouseMove(P);
    if (ActiveObject >= 0) {
        MouseCaptureObject = ActiveObject;
        ObjectList[size_t(ActiveObject)]->MouseDown(P.x(), P.y(), event->button());
        if (event->type() == QEvent::MouseButtonDblClick)
            ObjectList[size_t(ActiveObject)]->DblClick();
        return true;
    }
    if (event->button() != Qt::LeftButton)
        return false;
    const QRect caption = FSkinSupport ? NewCaptionRect : NewDefCaptionRect;
    if (caption.contains(P) || P.y() < FForm->FrameMargins().top()) {
        if (event->type() == QEvent::MouseButtonDblClick && FBorderIcons.testFlag(biMaximize)) {
            RunCommand(cmMaximize);
            return true;
        }
        if (FWindowState == wsMaximized)
            return true;
        QWindow* window = FForm->windowHandle();
        if (!window || !window->startSystemMove()) {
            FOwnMove = true;
            FMoveOffset = event->globalPosition().toPoint() - FForm->pos();
        }
        return true;
    }
    if (FWindowState == wsNormal) {
        const QMargins m = FForm->FrameMargins();
        Qt::Edges edges;
        if (P.x() < std::max(m.left(), 4))
            edges |= Qt::LeftEdge;
        if (P.x() >= FForm->width() - std::max(m.right(), 4))
            edges |= Qt::RightEdge;
        if (P.y() >= FForm->height() - std::max(m.bottom(), 4))
            edges |= Qt::BottomEdge;
        if (edges && FForm->windowHandle())
            FForm->windowHandle()->startSystemResize(edges);
    }
    return true;
}

bool TbsSkinForm::MouseRelease(QMouseEvent* event)
{
    FOwnMove = false;
    const QPoint P = event->position().toPoint();
    const int captured = MouseCaptureObject;
    MouseCaptureObject = -1;
    if (captured >= 0 && captured < int(ObjectList.size())) {
        ObjectList[size_t(captured)]->MouseUp(P.x(), P.y(), event->button());
        if (captured < int(ObjectList.size()))
            MouseMove(P);
        return true;
    }
    return false;
}

// --- skin change ---------------------------------------------------------------------------------

void TbsSkinForm::ApplyFrameHint()
{
    const bool frameless = FSkinnableForm;
    if (FForm->windowFlags().testFlag(Qt::FramelessWindowHint) == frameless)
        return;
    const bool visible = FForm->isVisible();
    FForm->setWindowFlag(Qt::FramelessWindowHint, frameless);
    if (visible)
        FForm->show();
}

void TbsSkinForm::ApplyMargins()
{
    FForm->SetFrameMargins(ClientInset());
}

void TbsSkinForm::BeforeChangeSkinData()
{
    FStopPainting = true;
    FSkinSupport = false;
    ClearObjects();
    FPictureCache.clear();
    FClientTile = QImage();
    FLayerBorder->Hide();
    if (OnBeforeChangeSkinData)
        OnBeforeChangeSkinData();
}

void TbsSkinForm::ChangeSkinData()
{
    FStopPainting = false;
    ActiveObject = MouseCaptureObject = -1;
    FPictureCache.clear();
    FPicture = FInActivePicture = QImage();
    // A skin without a main picture cannot frame a window: it gets the default look.
    if (FSD && !FSD->Empty() && !FSD->FPicture.Empty()) {
        FPicture = ThirtyTwoBit(FSD->FPicture.Image());
        if (!FSD->FInActivePicture.Empty())
            FInActivePicture = ThirtyTwoBit(FSD->FInActivePicture.Image());
        if (FInActivePicture.size() != FPicture.size())
            FInActivePicture = QImage();
    }
    FSkinSupport = !FPicture.isNull();
    PrepareClientTile();
    FLayerBorder->Hide();
    if (FSkinSupport && FSkinnableForm) {
        CreateSkinObjects();
        FLayerBorder->InitFrame(FSD.data());
    } else {
        ClearObjects();
        FLayerBorder->InitFrame(nullptr);
    }
    ApplyMargins();
    CalcRects();
    CalcObjectRects();
    SetFormRegion();
    FFormActive = FForm->isActiveWindow();
    FollowWithLayeredBorder();
    UpDateFormNC();
    if (OnChangeSkinData)
        OnChangeSkinData();
}

void TbsSkinForm::AfterChangeSkinData()
{
    if (OnAfterChangeSkinData)
        OnAfterChangeSkinData();
}

void TbsSkinForm::SetFormRegion()
{
    if (!FSkinnableForm || !FSkinSupport || FSD->FMask.Empty()) {
        FForm->clearMask();
        return;
    }
    const TbsSkinData& sd = *FSD;
    const QImage& mask = sd.FMask.Image();
    const TbsPartGeometry source =
        PartGeometry(sd.LTPoint, sd.RTPoint, sd.LBPoint, sd.RBPoint, sd.MaskRectArea);
    const TbsPartGeometry dest{NewLTPoint, NewRTPoint, NewLBPoint, NewRBPoint, NewMaskRectArea};
    const QRegion region = FramedMaskRegion(source, dest, mask, FFormWidth, FFormHeight);
    if (region.isEmpty())
        FForm->clearMask();
    else
        FForm->setMask(region);
}

void TbsSkinForm::SizeChanged()
{
    if (!FSkinSupport || !FSkinnableForm)
        return;
    CalcRects();
    CalcObjectRects();
    SetFormRegion();
}

bool TbsSkinForm::CanShowLayeredBorder() const
{
    return FSkinSupport && FSkinnableForm && FSD && FSD->ShowLayeredBorders() && FLayerBorder->HasFrame() &&
           FWindowState == wsNormal && TbsFormLayerBorder::CompositingAvailable();
}

void TbsSkinForm::FollowWithLayeredBorder()
{
    if (!CanShowLayeredBorder() || !FForm->isVisible() || FForm->isMinimized()) {
        FLayerBorder->Hide();
        return;
    }
    FLayerBorder->SetActive(GetFormActive(), FForm->frameGeometry());
    if (FLayerBorder->Visible())
        FLayerBorder->SetBoundsWithForm(FForm->frameGeometry());
    else
        FLayerBorder->ShowWithForm(FForm->frameGeometry());
}

void TbsSkinForm::FormActiveChanged()
{
    const bool active = FForm->isActiveWindow();
    if (active == FFormActive)
        return;
    FFormActive = active;
    for (auto& object : ObjectList) {
        object->Active = object->FMouseIn = false;
        object->FMorphKf = 0;
    }
    ActiveObject = -1;
    if (CanShowLayeredBorder() && FLayerBorder->Visible())
        FLayerBorder->SetActive(active, FForm->frameGeometry());
    UpDateFormNC();
}

bool TbsSkinForm::HandleSkinMessage(QEvent* event)
{
    TbsSkinMessageEvent* message = TbsSkinMessageEvent::From(event);
    if (!message || !FSD || reinterpret_cast<TbsSkinData*>(message->WParam) != FSD.data())
        return false;
    switch (message->Msg()) {
    case smBeforeSkinChange:
        BeforeChangeSkinData();
        break;
    case smSkinChange:
        ChangeSkinData();
        break;
    case smAfterSkinChange:
        AfterChangeSkinData();
        break;
    case smSkinnableFormChanged:
        FSkinnableForm = FSD->SkinnableForm();
        ApplyFrameHint();
        ChangeSkinData();
        // The controls look their objects up again, whichever repository they use.
        RelaySkinChange(FForm, smSkinChange, nullptr);
        break;
    case smLayeredBordersChanged:
    case smAeroBlurChanged:
        FLayerBorder->Hide();
        FollowWithLayeredBorder();
        break;
    default:
        break;
    }
    return false; // the window handles the message as well
}

bool TbsSkinForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != FForm)
        return false;
    switch (event->type()) {
    case QEvent::Paint:
        if (!FSkinnableForm)
            return false;
        PaintWindow(static_cast<QPaintEvent*>(event));
        return true;
    case QEvent::Resize:
        SizeChanged();
        FollowWithLayeredBorder();
        return false;
    case QEvent::Move:
        if (FLayerBorder->Visible())
            FLayerBorder->SetBoundsWithForm(FForm->frameGeometry());
        return false;
    case QEvent::Show:
    case QEvent::WindowStateChange:
        FollowWithLayeredBorder();
        return false;
    case QEvent::Hide:
        FLayerBorder->Hide();
        return false;
    case QEvent::ActivationChange:
        FormActiveChanged();
        return false;
    case QEvent::WindowTitleChange:
        UpDateFormNC();
        return false;
    case QEvent::MouseMove:
        if (!FSkinnableForm)
            return false;
        MouseMove(static_cast<QMouseEvent*>(event)->position().toPoint());
        return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        return FSkinnableForm && MousePress(static_cast<QMouseEvent*>(event));
    case QEvent::MouseButtonRelease:
        return FSkinnableForm && MouseRelease(static_cast<QMouseEvent*>(event));
    case QEvent::Leave:
        MouseLeaveFrame();
        return false;
    default:
        break;
    }
    if (int(event->type()) >= QEvent::User)
        return HandleSkinMessage(event);
    return false;
}
