// The skinned window frame: geometry for every size, frame and client painting, the frame objects'
// placement and pointer handling, the window commands of the caption buttons and the skin change.
#include "bsSkinForm.h"

#include "SkinMessage.h"
#include "TApplication.h"
#include "TForm.h"
#include "bsColors.h"
#include "bsDefaultLook.h"
#include "bsEffectBmp.h"
#include "bsPixelCopy.h"
#include "bsSkinData.h"
#include "bsSkinLink.h"
#include "bsTextHelpers.h"

#include <QApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QShortcut>
#include <QWindow>
#include <algorithm>
#include <limits>

using bsPixels::RectLTRB;

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

const QImage& NullImage()
{
    static const QImage none;
    return none;
}

} // namespace

namespace {

// Every skinned form, for the free places of the skin-minimized bars.
std::vector<TbsSkinForm*>& SkinForms()
{
    static std::vector<TbsSkinForm*> forms;
    return forms;
}

} // namespace

TbsSkinForm::TbsSkinForm(TForm* AForm)
    : QObject(AForm), FForm(AForm), FSkinMenu(new TbsSkinMenu(this)), FDefaultSysMenu(new TPopupMenu(this)),
      FMorphTimer(CreateControlTimer(this)), FMouseTimer(CreateControlTimer(this)),
      FAnimateTimer(CreateControlTimer(this)), FFadeTimer(CreateControlTimer(this)),
      FLayerBorder(std::make_unique<TbsFormLayerBorder>())
{
    setObjectName(QStringLiteral("bsSkinForm1"));
    SkinForms().push_back(this);
    DefCaptionFont = SkinRecordFont(QStringLiteral("Tahoma"), 13, fsBold);
    DefInActiveCaptionFont = DefCaptionFont;
    MenusFont = SkinRecordFont(QStringLiteral("Tahoma"), 13, {});
    FMorphTimer->OnTimer = [this] { MorphTimerTimer(); };
    FAnimateTimer->OnTimer = [this] { AnimateTimerTimer(); };
    FFadeTimer->OnTimer = [this] { FadeTimerTimer(); };
    // The pointer can leave a caption button into the client widget without the window being told.
    FMouseTimer->OnTimer = [this] {
        const QPoint P = QCursor::pos() - ScreenOrigin();
        if (MouseCaptureObject < 0 && (ObjectAt(P) != ActiveObject || !FForm->rect().contains(P)))
            MouseLeaveFrame();
        if (ActiveObject < 0 || FSizeMove)
            FMouseTimer->Stop();
    };
    // Alt+Space opens the system menu from whichever control of the window has the focus.
    auto* sysMenuKey = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Space), FForm);
    sysMenuKey->setContext(Qt::WindowShortcut);
    connect(sysMenuKey, &QShortcut::activated, this, [this] {
        if (FSkinnableForm)
            PopupSysMenuFromButton();
    });
    FForm->setMouseTracking(true);
    // The frame's sizing cursors stop at the client area.
    FForm->ClientWidget()->setCursor(Qt::ArrowCursor);
    FForm->installEventFilter(this);
    ApplyFrameHint();
    ChangeSkinData();
}

TbsSkinForm::~TbsSkinForm()
{
    std::erase(SkinForms(), this);
    FSkinMenu->OnMenuClose = nullptr;
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
    NewHitTestLTPoint = Point(sd.HitTestLTPoint);
    NewHitTestRTPoint = Point(sd.HitTestRTPoint) + QPoint(dx, 0);
    NewHitTestLBPoint = Point(sd.HitTestLBPoint) + QPoint(0, dy);
    NewHitTestRBPoint = Point(sd.HitTestRBPoint) + QPoint(dx, dy);
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
    FMorphTimer->Stop();
    FAnimateTimer->Stop();
    ObjectList.clear();
    ActiveObject = MouseCaptureObject = -1;
}

int TbsSkinForm::ObjectAt(const QPoint& P) const
{
    // The caption takes no pointer state of its own: over it the window is moved.
    for (int i = 0; i < int(ObjectList.size()); ++i) {
        const auto& o = ObjectList[size_t(i)];
        if (o->Enabled && o->Visible && o->ObjectRect.contains(P) &&
            !dynamic_cast<TbsSkinCaptionObject*>(o.get()) && o->PointInObject(P - o->ObjectRect.topLeft()))
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
    if (GetFormActive())
        return FPicture;
    if (FInActivePending) {
        FInActivePending = false;
        if (FSD && !FSD->FInActivePicture.Empty()) {
            const QImage inactive = ThirtyTwoBit(FSD->FInActivePicture.Image());
            if (inactive.size() == FPicture.size())
                FInActivePicture = inactive;
        }
    }
    return FInActivePicture.isNull() ? FPicture : FInActivePicture;
}

// --- painting ------------------------------------------------------------------------------------

// Cutting the strips out of the frame picture pixel by pixel is the most of a frame repaint, and
// the result changes only with the size, the picture (a skin change, activation) or the geometry.
TbsFrameBorders TbsSkinForm::FrameStrips(const TbsPartGeometry& source, const TbsPartGeometry& dest,
                                         const QImage& picture, const TbsEdgeStretch& stretch)
{
    const QSize size(FFormWidth, FFormHeight);
    for (const TbsStripCacheEntry& entry : FStripCache)
        if (entry.PictureKey == picture.cacheKey() && entry.Size == size && entry.Source == source &&
            entry.Dest == dest && entry.Stretch == stretch)
            return entry.Strips;
    TbsStripCacheEntry entry{picture.cacheKey(), size, source, dest, stretch, {}};
    PaintFrameBorders(source, dest, entry.Strips, picture, picture.rect(), size.width(), size.height(),
                      stretch);
    ++FStripsCut;
    if (FStripCache.size() >= 2)
        FStripCache.erase(FStripCache.begin());
    FStripCache.push_back(entry);
    return entry.Strips;
}

void TbsSkinForm::PaintNCSkin(QPainter& C)
{
    CalcRects();
    CalcObjectRects();
    const TbsSkinData& sd = *FSD;
    const QImage& picture = FramePicture();
    const int W = FFormWidth, H = FFormHeight;
    const TbsPartGeometry source = PartGeometry(sd.LTPoint, sd.RTPoint, sd.LBPoint, sd.RBPoint, sd.ClRect);
    TbsPartGeometry dest{NewLTPoint, NewRTPoint, NewLBPoint, NewRBPoint, NewClRect};
    const TbsEdgeStretch stretch{sd.LeftStretch, sd.TopStretch, sd.RightStretch, sd.BottomStretch};
    TbsFrameBorders strips = FrameStrips(source, dest, picture, stretch);
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
    if (!FMorphTimer->Active())
        FMorphTimer->Start(25);
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
        FMorphTimer->Stop();
}

// --- window states and commands ------------------------------------------------------------------

// Under a reparenting window manager the platform's own mapping of a frameless window can miss
// the window's place; the window's geometry has it.
QPoint TbsSkinForm::ScreenOrigin() const
{
    return FForm->geometry().topLeft();
}

QRect TbsSkinForm::WorkArea(bool AWhole) const
{
    QScreen* screen = FForm->screen() ? FForm->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return QRect(0, 0, 1024, 768);
    return AWhole ? screen->geometry() : screen->availableGeometry();
}

int TbsSkinForm::GetMinWidth() const
{
    const bool minimized = FWindowState == wsMinimized;
    if (!FSkinSupport)
        return MinWidth > 0 ? MinWidth : 120;
    const int PW = FPicture.width();
    if (MinWidth > PW && !minimized)
        return MinWidth;
    if (FSD->FormMinWidth > 0)
        return MinWidth > FSD->FormMinWidth && !minimized ? MinWidth : FSD->FormMinWidth;
    return PW;
}

int TbsSkinForm::GetMinHeight() const
{
    const bool bar = FRollUpState || FWindowState == wsMinimized;
    if (!FSkinSupport)
        return DefCaptionHeight + 6 >= MinHeight || bar ? DefCaptionHeight + 6 : MinHeight;
    if (FSD->FormMinHeight > 0)
        return MinHeight > FSD->FormMinHeight && !bar ? MinHeight : FSD->FormMinHeight;
    const QRect c = ExactQRect(FSD->ClRect);
    const int nonClient = std::clamp(FPicture.height() - c.height(), 0, MaxInset);
    return nonClient >= MinHeight || bar ? nonClient : MinHeight;
}

int TbsSkinForm::GetMaxWidth() const
{
    return MaxWidth != 0 ? MaxWidth : WorkArea(MaximizeOnFullScreen).width();
}

int TbsSkinForm::GetMaxHeight() const
{
    return MaxHeight != 0 ? MaxHeight : WorkArea(MaximizeOnFullScreen).height();
}

// The window manager keeps the window within these while the user sizes it. The maximum is set
// only when asked for: a window laid out larger than a small screen keeps its size.
void TbsSkinForm::ApplySizeLimits()
{
    if (!FSkinnableForm) {
        FForm->setMinimumSize(0, 0);
        FForm->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        return;
    }
    FForm->setMinimumSize(GetMinWidth(), GetMinHeight());
    FForm->setMaximumSize(MaxWidth > 0 ? std::max(MaxWidth, GetMinWidth()) : QWIDGETSIZE_MAX,
                          MaxHeight > 0 ? std::max(MaxHeight, GetMinHeight()) : QWIDGETSIZE_MAX);
    FitClientToWindow();
}

// A hidden window hears of its new size only when shown; its client area follows at once.
void TbsSkinForm::FitClientToWindow()
{
    const QSize client = FForm->size().shrunkBy(FForm->FrameMargins());
    if (client != FForm->ClientWidget()->size())
        FForm->SetClientSize(client.width(), client.height());
}

void TbsSkinForm::SetGeometryAndFrame(const QRect& R)
{
    ApplySizeLimits();
    FForm->setGeometry(R);
    FitClientToWindow();
    SizeChanged();
    UpDateFormNC();
}

void TbsSkinForm::SetWindowState(TbsWindowState AValue)
{
    if (!FSkinnableForm) {
        if (AValue == wsMaximized)
            FForm->showMaximized();
        else if (AValue == wsMinimized)
            FForm->showMinimized();
        else
            FForm->showNormal();
        return;
    }
    if (AValue == FWindowState)
        return;
    const bool mainForm = Application && Application->MainForm() == FForm;
    if (AValue == wsMinimized && (mainForm || MinimizeDefault)) {
        FForm->showMinimized();
        FireEvent(OnMinimize);
        return;
    }
    FWindowState = AValue;
    switch (AValue) {
    case wsNormal:
        DoRestore();
        break;
    case wsMinimized:
        DoMinimize();
        break;
    case wsMaximized:
        DoMaximize();
        break;
    }
}

void TbsSkinForm::DoMaximize()
{
    // A rolled-up window maximizes to its full size and rolls up again when restored.
    FRollUpBeforeMaximize = FRollUpState;
    FRollUpState = false;
    MaxRollUpState = false;
    if (OldBoundsRect.isEmpty())
        OldBoundsRect = FForm->geometry();
    QRect target = WorkArea(MaximizeOnFullScreen);
    const QScreen* primary = QGuiApplication::primaryScreen();
    // No visible task bar: a hair of the screen stays free, so that one that hides can come back.
    if (target.size() == WorkArea(true).size() && primary && WorkArea(true) == primary->geometry())
        target.adjust(1, 1, -1, -1);
    FLayerBorder->Hide();
    SetGeometryAndFrame(target);
    FMouseTimer->Stop();
    FireEvent(OnMaximize);
}

void TbsSkinForm::DoMinimize()
{
    if (OldBoundsRect.isEmpty())
        OldBoundsRect = FForm->geometry();
    FLayerBorder->Hide();
    ApplySizeLimits();
    SetGeometryAndFrame(QRect(GetMinimizePosition(), QSize(GetMinWidth(), GetMinHeight())));
    FireEvent(OnMinimize);
}

void TbsSkinForm::DoRestore()
{
    if (MaxRollUpState && !FRollUpBeforeMaximize)
        FRollUpState = false;
    else if (FRollUpBeforeMaximize)
        FRollUpState = true;
    FRollUpBeforeMaximize = false;
    MaxRollUpState = false;
    if (!OldBoundsRect.isEmpty())
        SetGeometryAndFrame(OldBoundsRect);
    else
        SetGeometryAndFrame(FForm->geometry());
    OldBoundsRect = QRect();
    FollowWithLayeredBorder();
    FireEvent(OnRestore);
}

QPoint TbsSkinForm::GetMinimizePosition() const
{
    const QRect R = WorkArea();
    const int w = std::max(1, GetMinWidth()), h = std::max(1, GetMinHeight());
    const int right = R.left() + R.width(), bottom = R.top() + R.height();
    const TForm* mainForm = Application ? Application->MainForm() : nullptr;
    auto taken = [&](const QPoint& P) {
        return std::any_of(SkinForms().begin(), SkinForms().end(), [&](const TbsSkinForm* f) {
            return f != this && f->FForm != mainForm && f->FForm->isVisible() &&
                   f->FWindowState == wsMinimized && f->FForm->pos() == P;
        });
    };
    QPoint P(R.left(), bottom - h);
    while (taken(P)) {
        P.rx() += w;
        if (P.x() + w > right) {
            P.setX(R.left());
            P.ry() -= h;
        }
        if (P.y() < R.top()) {
            P.setY(bottom - h);
            break;
        }
    }
    return P;
}

void TbsSkinForm::SetRollUpState(bool AValue)
{
    if (!FBorderIcons.testFlag(biRollUp) || FWindowState == wsMinimized || AValue == FRollUpState)
        return;
    if (FWindowState == wsMaximized && FRollUpState && !MaxRollUpState)
        return;
    if (FWindowState == wsMaximized)
        MaxRollUpState = AValue;
    FRollUpState = AValue;
    if (AValue) {
        OldHeight = FForm->height();
        SetGeometryAndFrame(QRect(FForm->pos(), QSize(FForm->width(), GetMinHeight())));
    } else if (ClientHeight != 0) {
        ApplySizeLimits();
        FForm->SetClientSize(FForm->ClientWidth(), ClientHeight);
        SizeChanged();
        UpDateFormNC();
    } else {
        SetGeometryAndFrame(QRect(FForm->pos(), QSize(FForm->width(), OldHeight)));
    }
    FireEvent(OnChangeRollUpState);
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
        SetWindowState(FWindowState == wsMinimized ? wsNormal : wsMinimized);
        break;
    case cmRollUp:
        SetRollUpState(!FRollUpState);
        break;
    default:
        break;
    }
}

void TbsSkinForm::CaptionDblClick()
{
    if (CanResize() && FWindowState == wsMinimized)
        SetWindowState(wsNormal);
    else if (CanResize() && FWindowState == wsNormal && !FRollUpState && FBorderIcons.testFlag(biMaximize))
        SetWindowState(wsMaximized);
    else if (CanResize() && FWindowState == wsMaximized && !MaxRollUpState)
        SetWindowState(wsNormal);
    else
        SetRollUpState(!FRollUpState);
}

// --- transparency --------------------------------------------------------------------------------

void TbsSkinForm::SetCurrentAlpha(int AValue)
{
    FCurrentAlpha = std::clamp(AValue, 0, 255);
    FForm->setWindowOpacity(FCurrentAlpha / 255.0);
}

void TbsSkinForm::SetAlphaBlend(bool AValue)
{
    FAlphaBlend = AValue;
    FFadeTimer->Stop();
    SetCurrentAlpha(AValue ? FAlphaBlendValue : 255);
}

void TbsSkinForm::SetAlphaBlendValue(int AValue)
{
    FAlphaBlendValue = std::clamp(AValue, 0, 255);
    if (FAlphaBlend) {
        FFadeTimer->Stop();
        SetCurrentAlpha(FAlphaBlendValue);
    }
}

void TbsSkinForm::StartFadeIn()
{
    if (!FAlphaBlend && !AlphaBlendAnimation)
        return;
    SetCurrentAlpha(0);
    FFadeStarted = false;
    FFadeTimer->Start(1);
}

// The first tick picks the target; then the opacity rises by a fifteenth of it every step.
void TbsSkinForm::FadeTimerTimer()
{
    if (!FFadeStarted) {
        FFadeStarted = true;
        FFadeTarget = AlphaBlendAnimation && !FAlphaBlend ? 255 : FAlphaBlendValue;
        if (!AlphaBlendAnimation) {
            FFadeTimer->Stop();
            SetCurrentAlpha(FFadeTarget);
            return;
        }
        FFadeTimer->Start(6);
        return;
    }
    const int step = std::max(1, FFadeTarget / 15);
    SetCurrentAlpha(std::min(FFadeTarget, FCurrentAlpha + step));
    if (FCurrentAlpha >= FFadeTarget)
        FFadeTimer->Stop();
}

// --- magnetic edges ------------------------------------------------------------------------------

QPoint TbsSkinForm::DoMagnetic(const QPoint& ALeftTop, const QPoint& APointer)
{
    const QRect R = WorkArea();
    const int M = MagneticSize;
    const int w = FForm->width(), h = FForm->height();
    const int rRight = R.left() + R.width(), rBottom = R.top() + R.height();
    // One edge: near is strictly within M; a stuck edge lets go once the pointer has moved on by
    // more than M from where the edge caught it.
    auto edge = [M](int pos, int target, int pointer, int& stored, bool& stuck, int stuckPos) {
        const bool nearEdge = target - M < pos && pos < target + M;
        int result = pos;
        if (nearEdge && !stuck) {
            result = stuckPos;
            stored = pointer;
        } else if (nearEdge) {
            result = std::abs(pointer - stored) > M ? pointer + stuckPos - stored : stuckPos;
        }
        stuck = nearEdge;
        return result;
    };
    int left = ALeftTop.x(), top = ALeftTop.y();
    int sx = FMagnetCoord.x(), sy = FMagnetCoord.y();
    left = edge(left, R.left(), APointer.x(), sx, HMagnetized, R.left());
    top = edge(top, R.top(), APointer.y(), sy, VMagnetized, R.top());
    left = edge(left + w, rRight, APointer.x(), sx, HMagnetized2, rRight) - w;
    top = edge(top + h, rBottom, APointer.y(), sy, VMagnetized2, rBottom) - h;
    FMagnetCoord = QPoint(sx, sy);
    return QPoint(left, top);
}

// --- system menu ---------------------------------------------------------------------------------

void TbsSkinForm::CreateDefaultSysMenu(TMenuItem* ARoot)
{
    const TbsResourceStrData* strings = FSD ? FSD->ResourceStrData() : nullptr;
    auto caption = [strings](const char* AKey, const char* ADefault) {
        const QString text = strings ? strings->GetResStr(QString::fromLatin1(AKey)) : QString();
        return text.isEmpty() ? QString::fromLatin1(ADefault) : text;
    };
    if (FWindowState != wsMinimized && FBorderIcons.testFlag(biMinimize))
        ARoot->Add("BSF_MINITEM", caption("MI_MINCAPTION", "Mi&nimize"),
                   [this] { SetWindowState(wsMinimized); });
    if (FWindowState != wsMaximized && FBorderIcons.testFlag(biMaximize))
        ARoot->Add("BSF_MAXITEM", caption("MI_MAXCAPTION", "Ma&ximize"),
                   [this] { SetWindowState(wsMaximized); });
    if (FWindowState != wsNormal || FRollUpState)
        ARoot->Add("BSF_RESTORE", caption("MI_RESTORECAPTION", "&Restore"), [this] {
            const bool rolled = FWindowState == wsMaximized ? MaxRollUpState : FRollUpState;
            if (rolled && FWindowState != wsMinimized)
                SetRollUpState(false);
            else
                SetWindowState(wsNormal);
        });
    if (!FRollUpState && FWindowState != wsMinimized && FBorderIcons.testFlag(biRollUp))
        ARoot->Add("BSF_ROLLUP", caption("MI_ROLLUPCAPTION", "Ro&llUp"), [this] { SetRollUpState(true); });
    if (FBorderIcons.testFlag(biMinimizeToTray))
        ARoot->Add("BSF_MINTOTRAY", caption("MI_MINTOTRAYCAPTION", "Minimize to &Tray"), {});
    if (ARoot->Count() > 0)
        ARoot->Add("", QStringLiteral("-"));
    TMenuItem* close =
        ARoot->Add("BSF_CLOSE", caption("MI_CLOSECAPTION", "&Close"), [this] { FForm->Close(); });
    close->ShortCut = QKeySequence(Qt::ALT | Qt::Key_F4);
}

TMenuItem* TbsSkinForm::GetSysMenuItems()
{
    // Rebuilt for the state of the moment; an open menu of the old items is closed first.
    FSkinMenu->Hide();
    delete FDefaultSysMenu;
    FDefaultSysMenu = new TPopupMenu(this);
    CreateDefaultSysMenu(FDefaultSysMenu->Items());
    return FDefaultSysMenu->Items();
}

void TbsSkinForm::PopupSysMenu(const QRect& AScreenRect)
{
    if (DisableSystemMenu)
        return;
    TMenuItem* items = GetSysMenuItems();
    FSkinMenu->DefaultMenuItemHeight = DefMenuItemHeight;
    FSkinMenu->DefaultMenuItemFont = MenusFont;
    FSkinMenu->UseSkinFont = UseSkinFontInMenu;
    SkinMenuOpen();
    FSkinMenu->OnMenuClose = [this] { SkinMenuClose(); };
    FSkinMenu->Popup(FForm, MenusSkinData ? MenusSkinData.data() : FSD.data(), false, items, AScreenRect);
    if (!FSkinMenu->Visible())
        SkinMenuClose();
}

bool TbsSkinForm::PopupSysMenuFromButton()
{
    for (auto& object : ObjectList) {
        auto* button = dynamic_cast<TbsSkinStdButtonObject*>(object.get());
        if (button && button->Command == cmSysMenu && button->Enabled && button->Visible) {
            PopupSysMenu(button->ObjectRect.translated(ScreenOrigin()));
            return true;
        }
    }
    return false;
}

void TbsSkinForm::SkinMenuOpen()
{
    InMenu = true;
}

void TbsSkinForm::SkinMenuClose()
{
    InMenu = false;
    for (auto& object : ObjectList) {
        auto* button = dynamic_cast<TbsSkinButtonObject*>(object.get());
        if (button && button->FDown) {
            button->FDown = false;
            DrawSkinObject(button);
        }
    }
    MouseCaptureObject = -1;
}

void TbsSkinForm::CloseSkinMenus()
{
    if (FSkinMenu->Visible())
        FSkinMenu->Hide();
    else if (InMenu)
        SkinMenuClose();
}

// --- hit testing ---------------------------------------------------------------------------------

bool TbsSkinForm::OnCaption(const QPoint& P) const
{
    const TbsSkinCaptionObject* caption = CaptionObject();
    return caption && caption->Visible && caption->ObjectRect.contains(P);
}

int TbsSkinForm::HitTest(const QPoint& P) const
{
    return FSkinSupport ? SkinHitTest(P) : DefaultHitTest(P);
}

int TbsSkinForm::SkinHitTest(const QPoint& P) const
{
    if (FRollUpState || FWindowState == wsMinimized)
        return OnCaption(P) ? HTCAPTION : HTOBJECT;
    if (ActiveObject != -1 && !OnCaption(P) && !NewClRect.contains(P) && !FSizeMove)
        return HTOBJECT;
    const int x = P.x(), y = P.y();
    const int W = FForm->width(), H = FForm->height();
    if (FWindowState != wsMaximized && CanResize()) {
        const int b = std::clamp(FSD->BorderW, 0, MaxInset);
        const QPoint around[] = {{x - b, y}, {x, y - b}, {x + b, y}, {x, y + b}};
        const QRect window(0, 0, W, H);
        const QRegion shape = FForm->mask();
        bool nearEdge = false;
        for (const QPoint& a : around) {
            const bool outside = shape.isEmpty() ? !window.contains(a) : !shape.contains(a);
            nearEdge = nearEdge || outside;
        }
        if (!shape.isEmpty() && NewMaskRectArea.contains(P))
            nearEdge = false;
        if (!nearEdge)
            return NewClRect.contains(P) ? HTCLIENT : OnCaption(P) ? HTCAPTION : HTOBJECT;
        const QPoint lt = NewHitTestLTPoint, rt = NewHitTestRTPoint, lb = NewHitTestLBPoint,
                     rb = NewHitTestRBPoint;
        if (x <= lt.x() && y <= lt.y())
            return HTTOPLEFT;
        if (x >= rt.x() && y <= rt.y())
            return HTTOPRIGHT;
        if (x <= lb.x() && y >= lb.y())
            return HTBOTTOMLEFT;
        if (x >= rb.x() && y >= rb.y())
            return HTBOTTOMRIGHT;
        const int clTop = NewClRect.top(), clBottom = BottomOf(NewClRect);
        const int clLeft = NewClRect.left(), clRight = RightOf(NewClRect);
        if (RectLTRB(lt.x(), 0, rt.x(), clTop).contains(P))
            return HTTOP;
        if (RectLTRB(lb.x(), clBottom, rb.x(), H).contains(P))
            return HTBOTTOM;
        if (RectLTRB(0, lt.y(), clLeft, lb.y()).contains(P))
            return HTLEFT;
        if (RectLTRB(clRight, rt.y(), W, rb.y()).contains(P))
            return HTRIGHT;
    }
    if (NewClRect.contains(P))
        return HTCLIENT;
    return OnCaption(P) ? HTCAPTION : HTOBJECT;
}

int TbsSkinForm::DefaultHitTest(const QPoint& P) const
{
    const int x = P.x(), y = P.y();
    const int W = FForm->width(), H = FForm->height();
    if (FWindowState == wsNormal && !FRollUpState && CanResize()) {
        if (ActiveObject != -1)
            return HTOBJECT;
        if (x <= 2 && y <= 2)
            return HTTOPLEFT;
        if (x >= W - 2 && y <= 2)
            return HTTOPRIGHT;
        if (x <= 2 && y >= H - 2)
            return HTBOTTOMLEFT;
        if (x >= W - 2 && y >= H - 2)
            return HTBOTTOMRIGHT;
        if (x <= 2)
            return HTLEFT;
        if (y <= 2)
            return HTTOP;
        if (x >= W - 2)
            return HTRIGHT;
        if (y >= H - 2)
            return HTBOTTOM;
    }
    if (NewDefCaptionRect.contains(P))
        return HTCAPTION;
    if (RectLTRB(3, DefCaptionHeight + 3, W - 3, H - 3).contains(P))
        return HTCLIENT;
    return HTOBJECT;
}

// --- pointer -------------------------------------------------------------------------------------

namespace {

Qt::Edges EdgesOf(int AHitCode)
{
    switch (AHitCode) {
    case HTLEFT:
        return Qt::LeftEdge;
    case HTRIGHT:
        return Qt::RightEdge;
    case HTTOP:
        return Qt::TopEdge;
    case HTBOTTOM:
        return Qt::BottomEdge;
    case HTTOPLEFT:
        return Qt::TopEdge | Qt::LeftEdge;
    case HTTOPRIGHT:
        return Qt::TopEdge | Qt::RightEdge;
    case HTBOTTOMLEFT:
        return Qt::BottomEdge | Qt::LeftEdge;
    case HTBOTTOMRIGHT:
        return Qt::BottomEdge | Qt::RightEdge;
    default:
        return {};
    }
}

Qt::CursorShape CursorOf(int AHitCode)
{
    switch (AHitCode) {
    case HTLEFT:
    case HTRIGHT:
        return Qt::SizeHorCursor;
    case HTTOP:
    case HTBOTTOM:
        return Qt::SizeVerCursor;
    case HTTOPLEFT:
    case HTBOTTOMRIGHT:
        return Qt::SizeFDiagCursor;
    case HTTOPRIGHT:
    case HTBOTTOMLEFT:
        return Qt::SizeBDiagCursor;
    default:
        return Qt::ArrowCursor;
    }
}

} // namespace

void TbsSkinForm::UpdateCursor(int AHitCode)
{
    const Qt::CursorShape shape = CursorOf(AHitCode);
    if (shape == Qt::ArrowCursor)
        FForm->unsetCursor();
    else if (FForm->cursor().shape() != shape || !FForm->testAttribute(Qt::WA_SetCursor))
        FForm->setCursor(shape);
}

void TbsSkinForm::MouseMove(const QPoint& P)
{
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
        if (!FMouseTimer->Active())
            FMouseTimer->Start(50);
    }
}

void TbsSkinForm::MouseLeaveFrame()
{
    if (ActiveObject >= 0 && ActiveObject < int(ObjectList.size()))
        ObjectList[size_t(ActiveObject)]->MouseLeave();
    ActiveObject = -1;
}

void TbsSkinForm::BeginDrag(int AHitCode, const QPoint& AGlobal, const QPoint& ALocal)
{
    FDragMode = dmPending;
    FDragCode = AHitCode;
    FDragStart = AGlobal;
    // The press itself tells where the window is on the screen.
    FDragStartGeometry = QRect(AGlobal - ALocal, FForm->size());
    HMagnetized = VMagnetized = HMagnetized2 = VMagnetized2 = false;
}

void TbsSkinForm::DragTo(const QPoint& AGlobal)
{
    if (FDragMode == dmPending) {
        // Entering the move or size loop: the objects lose the pointer.
        MouseLeaveFrame();
        MouseCaptureObject = -1;
        FMouseTimer->Stop();
        QWindow* window = FForm->windowHandle();
        // Snapping needs every position, so a magnetic window moves itself. The window manager
        // starts from where the platform believes the window is; a reparenting one can leave that
        // belief behind the truth, and then the form moves and sizes the window itself.
        const bool moving = FDragCode == HTCAPTION;
        const bool trusted = window && window->position() == FDragStartGeometry.topLeft();
        const bool bySystem =
            trusted && !(moving && Magnetic) &&
            (moving ? window->startSystemMove() : window->startSystemResize(EdgesOf(FDragCode)));
        FDragMode = bySystem ? dmNone : dmOwn;
        FSizeMove = !bySystem;
        if (bySystem)
            return;
    }
    const QPoint delta = AGlobal - FDragStart;
    const QRect g = FDragStartGeometry;
    if (FDragCode == HTCAPTION) {
        QPoint at = g.topLeft() + delta;
        if (Magnetic)
            at = DoMagnetic(at, AGlobal);
        FForm->move(at);
        return;
    }
    const Qt::Edges edges = EdgesOf(FDragCode);
    const int minW = GetMinWidth(), minH = GetMinHeight();
    const int maxW = std::max(minW, GetMaxWidth()), maxH = std::max(minH, GetMaxHeight());
    int left = g.left(), top = g.top(), right = RightOf(g), bottom = BottomOf(g);
    if (edges & Qt::LeftEdge)
        left = std::clamp(left + delta.x(), right - maxW, right - minW);
    if (edges & Qt::RightEdge)
        right = std::clamp(right + delta.x(), left + minW, left + maxW);
    if (edges & Qt::TopEdge)
        top = std::clamp(top + delta.y(), bottom - maxH, bottom - minH);
    if (edges & Qt::BottomEdge)
        bottom = std::clamp(bottom + delta.y(), top + minH, top + maxH);
    FForm->setGeometry(RectLTRB(left, top, right, bottom));
}

bool TbsSkinForm::MousePress(QMouseEvent* event)
{
    const QPoint P = event->position().toPoint();
    const bool dblClick = event->type() == QEvent::MouseButtonDblClick;
    MouseMove(P);
    const int code = HitTest(P);
    if (event->button() == Qt::RightButton) {
        if (code == HTCAPTION) {
            MouseCaptureObject = -1;
            PopupSysMenu(QRect(event->globalPosition().toPoint(), QSize(0, 0)));
        }
        return true;
    }
    if (event->button() != Qt::LeftButton)
        return true;
    if (ActiveObject >= 0) {
        MouseCaptureObject = ActiveObject;
        TbsActiveSkinObject* object = ObjectList[size_t(ActiveObject)].get();
        object->MouseDown(P.x(), P.y(), event->button());
        if (dblClick && ActiveObject >= 0)
            object->DblClick();
        return true;
    }
    if (code == HTCAPTION && dblClick) {
        MouseCaptureObject = -1;
        CaptionDblClick();
        return true;
    }
    // A maximized window stays where it is.
    if ((code == HTCAPTION && FWindowState != wsMaximized) || EdgesOf(code))
        BeginDrag(code, event->globalPosition().toPoint(), P);
    return true;
}

bool TbsSkinForm::MouseRelease(QMouseEvent* event)
{
    if (FDragMode != dmNone || FSizeMove) {
        FDragMode = dmNone;
        FSizeMove = false;
        ActiveObject = MouseCaptureObject = -1;
        SizeChanged();
        UpDateFormNC();
    }
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
    FMouseTimer->Stop();
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
    if (FSD && !FSD->Empty() && !FSD->FPicture.Empty())
        FPicture = ThirtyTwoBit(FSD->FPicture.Image());
    FSkinSupport = !FPicture.isNull();
    FInActivePending = FSkinSupport;
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
    // The window comes up to the skin's minimum size; a bar keeps exactly the minimum height.
    ApplySizeLimits();
    if (FSkinnableForm && (FRollUpState || FWindowState == wsMinimized))
        FForm->resize(FWindowState == wsMinimized ? GetMinWidth() : FForm->width(), GetMinHeight());
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
    // The window's own menu popping up takes no activation away from it.
    if (!active && !QApplication::activePopupWidget())
        CloseSkinMenus();
    for (auto& object : ObjectList) {
        object->Active = object->FMouseIn = false;
        object->FMorphKf = 0;
    }
    ActiveObject = -1;
    if (TbsSkinCaptionObject* caption = CaptionObject()) {
        caption->Active = active;
        if (caption->Animated()) {
            caption->CurrentFrame = active ? 1 : caption->InActiveAnimation ? caption->FrameCount : 0;
            caption->FIncTime = 0;
            StartAnimation();
        }
    }
    if (CanShowLayeredBorder() && FLayerBorder->Visible())
        FLayerBorder->SetActive(active, FForm->frameGeometry());
    UpDateFormNC();
    FireEvent(active ? OnActivate : OnDeActivate);
}

void TbsSkinForm::StartAnimation()
{
    if (!FAnimateTimer->Active())
        FAnimateTimer->Start(25);
}

// The caption's frames move one on every AnimateInterval: up to the last while the window is
// active, back to none while it is not.
void TbsSkinForm::AnimateTimerTimer()
{
    bool moved = false;
    TbsSkinCaptionObject* caption = CaptionObject();
    if (caption && caption->Animated()) {
        caption->FIncTime += 25;
        const bool due = caption->FIncTime >= caption->AnimateInterval;
        if (due)
            caption->FIncTime = 0;
        if (caption->Active && caption->CurrentFrame < caption->FrameCount) {
            moved = true;
            if (due)
                ++caption->CurrentFrame;
        } else if (!caption->Active && caption->CurrentFrame > 0) {
            moved = true;
            if (due)
                --caption->CurrentFrame;
        }
        if (due)
            DrawSkinObject(caption);
    }
    if (!moved)
        FAnimateTimer->Stop();
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

namespace {

// The messages on which an open skinned menu of the window closes.
bool ClosesMenus(QEvent::Type AType)
{
    switch (AType) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        return true;
    default:
        return false;
    }
}

} // namespace

bool TbsSkinForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != FForm)
        return false;
    if (ClosesMenus(event->type()))
        CloseSkinMenus();
    switch (event->type()) {
    case QEvent::Paint:
        if (!FSkinnableForm)
            return false;
        PaintWindow(static_cast<QPaintEvent*>(event));
        return true;
    case QEvent::Resize:
        HMagnetized = VMagnetized = HMagnetized2 = VMagnetized2 = false;
        SizeChanged();
        FollowWithLayeredBorder();
        return false;
    case QEvent::Move:
        if (FLayerBorder->Visible())
            FLayerBorder->SetBoundsWithForm(FForm->frameGeometry());
        return false;
    case QEvent::Show:
        if (!event->spontaneous() && FSkinnableForm) {
            ApplySizeLimits();
            StartFadeIn();
        }
        FollowWithLayeredBorder();
        return false;
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
    case QEvent::MouseMove: {
        if (!FSkinnableForm)
            return false;
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (FDragMode != dmNone && mouse->buttons().testFlag(Qt::LeftButton)) {
            DragTo(mouse->globalPosition().toPoint());
            return true;
        }
        const QPoint P = mouse->position().toPoint();
        MouseMove(P);
        UpdateCursor(HitTest(P));
        return true;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        return FSkinnableForm && MousePress(static_cast<QMouseEvent*>(event));
    case QEvent::MouseButtonRelease:
        return FSkinnableForm && MouseRelease(static_cast<QMouseEvent*>(event));
    case QEvent::Leave:
        MouseLeaveFrame();
        if (FDragMode == dmNone)
            FForm->unsetCursor();
        return false;
    default:
        break;
    }
    if (int(event->type()) >= QEvent::User)
        return HandleSkinMessage(event);
    return false;
}
