// The program's own skin: where every part lies in its pictures, how each part is drawn, and the
// records that describe them. Sizes are written at scale 1 and multiplied by the options' scale.
#include "OurSkinBuilder.h"

#include "OurSkinPainter.h"
#include "bsSkinData.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <memory>

namespace {

TColor Col(const QColor& c)
{
    return TColor(c.red() | (c.green() << 8) | (c.blue() << 16));
}

// The five looks of a push-button-like part, in the order the records name them.
struct TFaces {
    TRect Normal, Hot, Down, Focused, Disabled;
};

enum class TFaceState { Normal, Hot, Down, Focused, Disabled };

// Draws the skin into pictures and fills the repository's records.
class TBuilder {
public:
    TBuilder(TbsSkinData& skin, const TOurSkinOptions& options)
        : FSkin(skin), C(options.Palette), FScale(options.Scale)
    {
    }

    void Build();

private:
    // Scaled sizes and coordinates; half-way values round to even as everywhere in the system.
    int S(double v) const { return int(std::nearbyint(v * FScale)); }
    int Line() const { return std::max(1, S(1)); }
    TRect R(int x, int y, int w, int h) const { return TRect{S(x), S(y), S(x) + S(w), S(y) + S(h)}; }
    TPoint P(int x, int y) const { return TPoint{S(x), S(y)}; }
    static QRect Q(const TRect& r) { return QRect(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top); }

    // The controls picture is laid out by a shelf packer around the parts whose places are fixed.
    TRect Pin(int x, int y, int w, int h);
    TRect Place(int w, int h);

    void DrawFacePart(const TRect& r, TFaceState state, double radius);
    void DrawFlatPart(const TRect& r, TFaceState state, double radius);
    TFaces FaceSet(int w, int h, double radius, bool flat);
    QImage NewPicture(int w, int h, const QColor& fill) const;
    void AddPicture(const QString& name, const QImage& image);

    void BuildFormInfo();
    void BuildFramePictures();
    void BuildCaptionButtons();
    void BuildMenuPictures();
    void BuildHintAndPopup();
    void BuildLayerFrame();
    void BuildMdiBackground();
    void BuildColors();
    void BuildControls();

    template <class T> T* Ctrl(const char* name)
    {
        auto record = std::make_unique<T>(QString::fromLatin1(name));
        T* raw = record.get();
        FSkin.CtrlList.push_back(std::move(record));
        return raw;
    }
    template <class T> T* Obj(const char* name)
    {
        auto record = std::make_unique<T>(QString::fromLatin1(name));
        T* raw = record.get();
        FSkin.ObjectList.push_back(std::move(record));
        return raw;
    }

    void SetButton(TbsDataSkinButtonControl& r, const TFaces& f, TPoint lt, TPoint rt, TPoint lb, TPoint rb,
                   TRect cl, bool stretch) const;
    void SetNine(TbsDataSkinCustomControl& r, const TRect& skinRect, int corner, int inset) const;

    TbsSkinData& FSkin;
    const TOurSkinPalette& C;
    double FScale;
    QImage FControls;
    std::unique_ptr<QPainter> FPainter;
    std::vector<QRect> FUsed;
    int FShelfX = 0, FShelfY = 0, FShelfH = 0;

    // Parts shared by several records.
    TRect FCloseRects[4], FMaxRects[4], FRestoreRects[4], FMinRects[4], FSysRects[4];
    TFaces FToolFaces, FFlatFaces, FResizeButtonFaces, FHeaderFaces;
    TRect FMarker, FMarkerHot, FMarkerDown, FTrackButton;
    TRect FPanel, FLabel, FStatusBar;
};

QImage TBuilder::NewPicture(int w, int h, const QColor& fill) const
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

void TBuilder::AddPicture(const QString& name, const QImage& image)
{
    FSkin.FActivePictures.push_back(TbsSkinPicture::FromImage(image.convertToFormat(QImage::Format_RGB888)));
    FSkin.FActivePicturesNames << name;
}

TRect TBuilder::Pin(int x, int y, int w, int h)
{
    const TRect r = R(x, y, w, h);
    FUsed.push_back(Q(r));
    return r;
}

TRect TBuilder::Place(int w, int h)
{
    const int W = S(w), H = S(h), width = FControls.width();
    for (;;) {
        if (FShelfX + W > width) {
            FShelfY += FShelfH + 1;
            FShelfX = 0;
            FShelfH = 0;
            continue;
        }
        const QRect candidate(FShelfX, FShelfY, W, H);
        const QRect padded = candidate.adjusted(-1, -1, 1, 1);
        auto hit =
            std::find_if(FUsed.begin(), FUsed.end(), [&](const QRect& u) { return u.intersects(padded); });
        if (hit != FUsed.end()) {
            FShelfX = hit->right() + 2;
            continue;
        }
        FUsed.push_back(candidate);
        FShelfX += W + 1;
        FShelfH = std::max(FShelfH, H);
        if (candidate.bottom() >= FControls.height())
            qFatal("the controls picture is too small for its parts");
        return TRect{candidate.left(), candidate.top(), candidate.left() + W, candidate.top() + H};
    }
}

void TBuilder::DrawFacePart(const TRect& r, TFaceState state, double radius)
{
    QPainter& p = *FPainter;
    const QRect q = Q(r);
    p.fillRect(q, C.WindowBg);
    const int l = Line();
    switch (state) {
    case TFaceState::Normal:
        DrawFace(p, q, radius, l, C.Border, C.FaceTop, C.FaceBottom);
        break;
    case TFaceState::Hot:
        DrawFace(p, q, radius, l, C.BorderHot, C.FaceHotTop, C.FaceHotBottom);
        break;
    case TFaceState::Down:
        DrawFace(p, q, radius, l, C.Accent, C.FaceDown, C.FaceDown);
        break;
    case TFaceState::Focused:
        DrawFace(p, q, radius, l, C.Accent, C.FaceHotTop, C.FaceHotBottom);
        DrawFace(p, q.adjusted(l, l, -l, -l), std::max(0.0, radius - l), l, C.AccentTint, C.FaceHotTop,
                 C.FaceHotBottom);
        break;
    case TFaceState::Disabled:
        DrawFace(p, q, radius, l, C.BorderDisabled, C.FaceDisabled, C.FaceDisabled);
        break;
    }
}

void TBuilder::DrawFlatPart(const TRect& r, TFaceState state, double radius)
{
    QPainter& p = *FPainter;
    const QRect q = Q(r);
    p.fillRect(q, C.WindowBg);
    if (state == TFaceState::Hot)
        FillRounded(p, q, radius, C.AccentTintHot);
    else if (state == TFaceState::Down)
        FillRounded(p, q, radius, C.AccentTint);
    else if (state == TFaceState::Focused)
        DrawFace(p, q, radius, Line(), C.Accent, C.AccentTintHot, C.AccentTintHot);
}

TFaces TBuilder::FaceSet(int w, int h, double radius, bool flat)
{
    TFaces f{Place(w, h), Place(w, h), Place(w, h), Place(w, h), Place(w, h)};
    const std::pair<TRect, TFaceState> looks[] = {{f.Normal, TFaceState::Normal},
                                                  {f.Hot, TFaceState::Hot},
                                                  {f.Down, TFaceState::Down},
                                                  {f.Focused, TFaceState::Focused},
                                                  {f.Disabled, TFaceState::Disabled}};
    for (const auto& [rect, state] : looks)
        flat ? DrawFlatPart(rect, state, S(radius)) : DrawFacePart(rect, state, S(radius));
    return f;
}

void TBuilder::SetButton(TbsDataSkinButtonControl& r, const TFaces& f, TPoint lt, TPoint rt, TPoint lb,
                         TPoint rb, TRect cl, bool stretch) const
{
    r.PictureIndex = 4;
    r.SkinRect = f.Normal;
    r.ActiveSkinRect = f.Hot;
    r.DownSkinRect = f.Down;
    r.FocusedSkinRect = f.Focused;
    r.DisabledSkinRect = f.Disabled;
    r.LTPoint = lt;
    r.RTPoint = rt;
    r.LBPoint = lb;
    r.RBPoint = rb;
    r.ClRect = cl;
    r.LeftStretch = r.TopStretch = r.RightStretch = r.BottomStretch = stretch;
    r.StretchEffect = stretch;
    r.FontColor = Col(C.Text);
    r.ActiveFontColor = Col(C.Text);
    r.DownFontColor = Col(C.Text);
    r.DisabledFontColor = Col(C.TextDisabled);
    r.FrameCount = 4;
    r.AnimateInterval = 30;
}

// A nine-piece record over skinRect: corners `corner` pixels, client inset `inset`, all stretched.
void TBuilder::SetNine(TbsDataSkinCustomControl& r, const TRect& skinRect, int corner, int inset) const
{
    const int w = skinRect.Right - skinRect.Left, h = skinRect.Bottom - skinRect.Top;
    const int c = S(corner), i = S(inset);
    r.PictureIndex = 4;
    r.SkinRect = skinRect;
    r.LTPoint = {c, c};
    r.RTPoint = {w - c, c};
    r.LBPoint = {c, h - c};
    r.RBPoint = {w - c, h - c};
    r.ClRect = {i, i, w - i, h - i};
    r.LeftStretch = r.TopStretch = r.RightStretch = r.BottomStretch = true;
    r.StretchEffect = true;
}

void TBuilder::Build()
{
    FSkin.SkinName = QStringLiteral("Personnel ") + C.Name;
    FSkin.SkinAuthor = QStringLiteral("Personnel records system");
    FSkin.SkinComments = QStringLiteral("Drawn from source by skingen at scale %1").arg(FScale);
    FSkin.FPictureName = QStringLiteral("frame.bmp");
    FSkin.FInActivePictureName = QStringLiteral("inactiveframe.bmp");
    BuildFormInfo();
    BuildFramePictures();
    BuildCaptionButtons();
    BuildHintAndPopup();
    BuildMenuPictures();
    BuildControls();
    BuildMdiBackground();
    BuildLayerFrame();
    BuildColors();
}

void TBuilder::BuildFormInfo()
{
    TbsFormInfo& f = FSkin;
    f.ClRect = TRect{S(1), S(24), S(235), S(177)};
    f.LTPoint = P(10, 30);
    f.RTPoint = P(226, 30);
    f.LBPoint = P(10, 168);
    f.RBPoint = P(226, 168);
    f.LeftStretch = f.RightStretch = f.TopStretch = f.BottomStretch = true;
    f.StretchEffect = false;
    f.HitTestLTPoint = P(6, 7);
    f.HitTestRTPoint = P(230, 7);
    f.HitTestLBPoint = P(6, 171);
    f.HitTestRBPoint = P(230, 171);
    f.CaptionRect = TRect{S(1), S(1), S(235), S(23)};
    f.ButtonsOffset = 0;
    f.BorderW = S(1);
    f.InActiveEffect = ieBrightness;
    f.FormMinWidth = S(200);
    f.MDIBGPictureIndex = 5;
    f.MDIBGStretchEffect = true;
}

void TBuilder::BuildFramePictures()
{
    auto frame = [&](const QColor& outline, const QColor& title) {
        QImage image = NewPicture(S(236), S(178), C.WindowBg);
        QPainter p(&image);
        p.fillRect(QRect(0, 0, image.width(), S(24)), title);
        p.fillRect(QRect(S(1), S(23), image.width() - 2 * S(1), S(24) - S(23)), C.TitleSeparator);
        const int l = Line();
        p.fillRect(QRect(0, 0, image.width(), l), outline);
        p.fillRect(QRect(0, image.height() - l, image.width(), l), outline);
        p.fillRect(QRect(0, 0, l, image.height()), outline);
        p.fillRect(QRect(image.width() - l, 0, l, image.height()), outline);
        return image;
    };
    FSkin.FPicture =
        TbsSkinPicture::FromImage(frame(C.FrameActive, C.TitleActive).convertToFormat(QImage::Format_RGB888));
    FSkin.FInActivePicture = TbsSkinPicture::FromImage(
        frame(C.FrameInactive, C.TitleInactive).convertToFormat(QImage::Format_RGB888));
}

// Picture 0: the caption buttons, one row per button, in the looks normal, hot, pressed, inactive.
void TBuilder::BuildCaptionButtons()
{
    QImage image = NewPicture(S(197), S(120), C.TitleActive);
    QPainter p(&image);
    const int w = 29, h = 22;
    const int columns[4] = {1, 32, 63, 95};
    auto row = [&](TRect(&rects)[4], int y, TGlyph glyph, bool close) {
        for (int i = 0; i < 4; ++i) {
            rects[i] = R(columns[i], y, w, h);
            const QRect q = Q(rects[i]);
            QColor bg = i == 3 ? C.TitleInactive : C.TitleActive;
            QColor ink = i == 3 ? C.TextSecondary : C.Glyph;
            if (i == 1)
                bg = close ? C.CloseHot : C.CaptionButtonHot;
            if (i == 2)
                bg = close ? C.CloseDown : C.CaptionButtonDown;
            if (close && (i == 1 || i == 2))
                ink = Qt::white;
            p.fillRect(q, bg);
            DrawGlyph(p, q, glyph, S(9), Line(), ink);
        }
    };
    row(FCloseRects, 2, TGlyph::Close, true);
    row(FMaxRects, 26, TGlyph::Maximize, false);
    row(FRestoreRects, 50, TGlyph::Restore, false);
    row(FMinRects, 74, TGlyph::Minimize, false);
    for (int i = 0; i < 4; ++i) {
        FSysRects[i] = R(columns[i], 98, 18, 18);
        const QRect q = Q(FSysRects[i]);
        p.fillRect(q, i == 3 ? C.TitleInactive : C.TitleActive);
        if (i == 1 || i == 2)
            FillRounded(p, q, S(3), i == 1 ? C.CaptionButtonHot : C.CaptionButtonDown);
        DrawGlyph(p, q, TGlyph::AppMark, S(12), Line(), i == 3 ? C.FrameInactive : C.Accent);
    }
    p.end();
    AddPicture(QStringLiteral("active.bmp"), image);

    auto* caption = Obj<TbsDataSkinCaption>("caption");
    caption->SkinRect = FSkin.CaptionRect;
    caption->TextRct = TRect{S(4), 0, S(230), S(22)};
    caption->FontStyle = fsBold;
    caption->FontColor = Col(C.TextSecondary);
    caption->ActiveFontColor = Col(C.Text);
    caption->Alignment = taCenter;

    auto stdButton = [&](const char* name, const char* hint, TbsStdCommand command, const TRect(&rects)[4]) {
        auto* b = Obj<TbsDataSkinStdButton>(name);
        b->Hint = QString::fromLatin1(hint);
        b->ActivePictureIndex = 0;
        b->SkinRectInAPicture = true;
        b->SkinRect = rects[0];
        b->ActiveSkinRect = rects[1];
        b->DownRect = rects[2];
        b->InActiveSkinRect = rects[3];
        b->Command = command;
        b->Morphing = true;
        b->MorphKind = mkDefault;
        return b;
    };
    auto* close = stdButton("closebutton", "Close", cmClose, FCloseRects);
    close->GlowLayerOffsetX = S(12);
    close->GlowLayerOffsetY = S(11);
    auto* minimize = stdButton("minimizebutton", "Minimize", cmMinimize, FMinRects);
    minimize->RestoreHint = QStringLiteral("Restore");
    minimize->RestoreRect = FRestoreRects[0];
    minimize->RestoreActiveRect = FRestoreRects[1];
    minimize->RestoreDownRect = FRestoreRects[2];
    minimize->RestoreInActiveRect = FRestoreRects[3];
    auto* maximize = stdButton("maximizebutton", "Maximize", cmMaximize, FMaxRects);
    maximize->RestoreHint = QStringLiteral("Restore");
    maximize->RestoreRect = FRestoreRects[0];
    maximize->RestoreActiveRect = FRestoreRects[1];
    maximize->RestoreDownRect = FRestoreRects[2];
    maximize->RestoreInActiveRect = FRestoreRects[3];
    auto* sysmenu = stdButton("sysmenubutton", "System menu", cmSysMenu, FSysRects);
    sysmenu->Morphing = false;
}

// Picture 1 (popup window frame) and picture 3 (hint window frame).
void TBuilder::BuildHintAndPopup()
{
    QImage popup = NewPicture(S(71), S(70), C.FieldBg);
    {
        QPainter p(&popup);
        const int l = Line();
        p.fillRect(QRect(0, 0, popup.width(), l), C.Border);
        p.fillRect(QRect(0, popup.height() - l, popup.width(), l), C.Border);
        p.fillRect(QRect(0, 0, l, popup.height()), C.Border);
        p.fillRect(QRect(popup.width() - l, 0, l, popup.height()), C.Border);
    }
    AddPicture(QStringLiteral("pw.bmp"), popup);
    TbsDataSkinPopupWindow& w = FSkin.PopupWindow;
    w.WindowPictureIndex = 1;
    w.LTPoint = P(4, 4);
    w.RTPoint = P(67, 4);
    w.LBPoint = P(4, 66);
    w.RBPoint = P(67, 66);
    w.ItemsRect = TRect{S(2), S(2), S(69), S(68)};
    w.ScrollMarkerColor = Col(C.ScrollMarker);
    w.ScrollMarkerActiveColor = Col(C.ScrollMarkerActive);
    w.LeftStretch = w.RightStretch = w.TopStretch = w.BottomStretch = true;
    w.StretchEffect = true;

    // Picture 2 is the menu items; it is drawn by BuildMenuPictures, after this one.
    QImage hint = NewPicture(S(40), S(20), C.HintBg);
    {
        QPainter p(&hint);
        p.fillRect(hint.rect(), C.WindowBg);
        DrawFace(p, hint.rect(), S(3), Line(), C.Border, C.HintBg, C.HintBg);
    }
    FSkin.FActivePictures.push_back({});
    FSkin.FActivePicturesNames << QString();
    AddPicture(QStringLiteral("hw.bmp"), hint);
    TbsDataSkinHintWindow& h = FSkin.HintWindow;
    h.WindowPictureIndex = 3;
    h.LTPoint = P(4, 4);
    h.RTPoint = P(36, 4);
    h.LBPoint = P(4, 16);
    h.RBPoint = P(36, 16);
    h.ClRect = TRect{S(2), S(2), S(38), S(18)};
    h.FontColor = Col(C.HintText);
    h.LeftStretch = h.RightStretch = h.TopStretch = h.BottomStretch = true;
    h.StretchEffect = true;
}

// Picture 2: popup menu items, the divider, check, radio and sub-menu marks, menu bar items.
void TBuilder::BuildMenuPictures()
{
    QImage image = NewPicture(S(70), S(140), C.FieldBg);
    QPainter p(&image);
    const TRect normal = R(0, 0, 63, 22), active = R(0, 23, 63, 22), divider = R(0, 46, 63, 3);
    FillRounded(p, Q(active).adjusted(S(2), S(1), -S(2), -S(1)), S(3), C.AccentTint);
    p.fillRect(QRect(divider.Left + S(4), divider.Top + S(1), S(55), Line()), C.Divider);
    const TRect check = R(0, 50, 16, 16), activeCheck = R(17, 50, 16, 16), radio = R(34, 50, 16, 16),
                activeRadio = R(51, 50, 16, 16), arrow = R(0, 67, 16, 16), activeArrow = R(17, 67, 16, 16);
    p.fillRect(Q(activeCheck), C.AccentTint);
    p.fillRect(Q(activeRadio), C.AccentTint);
    p.fillRect(Q(activeArrow), C.AccentTint);
    DrawGlyph(p, Q(check), TGlyph::Check, S(9), Line() + (FScale >= 1.5 ? 1 : 0), C.Text);
    DrawGlyph(p, Q(activeCheck), TGlyph::Check, S(9), Line() + (FScale >= 1.5 ? 1 : 0), C.Text);
    DrawGlyph(p, Q(radio), TGlyph::Dot, S(6), Line(), C.Text);
    DrawGlyph(p, Q(activeRadio), TGlyph::Dot, S(6), Line(), C.Text);
    DrawGlyph(p, Q(arrow), TGlyph::ChevronRight, S(8), Line(), C.Text);
    DrawGlyph(p, Q(activeArrow), TGlyph::ChevronRight, S(8), Line(), C.Text);
    const TRect barNormal = R(0, 84, 40, 20), barActive = R(0, 105, 40, 20), barDown = R(41, 105, 28, 20);
    p.fillRect(Q(barNormal), C.WindowBg);
    p.fillRect(Q(barActive), C.WindowBg);
    FillRounded(p, Q(barActive).adjusted(0, S(1), 0, -S(1)), S(3), C.AccentTintHot);
    p.fillRect(Q(barDown), C.WindowBg);
    FillRounded(p, Q(barDown).adjusted(0, S(1), 0, -S(1)), S(3), C.AccentTint);
    p.end();
    FSkin.FActivePictures[2] = TbsSkinPicture::FromImage(image.convertToFormat(QImage::Format_RGB888));
    FSkin.FActivePicturesNames[2] = QStringLiteral("menuitems.bmp");

    auto* item = Obj<TbsDataSkinMenuItem>("menuitem");
    item->ActivePictureIndex = 2;
    item->SkinRectInAPicture = true;
    item->SkinRect = normal;
    item->ActiveSkinRect = active;
    item->ItemLO = S(4);
    item->ItemRO = S(4);
    item->DividerRect = divider;
    item->DividerLO = S(4);
    item->DividerRO = S(4);
    item->TextRct = TRect{S(29), 0, S(61), S(22)};
    item->ImageRct = TRect{S(5), S(3), S(21), S(19)};
    item->FontColor = Col(C.Text);
    item->ActiveFontColor = Col(C.Text);
    item->UnEnabledFontColor = Col(C.TextDisabled);
    item->StretchEffect = true;
    item->DividerStretchEffect = true;
    item->CheckImageRect = check;
    item->ActiveCheckImageRect = activeCheck;
    item->RadioImageRect = radio;
    item->ActiveRadioImageRect = activeRadio;
    item->ArrowImageRect = arrow;
    item->ActiveArrowImageRect = activeArrow;

    auto* bar = Obj<TbsDataSkinMainMenuBarItem>("mainmenubaritem");
    bar->ActivePictureIndex = 2;
    bar->SkinRectInAPicture = true;
    bar->SkinRect = barNormal;
    bar->ActiveSkinRect = barActive;
    bar->DownRect = barDown;
    bar->ItemLO = S(4);
    bar->ItemRO = S(4);
    bar->TextRct = TRect{S(6), 0, S(34), S(20)};
    bar->FontColor = Col(C.Text);
    bar->ActiveFontColor = Col(C.Text);
    bar->DownFontColor = Col(C.Text);
    bar->UnEnabledFontColor = Col(C.TextDisabled);
    bar->StretchEffect = true;

    auto barButton = [&](const char* name, TbsStdCommand command, const TRect(&rects)[4]) {
        auto* b = Obj<TbsDataSkinMainMenuBarButton>(name);
        b->ActivePictureIndex = 0;
        b->SkinRectInAPicture = true;
        b->SkinRect = rects[0];
        b->ActiveSkinRect = rects[1];
        b->DownRect = rects[2];
        b->InActiveSkinRect = rects[3];
        b->Command = command;
    };
    barButton("menubarsysmenubutton", cmSysMenu, FSysRects);
    barButton("menubarclosebutton", cmClose, FCloseRects);
    barButton("menubarmaxbutton", cmMaximize, FMaxRects);
    barButton("menubarminbutton", cmMinimize, FMinRects);

    auto* dialogClose = Obj<TbsDataSkinStdButton>("dialogclosebutton");
    dialogClose->Hint = QStringLiteral("Close");
    dialogClose->ActivePictureIndex = 0;
    dialogClose->SkinRectInAPicture = true;
    dialogClose->SkinRect = FCloseRects[0];
    dialogClose->ActiveSkinRect = FCloseRects[1];
    dialogClose->DownRect = FCloseRects[2];
    dialogClose->InActiveSkinRect = FCloseRects[3];
    dialogClose->Command = cmClose;
    dialogClose->Morphing = true;
}

// Picture 5: the background of an MDI parent's client, a quiet plain field.
void TBuilder::BuildMdiBackground()
{
    QImage image = NewPicture(S(138), S(86), C.HeaderBg);
    AddPicture(QStringLiteral("mdibg.bmp"), image);
}

// Pictures 6 to 8: the soft rim, black with its alpha in two masks, active and inactive.
void TBuilder::BuildLayerFrame()
{
    const int w = S(153), h = S(110);
    const QRect window(S(13), S(14), S(134) - S(13), S(92) - S(14));
    AddPicture(QStringLiteral("layerborder.bmp"), NewPicture(w, h, C.Shadow));
    AddPicture(QStringLiteral("layerbordermask.bmp"),
               ShadowMask(w, h, window, S(3), S(2), S(15), C.ShadowAlphaActive));
    AddPicture(QStringLiteral("inactivelayerbordermask.bmp"),
               ShadowMask(w, h, window, S(3), S(2), S(12), C.ShadowAlphaInactive));
    TbsDataSkinLayerFrame& f = FSkin.LayerFrame;
    f.PictureIndex = 6;
    f.MaskPictureIndex = 7;
    f.InActivePictureIndex = 6;
    f.InActiveMaskPictureIndex = 8;
    f.LTPoint = P(24, 22);
    f.RTPoint = P(127, 20);
    f.LBPoint = P(20, 84);
    f.RBPoint = P(126, 85);
    f.ClRect = TRect{S(13), S(14), S(134), S(92)};
    f.AlphaBlendValue = 255;
    f.InActiveAlphaBlendValue = 255;
    f.FullBorder = false;
    f.HitTestEnable = false;
    f.InitAlphaImages(FSkin);
}

void TBuilder::BuildColors()
{
    TbsSkinColors& c = FSkin.FSkinColors;
    c.FcBtnFace = Col(C.WindowBg);
    c.FcBtnText = Col(C.Text);
    c.FcWindow = Col(C.FieldBg);
    c.FcWindowText = Col(C.Text);
    c.FcHighLight = Col(C.Accent);
    c.FcHighLightText = Col(C.AccentText);
    c.FcBtnHighLight = Col(C.FaceTop);
    c.FcBtnShadow = Col(C.Border);
}

// Picture 4: every control part. The parts whose places other records and examples rely on are
// pinned (button faces, edit frames, slider parts); the rest are packed around them.
void TBuilder::BuildControls()
{
    FControls = NewPicture(S(654), S(520), C.WindowBg);
    FPainter = std::make_unique<QPainter>(&FControls);
    QPainter& p = *FPainter;
    const int l = Line();
    const double rad = S(3);

    // Pinned parts.
    const TFaces button{Pin(0, 0, 20, 23), Pin(21, 0, 20, 23), Pin(42, 0, 20, 23), Pin(21, 0, 20, 23),
                        Pin(63, 0, 20, 23)};
    DrawFacePart(button.Normal, TFaceState::Normal, rad);
    DrawFacePart(button.Hot, TFaceState::Hot, rad);
    DrawFacePart(button.Down, TFaceState::Down, rad);
    DrawFacePart(button.Disabled, TFaceState::Disabled, rad);
    const TRect edit = Pin(225, 98, 57, 19), editActive = Pin(415, 73, 57, 19);
    auto field = [&](const TRect& r, bool active, bool disabled = false) {
        p.fillRect(Q(r), C.WindowBg);
        const QColor border = disabled ? C.BorderDisabled : active ? C.Accent : C.Border;
        const QColor fill = disabled ? C.FaceDisabled : C.FieldBg;
        DrawFace(p, Q(r), rad, l, border, fill, fill);
        if (active)
            DrawFace(p, Q(r).adjusted(l, l, -l, -l), std::max(0.0, rad - l), l, C.AccentTint, fill, fill);
    };
    field(edit, false);
    field(editActive, true);
    const TRect hRuler = Pin(327, 278, 13, 5), hThumb = Pin(304, 280, 12, 15), vRuler = Pin(327, 285, 5, 13),
                vThumb = Pin(302, 268, 31, 6);
    FillRounded(p, Q(hRuler), S(2), C.Divider);
    FillRounded(p, Q(vRuler), S(2), C.Divider);
    DrawFace(p, Q(hThumb), S(3), l, C.Accent, C.FaceTop, C.FaceBottom);
    DrawFace(p, Q(vThumb), S(2), l, C.Accent, C.FaceTop, C.FaceBottom);

    // Tool buttons: nine-piece faces in five states; a flat set for menu and office buttons.
    FToolFaces = FaceSet(40, 39, 4, false);
    FFlatFaces = FaceSet(40, 39, 4, true);
    FResizeButtonFaces = FaceSet(21, 21, 3, false);
    FHeaderFaces = FaceSet(40, 20, 0, true);
    {
        const TRect headerLooks[] = {FHeaderFaces.Normal, FHeaderFaces.Hot, FHeaderFaces.Down,
                                     FHeaderFaces.Focused, FHeaderFaces.Disabled};
        for (const TRect& r : headerLooks) {
            const QRect q = Q(r);
            p.fillRect(q, &r == &headerLooks[1]   ? C.AccentTintHot
                          : &r == &headerLooks[2] ? C.AccentTint
                                                  : C.HeaderBg);
            p.fillRect(QRect(q.left(), q.bottom() - l + 1, q.width(), l), C.Border);
            p.fillRect(QRect(q.right() - l + 1, q.top() + S(4), l, q.height() - S(8)), C.Divider);
        }
    }
    FMarker = Place(9, 9);
    FMarkerHot = Place(9, 9);
    FMarkerDown = Place(9, 9);
    for (const TRect& r : {FMarker, FMarkerHot, FMarkerDown}) {
        p.fillRect(Q(r), C.WindowBg);
        DrawGlyph(p, Q(r), TGlyph::ChevronDown, S(6), l, C.Glyph);
    }
    FTrackButton = Place(14, 39);
    DrawFacePart(FTrackButton, TFaceState::Normal, rad);
    DrawGlyph(p, Q(FTrackButton), TGlyph::ChevronDown, S(6), l, C.Glyph);

    auto buttonRecord = [&](const char* name, const TFaces& f) {
        auto* r = Ctrl<TbsDataSkinButtonControl>(name);
        SetButton(*r, f, P(3, 3), P(36, 3), P(4, 36), P(36, 36), TRect{S(3), S(3), S(37), S(36)}, true);
        r->Morphing = true;
        return r;
    };
    {
        auto* r = Ctrl<TbsDataSkinButtonControl>("button");
        SetButton(*r, button, P(4, 11), P(15, 10), {}, {}, TRect{S(2), S(3), S(18), S(21)}, false);
        r->LeftStretch = r->TopStretch = r->RightStretch = r->BottomStretch = false;
        r->StretchEffect = false;
        r->FontColor = Col(C.Text);
        r->ActiveFontColor = Col(C.Text);
        r->DownFontColor = Col(C.Text);
        r->DisabledFontColor = Col(C.TextDisabled);
    }
    buttonRecord("toolbutton", FToolFaces);
    {
        auto* r = Ctrl<TbsDataSkinButtonControl>("resizebutton");
        const int w = S(21);
        SetButton(*r, FResizeButtonFaces, P(3, 3), {w - S(3), S(3)}, {S(3), w - S(3)}, {w - S(3), w - S(3)},
                  TRect{S(3), S(3), w - S(3), w - S(3)}, true);
        r->FontColor = Col(C.Glyph);
        r->ActiveFontColor = Col(C.Glyph);
        r->DownFontColor = Col(C.Accent);
        r->DisabledFontColor = Col(C.TextDisabled);
    }
    buttonRecord("bigtoolbutton", FToolFaces);
    buttonRecord("resizetoolbutton", FToolFaces);
    {
        auto* r = Ctrl<TbsDataSkinButtonControl>("combobutton");
        const int w = S(21);
        SetButton(*r, FResizeButtonFaces, P(3, 3), {w - S(3), S(3)}, {S(3), w - S(3)}, {w - S(3), w - S(3)},
                  TRect{S(3), S(3), w - S(3), w - S(3)}, true);
        r->MenuMarkerRect = FMarker;
        r->MenuMarkerActiveRect = FMarkerHot;
        r->MenuMarkerDownRect = FMarkerDown;
        r->MenuMarkerTransparentColor = Col(C.WindowBg);
    }
    buttonRecord("htracktoolbutton", FToolFaces);
    buttonRecord("vtracktoolbutton", FToolFaces);
    buttonRecord("menuitembutton", FFlatFaces);
    buttonRecord("officemenubutton", FFlatFaces);
    buttonRecord("officegroupbutton", FFlatFaces);
    buttonRecord("officequickbutton", FFlatFaces);
    auto menuButton = [&](const char* name, const TFaces& f, bool track) {
        auto* r = Ctrl<TbsDataSkinMenuButtonControl>(name);
        SetButton(*r, f, P(3, 3), P(36, 3), P(4, 36), P(36, 36), TRect{S(3), S(3), S(37), S(36)}, true);
        r->MenuMarkerRect = FMarker;
        r->MenuMarkerActiveRect = FMarkerHot;
        r->MenuMarkerDownRect = FMarkerDown;
        r->MenuMarkerFlatRect = FMarker;
        r->MenuMarkerTransparentColor = Col(C.WindowBg);
        if (track)
            r->TrackButtonRect = FTrackButton;
    };
    menuButton("toolmenubutton", FToolFaces, false);
    menuButton("toolmenutrackbutton", FToolFaces, true);
    menuButton("bigtoolmenubutton", FToolFaces, false);
    menuButton("bigtoolmenutrackbutton", FToolFaces, true);

    for (const char* name : {"stdlabel", "appmenustdlabel"}) {
        auto* r = Ctrl<TbsDataSkinStdLabelControl>(name);
        r->FontColor = Col(C.LabelText);
        r->ActiveFontColor = Col(C.LabelActiveText);
    }

    FLabel = Place(30, 20);
    p.fillRect(Q(FLabel), C.WindowBg);
    FPanel = Place(30, 30);
    DrawFace(p, Q(FPanel), S(4), l, C.Divider, C.WindowBg, C.WindowBg);
    FStatusBar = Place(30, 22);
    p.fillRect(Q(FStatusBar), C.HeaderBg);
    p.fillRect(QRect(FStatusBar.Left, FStatusBar.Top, S(30), l), C.Divider);
    for (const char* name : {"label", "statuspanel", "appmenuheader"}) {
        auto* r = Ctrl<TbsDataSkinLabelControl>(name);
        SetNine(*r, std::string_view(name) == "statuspanel" ? FStatusBar : FLabel, 4, 2);
        r->FontColor = Col(C.Text);
    }

    // Edits: the pinned frames; a built-in button of the box in four states.
    TRect editButtons[4];
    for (int i = 0; i < 4; ++i) {
        editButtons[i] = Place(17, 15);
        p.fillRect(Q(editButtons[i]), C.FieldBg);
        if (i == 1 || i == 2)
            FillRounded(p, Q(editButtons[i]), S(2), i == 1 ? C.AccentTintHot : C.AccentTint);
        DrawGlyph(p, Q(editButtons[i]), TGlyph::Grip, S(8), l, i == 3 ? C.TextDisabled : C.Glyph);
    }
    auto editRecord = [&](const char* name, bool withButton) {
        auto* r = Ctrl<TbsDataSkinEditControl>(name);
        r->PictureIndex = 4;
        r->SkinRect = edit;
        r->ActiveSkinRect = editActive;
        r->LTPoint = P(4, 10);
        r->RTPoint = P(51, 11);
        r->ClRect = TRect{S(2), S(2), S(55), S(17)};
        r->StretchEffect = true;
        r->FontColor = Col(C.Text);
        r->ActiveFontColor = Col(C.Text);
        r->DisabledFontColor = Col(C.FieldTextDisabled);
        if (withButton) {
            r->ButtonRect = editButtons[0];
            r->ActiveButtonRect = editButtons[1];
            r->DownButtonRect = editButtons[2];
            r->UnEnabledButtonRect = editButtons[3];
        }
    };
    editRecord("edit", false);
    editRecord("buttonedit", true);
    editRecord("statusedit", false);
    editRecord("statusbuttonedit", true);

    const TRect memo = Place(40, 40), memoActive = Place(40, 40);
    field(memo, false);
    field(memoActive, true);
    {
        auto* r = Ctrl<TbsDataSkinMemoControl>("memo");
        SetNine(*r, memo, 4, 2);
        r->ActiveSkinRect = memoActive;
        r->FontColor = Col(C.Text);
        r->ActiveFontColor = Col(C.Text);
        r->DisabledFontColor = Col(C.FieldTextDisabled);
        r->BGColor = Col(C.FieldBg);
        r->ActiveBGColor = Col(C.FieldBg);
    }

    // Small arrow buttons shared by spin edits, up-downs and list box caption buttons.
    auto arrowButtons = [&](int w, int h, TGlyph glyph, TRect(&looks)[3]) {
        for (int i = 0; i < 3; ++i) {
            looks[i] = Place(w, h);
            p.fillRect(Q(looks[i]), i == 0 ? C.FieldBg : i == 1 ? C.AccentTintHot : C.AccentTint);
            DrawGlyph(p, Q(looks[i]), glyph, S(std::min(w, h) >= 12 ? 7 : 5), l, i == 2 ? C.Accent : C.Glyph);
        }
    };
    TRect spinUp[3], spinDown[3];
    arrowButtons(15, 8, TGlyph::ChevronUp, spinUp);
    arrowButtons(15, 8, TGlyph::ChevronDown, spinDown);
    for (const char* name : {"spinedit", "statusspinedit"}) {
        auto* r = Ctrl<TbsDataSkinSpinEditControl>(name);
        r->PictureIndex = 4;
        r->SkinRect = edit;
        r->ActiveSkinRect = editActive;
        r->LTPoint = P(4, 10);
        r->RTPoint = P(51, 11);
        r->ClRect = TRect{S(2), S(2), S(55), S(17)};
        r->StretchEffect = true;
        r->FontColor = Col(C.Text);
        r->ActiveFontColor = Col(C.Text);
        r->DisabledFontColor = Col(C.FieldTextDisabled);
        r->UpButtonRect = spinUp[0];
        r->ActiveUpButtonRect = spinUp[1];
        r->DownUpButtonRect = spinUp[2];
        r->DownButtonRect = spinDown[0];
        r->ActiveDownButtonRect = spinDown[1];
        r->DownDownButtonRect = spinDown[2];
    }

    // Combo box: an edit-like frame, the item field and the drop-down button.
    const TRect combo = Place(57, 20), comboActive = Place(57, 20);
    field(combo, false);
    field(comboActive, true);
    TRect comboButtons[4];
    for (int i = 0; i < 4; ++i) {
        comboButtons[i] = Place(17, 16);
        p.fillRect(Q(comboButtons[i]), C.FieldBg);
        if (i == 1 || i == 2)
            FillRounded(p, Q(comboButtons[i]), S(2), i == 1 ? C.AccentTintHot : C.AccentTint);
        DrawGlyph(p, Q(comboButtons[i]), TGlyph::ChevronDown, S(8), l, i == 3 ? C.TextDisabled : C.Glyph);
    }
    const TRect comboItem = Place(20, 16), comboItemFocus = Place(20, 16);
    p.fillRect(Q(comboItem), C.FieldBg);
    p.fillRect(Q(comboItemFocus), C.FieldBg);
    FillRounded(p, Q(comboItemFocus), S(2), C.AccentTint);
    for (const char* name : {"combobox", "captioncombobox", "statuscombobox"}) {
        auto* r = Ctrl<TbsDataSkinComboBox>(name);
        r->PictureIndex = 4;
        r->SkinRect = combo;
        r->ActiveSkinRect = comboActive;
        r->LTPoint = P(4, 10);
        r->RTPoint = P(51, 10);
        r->ClRect = TRect{S(2), S(2), S(55), S(18)};
        r->StretchEffect = true;
        r->SItemRect = comboItem;
        r->ActiveItemRect = comboItem;
        r->FocusItemRect = comboItemFocus;
        r->ItemLeftOffset = S(3);
        r->ItemRightOffset = S(3);
        r->ItemTextRect = TRect{S(3), 0, S(17), S(16)};
        r->FontColor = Col(C.Text);
        r->FocusFontColor = Col(C.Text);
        r->ActiveFontColor = Col(C.Text);
        r->ButtonRect = comboButtons[0];
        r->ActiveButtonRect = comboButtons[1];
        r->DownButtonRect = comboButtons[2];
        r->UnEnabledButtonRect = comboButtons[3];
        r->ListBoxName = QStringLiteral("listbox");
        r->ItemStretchEffect = true;
        r->FocusItemStretchEffect = true;
    }

    // List boxes: frame, 20-pixel item faces, caption bar and its buttons.
    const TRect list = Place(59, 52);
    field(list, false);
    const TRect itemNormal = Place(40, 20), itemHot = Place(40, 20), itemFocus = Place(40, 20);
    p.fillRect(Q(itemNormal), C.FieldBg);
    p.fillRect(Q(itemHot), C.FieldBg);
    FillRounded(p, Q(itemHot), S(3), C.AccentTintHot);
    p.fillRect(Q(itemFocus), C.FieldBg);
    FillRounded(p, Q(itemFocus), S(3), C.AccentTint);
    const TRect listCaption = Place(59, 72);
    field(listCaption, false);
    p.fillRect(QRect(listCaption.Left + l, listCaption.Top + l, S(59) - 2 * l, S(20) - l), C.HeaderBg);
    p.fillRect(QRect(listCaption.Left + l, listCaption.Top + S(20), S(59) - 2 * l, l), C.Divider);
    TRect listUp[3], listDown[3], listCheck[3];
    arrowButtons(14, 14, TGlyph::ChevronUp, listUp);
    arrowButtons(14, 14, TGlyph::ChevronDown, listDown);
    arrowButtons(14, 14, TGlyph::Check, listCheck);
    TRect boxImages[10];
    auto checkBox = [&](const TRect& r, bool checked, bool hot, bool disabled, bool grayed, bool round) {
        p.fillRect(Q(r), C.WindowBg);
        const QColor border = disabled              ? C.BorderDisabled
                              : (checked || grayed) ? (hot ? C.AccentHot : C.Accent)
                              : hot                 ? C.BorderHot
                                                    : C.Border;
        const QColor fill = disabled              ? C.FaceDisabled
                            : (checked || grayed) ? (hot ? C.AccentHot : C.Accent)
                            : hot                 ? C.AccentTintHot
                                                  : C.FieldBg;
        const double radius = round ? Q(r).width() / 2.0 : S(3);
        DrawFace(p, Q(r), radius, l, border, fill, fill);
        const QColor ink = disabled ? C.TextDisabled : C.AccentText;
        if (checked && round)
            DrawGlyph(p, Q(r), TGlyph::Dot, S(5), l, ink);
        else if (checked)
            DrawGlyph(p, Q(r), TGlyph::Check, S(8), std::max(1, S(1.5)), ink);
        else if (grayed)
            DrawGlyph(p, Q(r), TGlyph::Dash, S(7), std::max(1, S(1.5)), ink);
    };
    for (int i = 0; i < 10; ++i)
        boxImages[i] = Place(13, 13);
    checkBox(boxImages[0], true, false, false, false, false);
    checkBox(boxImages[1], false, false, false, false, false);
    checkBox(boxImages[2], true, true, false, false, false);
    checkBox(boxImages[3], false, true, false, false, false);
    checkBox(boxImages[4], true, false, true, false, false);
    checkBox(boxImages[5], false, false, true, false, false);
    checkBox(boxImages[6], false, false, false, true, false);
    checkBox(boxImages[7], false, true, false, true, false);
    auto listRecord = [&](auto* r, bool caption) {
        SetNine(*r, caption ? listCaption : list, 3, 2);
        if (caption) {
            const int w = S(59);
            r->LTPoint = {S(3), S(24)};
            r->RTPoint = {w - S(3), S(24)};
            r->ClRect = TRect{S(2), S(22), w - S(2), S(70)};
            r->LBPoint = {S(3), S(69)};
            r->RBPoint = {w - S(3), S(69)};
            r->CaptionRect = TRect{S(2), S(1), w - S(2), S(20)};
            r->CaptionFontStyle = fsBold;
            r->CaptionFontColor = Col(C.Text);
            r->ButtonsArea = TRect{w - S(46), S(3), w - S(3), S(17)};
        }
        r->ClRect = caption ? r->ClRect : TRect{S(2), S(2), S(57), S(50)};
        r->SItemRect = itemNormal;
        r->ActiveItemRect = itemHot;
        r->FocusItemRect = itemFocus;
        r->ItemLeftOffset = S(4);
        r->ItemRightOffset = S(4);
        r->ItemTextRect = TRect{S(5), 0, S(35), S(20)};
        r->FontColor = Col(C.Text);
        r->ActiveFontColor = Col(C.Text);
        r->FocusFontColor = Col(C.Text);
        r->UpButtonRect = listUp[0];
        r->ActiveUpButtonRect = listUp[1];
        r->DownUpButtonRect = listUp[2];
        r->DownButtonRect = listDown[0];
        r->ActiveDownButtonRect = listDown[1];
        r->DownDownButtonRect = listDown[2];
        r->CheckButtonRect = listCheck[0];
        r->ActiveCheckButtonRect = listCheck[1];
        r->DownCheckButtonRect = listCheck[2];
    };
    listRecord(Ctrl<TbsDataSkinListBox>("listbox"), false);
    listRecord(Ctrl<TbsDataSkinListBox>("captionlistbox"), true);
    for (const char* name : {"checklistbox", "captionchecklistbox"}) {
        auto* r = Ctrl<TbsDataSkinCheckListBox>(name);
        listRecord(r, std::string_view(name) == "captionchecklistbox");
        r->ItemCheckRect = TRect{S(4), S(3), S(17), S(16)};
        r->ItemTextRect = TRect{S(22), 0, S(35), S(20)};
        r->CheckImageRect = boxImages[0];
        r->UnCheckImageRect = boxImages[1];
    }

    // Scroll bars: down button at the start, up button at the end, a pill thumb in the track.
    auto scrollBar = [&](bool vertical) {
        const int len = 66, thick = 15;
        const TRect bar = vertical ? Place(thick, len) : Place(len, thick);
        const QRect q = Q(bar);
        p.fillRect(q, C.HeaderBg);
        const QRect startButton = vertical ? QRect(q.left(), q.top(), q.width(), S(15))
                                           : QRect(q.left(), q.top(), S(15), q.height());
        const QRect endButton = vertical ? QRect(q.left(), q.bottom() + 1 - S(15), q.width(), S(15))
                                         : QRect(q.right() + 1 - S(15), q.top(), S(15), q.height());
        DrawGlyph(p, startButton, vertical ? TGlyph::ChevronUp : TGlyph::ChevronLeft, S(6), l, C.Glyph);
        DrawGlyph(p, endButton, vertical ? TGlyph::ChevronDown : TGlyph::ChevronRight, S(6), l, C.Glyph);
        return bar;
    };
    const TRect hBar = scrollBar(false), vBar = scrollBar(true);
    auto barButtons = [&](bool vertical, TGlyph glyph, TRect(&looks)[2]) {
        for (int i = 0; i < 2; ++i) {
            looks[i] = Place(15, 15);
            p.fillRect(Q(looks[i]), C.HeaderBg);
            FillRounded(p, Q(looks[i]).adjusted(S(1), S(1), -S(1), -S(1)), S(2),
                        i == 0 ? C.CaptionButtonHot : C.CaptionButtonDown);
            DrawGlyph(p, Q(looks[i]), glyph, S(6), l, i == 1 ? C.Accent : C.Glyph);
        }
        (void)vertical;
    };
    TRect hUp[2], hDown[2], vUp[2], vDown[2];
    barButtons(false, TGlyph::ChevronRight, hUp);
    barButtons(false, TGlyph::ChevronLeft, hDown);
    barButtons(true, TGlyph::ChevronDown, vUp);
    barButtons(true, TGlyph::ChevronUp, vDown);
    auto thumbs = [&](bool vertical, TRect(&looks)[3]) {
        const QColor colours[3] = {C.Thumb, C.ThumbHot, C.ThumbDown};
        for (int i = 0; i < 3; ++i) {
            looks[i] = vertical ? Place(15, 30) : Place(30, 15);
            const QRect q = Q(looks[i]);
            p.fillRect(q, C.HeaderBg);
            const QRect pill =
                vertical ? q.adjusted(S(4), S(1), -S(4), -S(1)) : q.adjusted(S(1), S(4), -S(1), -S(4));
            FillRounded(p, pill, std::min(pill.width(), pill.height()) / 2.0, colours[i]);
        }
    };
    TRect hThumbs[3], vThumbs[3];
    thumbs(false, hThumbs);
    thumbs(true, vThumbs);
    auto scrollRecord = [&](const char* name, bool vertical) {
        auto* r = Ctrl<TbsDataSkinScrollBarControl>(name);
        r->PictureIndex = 4;
        r->SkinRect = vertical ? vBar : hBar;
        if (vertical) {
            r->LTPoint = P(0, 18);
            r->LBPoint = P(0, 48);
            r->TrackArea = TRect{0, S(15), S(15), S(51)};
            r->DownButtonRect = TRect{0, 0, S(15), S(15)};
            r->UpButtonRect = TRect{0, S(51), S(15), S(66)};
        } else {
            r->LTPoint = P(18, 0);
            r->RTPoint = P(48, 0);
            r->TrackArea = TRect{S(15), 0, S(51), S(15)};
            r->DownButtonRect = TRect{0, 0, S(15), S(15)};
            r->UpButtonRect = TRect{S(51), 0, S(66), S(15)};
        }
        r->ClRect = r->TrackArea;
        r->StretchEffect = true;
        const TRect(&up)[2] = vertical ? vUp : hUp;
        const TRect(&down)[2] = vertical ? vDown : hDown;
        const TRect(&thumb)[3] = vertical ? vThumbs : hThumbs;
        r->ActiveUpButtonRect = up[0];
        r->DownUpButtonRect = up[1];
        r->ActiveDownButtonRect = down[0];
        r->DownDownButtonRect = down[1];
        r->ThumbRect = thumb[0];
        r->ActiveThumbRect = thumb[1];
        r->DownThumbRect = thumb[2];
        r->ThumbOffset1 = S(6);
        r->ThumbOffset2 = S(6);
        r->ThumbStretchEffect = true;
        r->ThumbMinSize = S(12);
        r->ThumbMinPageSize = S(17);
    };
    scrollRecord("hscrollbar", false);
    scrollRecord("vscrollbar", true);
    scrollRecord("bothhscrollbar", false);

    // Up-downs: fixed pictures holding both buttons.
    auto upDown = [&](bool horizontal) {
        const TRect whole = horizontal ? Place(30, 15) : Place(15, 30);
        field(whole, false);
        const int half = S(15);
        const QRect q = Q(whole);
        const QRect first = horizontal ? QRect(q.left(), q.top(), half, q.height())
                                       : QRect(q.left(), q.top(), q.width(), half);
        const QRect second = horizontal ? QRect(q.left() + half, q.top(), q.width() - half, q.height())
                                        : QRect(q.left(), q.top() + half, q.width(), q.height() - half);
        p.fillRect(horizontal ? QRect(q.left() + half, q.top() + S(3), l, q.height() - S(6))
                              : QRect(q.left() + S(3), q.top() + half, q.width() - S(6), l),
                   C.Divider);
        DrawGlyph(p, first, horizontal ? TGlyph::ChevronLeft : TGlyph::ChevronUp, S(6), l, C.Glyph);
        DrawGlyph(p, second, horizontal ? TGlyph::ChevronRight : TGlyph::ChevronDown, S(6), l, C.Glyph);
        return whole;
    };
    const TRect vUpDown = upDown(false), hUpDown = upDown(true);
    TRect udLeft[3], udRight[3], udUp[3], udDown[3];
    arrowButtons(15, 15, TGlyph::ChevronLeft, udLeft);
    arrowButtons(15, 15, TGlyph::ChevronRight, udRight);
    arrowButtons(15, 15, TGlyph::ChevronUp, udUp);
    arrowButtons(15, 15, TGlyph::ChevronDown, udDown);
    {
        auto* r = Ctrl<TbsDataSkinUpDownControl>("vupdown");
        r->PictureIndex = 4;
        r->SkinRect = vUpDown;
        r->UpButtonRect = udUp[0];
        r->ActiveUpButtonRect = udUp[1];
        r->DownUpButtonRect = udUp[2];
        r->DownButtonRect = udDown[0];
        r->ActiveDownButtonRect = udDown[1];
        r->DownDownButtonRect = udDown[2];
        auto* h = Ctrl<TbsDataSkinUpDownControl>("hupdown");
        h->PictureIndex = 4;
        h->SkinRect = hUpDown;
        h->UpButtonRect = udRight[0];
        h->ActiveUpButtonRect = udRight[1];
        h->DownUpButtonRect = udRight[2];
        h->DownButtonRect = udLeft[0];
        h->ActiveDownButtonRect = udLeft[1];
        h->DownDownButtonRect = udLeft[2];
    }

    // Grid: header cell, selected and focused cells, 19 pixels high.
    const TRect fixedCell = Place(40, 19), selectCell = Place(40, 19), focusCell = Place(40, 19);
    {
        const QRect q = Q(fixedCell);
        p.fillRect(q, C.HeaderBg);
        p.fillRect(QRect(q.left(), q.bottom() - l + 1, q.width(), l), C.Border);
        p.fillRect(QRect(q.right() - l + 1, q.top(), l, q.height()), C.Divider);
        p.fillRect(Q(selectCell), C.AccentTint);
        p.fillRect(Q(focusCell), C.AccentTint);
        const QRect f = Q(focusCell);
        p.setPen(Qt::NoPen);
        p.fillRect(QRect(f.left(), f.top(), f.width(), l), C.Accent);
        p.fillRect(QRect(f.left(), f.bottom() - l + 1, f.width(), l), C.Accent);
        p.fillRect(QRect(f.left(), f.top(), l, f.height()), C.Accent);
        p.fillRect(QRect(f.right() - l + 1, f.top(), l, f.height()), C.Accent);
    }
    {
        auto* r = Ctrl<TbsDataSkinGridControl>("grid");
        r->PictureIndex = 4;
        r->FixedCellRect = fixedCell;
        r->SelectCellRect = selectCell;
        r->FocusCellRect = focusCell;
        r->FixedCellLeftOffset = S(2);
        r->FixedCellRightOffset = S(2);
        r->FixedCellTextRect = TRect{S(4), 0, S(36), S(19)};
        r->CellLeftOffset = S(2);
        r->CellRightOffset = S(2);
        r->CellTextRect = TRect{S(4), 0, S(36), S(19)};
        r->LinesColor = Col(C.Divider);
        r->BGColor = Col(C.FieldBg);
        r->FontColor = Col(C.Text);
        r->SelectFontColor = Col(C.Text);
        r->FocusFontColor = Col(C.Text);
        r->FixedFontColor = Col(C.Text);
        r->FixedFontStyle = fsBold;
        r->CellStretchEffect = true;
        r->FixedCellStretchEffect = true;
    }

    const TRect expand = Place(9, 9), collapse = Place(9, 9);
    for (const auto& [r, glyph] : {std::pair{expand, TGlyph::Plus}, std::pair{collapse, TGlyph::Minus}}) {
        p.fillRect(Q(r), C.FieldBg);
        DrawFace(p, Q(r), S(2), l, C.Border, C.FieldBg, C.FieldBg);
        DrawGlyph(p, Q(r), glyph, S(4), l, C.Glyph);
    }
    {
        auto* r = Ctrl<TbsDataSkinTreeView>("treeview");
        r->FontColor = Col(C.Text);
        r->BGColor = Col(C.FieldBg);
        r->PictureIndex = 4;
        r->ExpandImageRect = expand;
        r->NoExpandImageRect = collapse;
    }

    // Panels and the group box, whose caption sits above a rounded frame.
    const TRect group = Place(59, 50);
    {
        const QRect q = Q(group);
        p.fillRect(q, C.WindowBg);
        DrawFace(p, QRect(q.left(), q.top() + S(16), q.width(), q.height() - S(16)), S(4), l, C.Divider,
                 C.WindowBg, C.WindowBg);
    }
    auto panelRecord = [&](const char* name, const TRect& part) {
        auto* r = Ctrl<TbsDataSkinPanelControl>(name);
        SetNine(*r, part, 5, 1);
        r->FontColor = Col(C.Text);
        r->Alignment = taLeftJustify;
        r->CheckImageRect = boxImages[0];
        r->UnCheckImageRect = boxImages[1];
        return r;
    };
    panelRecord("toolpanel", FPanel);
    panelRecord("panel", FPanel);
    {
        auto* r = panelRecord("groupbox", group);
        r->LTPoint = P(6, 22);
        r->RTPoint = P(53, 22);
        r->LBPoint = P(6, 44);
        r->RBPoint = P(53, 44);
        r->ClRect = TRect{S(3), S(19), S(56), S(47)};
        r->CaptionRect = TRect{S(4), S(2), S(55), S(15)};
        r->FontStyle = fsBold;
    }
    panelRecord("statusbar", FStatusBar);
    panelRecord("bigtoolpanel", FPanel);
    panelRecord("resizetoolpanel", FPanel);
    panelRecord("officegroup", FPanel);
    panelRecord("officetoolbar", FPanel);
    panelRecord("menupagepanel", FPanel);

    const TRect checkFrame = Place(80, 17);
    p.fillRect(Q(checkFrame), C.WindowBg);
    TRect radioImages[8];
    for (TRect& r : radioImages)
        r = Place(13, 13);
    checkBox(radioImages[0], true, false, false, false, true);
    checkBox(radioImages[1], false, false, false, false, true);
    checkBox(radioImages[2], true, true, false, false, true);
    checkBox(radioImages[3], false, true, false, false, true);
    checkBox(radioImages[4], true, false, true, false, true);
    checkBox(radioImages[5], false, false, true, false, true);
    checkBox(radioImages[6], false, false, false, true, true);
    checkBox(radioImages[7], false, true, false, true, true);
    auto checkRecord = [&](const char* name, const TRect(&images)[8]) {
        auto* r = Ctrl<TbsDataSkinCheckRadioControl>(name);
        r->PictureIndex = 4;
        r->SkinRect = checkFrame;
        r->ActiveSkinRect = checkFrame;
        r->LTPoint = P(20, 8);
        r->RTPoint = P(60, 8);
        r->ClRect = TRect{0, 0, S(80), S(17)};
        r->StretchEffect = true;
        r->CheckImageArea = TRect{0, S(2), S(13), S(15)};
        r->TextArea = TRect{S(18), 0, S(78), S(17)};
        r->CheckImageRect = images[0];
        r->UnCheckImageRect = images[1];
        r->ActiveCheckImageRect = images[2];
        r->ActiveUnCheckImageRect = images[3];
        r->UnEnabledCheckImageRect = images[4];
        r->UnEnabledUnCheckImageRect = images[5];
        r->GrayedCheckImageRect = images[6];
        r->ActiveGrayedCheckImageRect = images[7];
        r->FontColor = Col(C.Text);
        r->FrameFontColor = Col(C.Text);
        r->ActiveFontColor = Col(C.Text);
        r->UnEnabledFontColor = Col(C.TextDisabled);
        r->Morphing = true;
    };
    TRect checkImages[8];
    std::copy(std::begin(boxImages), std::begin(boxImages) + 8, checkImages);
    checkRecord("checkbox", checkImages);
    checkRecord("radiobox", radioImages);

    // Tabs: page frame, tab faces (the active one a pixel taller, with the accent bar on top).
    const TRect page = Place(40, 40);
    field(page, false);
    p.fillRect(Q(page).adjusted(l, l, -l, -l), C.WindowBg);
    const TRect tab = Place(59, 20), tabHot = Place(59, 20), tabActive = Place(59, 21),
                tabFocus = Place(59, 21);
    p.fillRect(Q(tab), C.WindowBg);
    p.fillRect(Q(tabHot), C.WindowBg);
    FillRounded(p, Q(tabHot).adjusted(S(1), S(2), -S(1), S(3)), S(3), C.AccentTintHot);
    for (const TRect& r : {tabActive, tabFocus}) {
        const QRect q = Q(r);
        p.fillRect(q, C.WindowBg);
        DrawFace(p, q.adjusted(0, 0, 0, S(4)), S(3), l, C.Border, C.WindowBg, C.WindowBg);
        p.fillRect(QRect(q.left() + l, q.top() + l, q.width() - 2 * l, std::max(2, S(2))),
                   &r == &tabFocus ? C.AccentHot : C.Accent);
    }
    for (const char* name : {"tab", "officetab"}) {
        auto* r = Ctrl<TbsDataSkinTabControl>(name);
        r->PictureIndex = 4;
        r->SkinRect = page;
        r->ClRect = TRect{S(1), S(1), S(39), S(39)};
        r->LTPoint = P(4, 4);
        r->RTPoint = P(36, 4);
        r->LBPoint = P(4, 36);
        r->RBPoint = P(36, 36);
        r->LeftStretch = r->TopStretch = r->RightStretch = r->BottomStretch = true;
        r->StretchEffect = true;
        r->TabRect = tab;
        r->MouseInTabRect = tabHot;
        r->ActiveTabRect = tabActive;
        r->FocusTabRect = tabFocus;
        r->TabLeftOffset = S(5);
        r->TabRightOffset = S(5);
        r->TabStretchEffect = true;
        r->FontColor = Col(C.TextSecondary);
        r->ActiveFontColor = Col(C.Text);
        r->FocusFontColor = Col(C.Text);
        r->MouseInFontColor = Col(C.Text);
        r->UpDown = QStringLiteral("hupdown");
    }

    // The records no window of the program shows, drawn plainly so that the lists are complete.
    const TRect gaugeTrack = Place(60, 14), gaugeBar = Place(20, 10), vGaugeTrack = Place(14, 60),
                vGaugeBar = Place(10, 20);
    field(gaugeTrack, false);
    field(vGaugeTrack, false);
    FillRounded(p, Q(gaugeBar), S(3), C.Accent);
    FillRounded(p, Q(vGaugeBar), S(3), C.Accent);
    auto gauge = [&](const char* name, bool vertical) {
        auto* r = Ctrl<TbsDataSkinGaugeControl>(name);
        r->PictureIndex = 4;
        r->SkinRect = vertical ? vGaugeTrack : gaugeTrack;
        if (vertical) {
            r->LTPoint = P(0, 4);
            r->LBPoint = P(0, 56);
            r->ProgressArea = TRect{S(2), S(2), S(12), S(58)};
        } else {
            r->LTPoint = P(4, 0);
            r->RTPoint = P(56, 0);
            r->ProgressArea = TRect{S(2), S(2), S(58), S(12)};
        }
        r->ClRect = r->ProgressArea;
        r->StretchEffect = true;
        r->ProgressRect = vertical ? vGaugeBar : gaugeBar;
        r->BeginOffset = S(3);
        r->EndOffset = S(3);
        r->Vertical = vertical;
        r->FontColor = Col(C.Text);
        r->ProgressStretch = true;
    };
    gauge("gauge", false);
    gauge("vgauge", true);
    gauge("statusgauge", false);
    const TRect track = Place(60, 20), vTrack = Place(20, 60), knob = Place(12, 18), knobHot = Place(12, 18),
                vKnob = Place(18, 12), vKnobHot = Place(18, 12);
    p.fillRect(Q(track), C.WindowBg);
    p.fillRect(Q(vTrack), C.WindowBg);
    FillRounded(p, Q(track).adjusted(S(2), S(8), -S(2), -S(8)), S(2), C.Divider);
    FillRounded(p, Q(vTrack).adjusted(S(8), S(2), -S(8), -S(2)), S(2), C.Divider);
    for (const auto& [r, hot] : {std::pair{knob, false}, std::pair{knobHot, true}, std::pair{vKnob, false},
                                 std::pair{vKnobHot, true}}) {
        p.fillRect(Q(r), C.WindowBg);
        DrawFace(p, Q(r), S(3), l, hot ? C.AccentHot : C.Accent, C.FaceTop, C.FaceBottom);
    }
    for (const auto& [name, vertical] : {std::pair{"trackbar", false}, std::pair{"htrackbar", true}}) {
        auto* r = Ctrl<TbsDataSkinTrackBarControl>(name);
        r->PictureIndex = 4;
        r->SkinRect = vertical ? vTrack : track;
        r->ActiveSkinRect = r->SkinRect;
        if (vertical) {
            r->LTPoint = P(0, 4);
            r->LBPoint = P(0, 56);
            r->TrackArea = TRect{0, S(4), S(20), S(56)};
        } else {
            r->LTPoint = P(4, 0);
            r->RTPoint = P(56, 0);
            r->TrackArea = TRect{S(4), 0, S(56), S(20)};
        }
        r->StretchEffect = true;
        r->ButtonRect = vertical ? vKnob : knob;
        r->ActiveButtonRect = vertical ? vKnobHot : knobHot;
        r->Vertical = vertical;
    }
    const TRect vSplit = Place(6, 30), hSplit = Place(30, 6), vGrip = Place(6, 14), hGrip = Place(14, 6);
    p.fillRect(Q(vSplit), C.WindowBg);
    p.fillRect(Q(hSplit), C.WindowBg);
    p.fillRect(Q(vGrip), C.WindowBg);
    p.fillRect(Q(hGrip), C.WindowBg);
    for (int i = -1; i <= 1; ++i) {
        FillRounded(p, QRect(vGrip.Left + S(2), vGrip.Top + S(6) + i * S(4), S(2), S(2)), S(1), C.Thumb);
        FillRounded(p, QRect(hGrip.Left + S(6) + i * S(4), hGrip.Top + S(2), S(2), S(2)), S(1), C.Thumb);
    }
    for (const auto& [name, vertical] : {std::pair{"vsplitter", true}, std::pair{"hsplitter", false}}) {
        auto* r = Ctrl<TbsDataSkinSplitterControl>(name);
        r->PictureIndex = 4;
        r->SkinRect = vertical ? vSplit : hSplit;
        if (vertical) {
            r->LTPoint = P(0, 2);
            r->LBPoint = P(0, 28);
        } else {
            r->LTPoint = P(2, 0);
            r->RTPoint = P(28, 0);
        }
        r->StretchEffect = true;
        r->GripperRect = vertical ? vGrip : hGrip;
        r->GripperTransparent = true;
        r->GripperTransparentColor = Col(C.WindowBg);
    }
    {
        auto* r = Ctrl<TbsDataSkinScrollBoxControl>("scrollbox");
        SetNine(*r, FPanel, 5, 1);
    }
    {
        auto* r = Ctrl<TbsDataSkinExPanelControl>("expanel");
        SetNine(*r, listCaption, 3, 2);
        r->LTPoint = P(3, 24);
        r->RTPoint = P(56, 24);
        r->ClRect = TRect{S(2), S(22), S(57), S(70)};
        r->CaptionRect = TRect{S(2), S(1), S(57), S(20)};
        r->FontColor = Col(C.Text);
        r->FontStyle = fsBold;
        r->CloseButtonRect = listDown[0];
        r->CloseButtonActiveRect = listDown[1];
        r->CloseButtonDownRect = listDown[2];
        r->HRollButtonRect = listUp[0];
        r->HRollButtonActiveRect = listUp[1];
        r->HRollButtonDownRect = listUp[2];
        r->HRestoreButtonRect = listDown[0];
        r->HRestoreButtonActiveRect = listDown[1];
        r->HRestoreButtonDownRect = listDown[2];
    }
    const TRect menuBar = Place(30, 22);
    p.fillRect(Q(menuBar), C.WindowBg);
    p.fillRect(QRect(menuBar.Left, menuBar.Bottom - l, S(30), l), C.Divider);
    {
        auto* r = Ctrl<TbsDataSkinMainMenuBar>("mainmenubar");
        r->PictureIndex = 4;
        r->SkinRect = menuBar;
        r->ItemsRect = TRect{S(2), S(1), S(28), S(21)};
        r->MenuBarItem = QStringLiteral("mainmenubaritem");
        r->CloseButton = QStringLiteral("menubarclosebutton");
        r->MinButton = QStringLiteral("menubarminbutton");
        r->MaxButton = QStringLiteral("menubarmaxbutton");
        r->SysMenuButton = QStringLiteral("menubarsysmenubutton");
        r->TrackMarkColor = Col(C.Thumb);
        r->TrackMarkActiveColor = Col(C.Accent);
        r->StretchEffect = true;
    }
    {
        auto* r = Ctrl<TbsDataSkinControlBar>("controlbar");
        SetNine(*r, FPanel, 5, 1);
        r->ItemRect = FToolFaces.Normal;
        r->HGripRect = hGrip;
        r->VGripRect = vGrip;
        r->GripOffset1 = S(2);
        r->GripOffset2 = S(2);
    }
    {
        auto* r = Ctrl<TbsDataSkinAppMenu>("appmenu");
        SetNine(*r, FPanel, 5, 1);
        r->ItemRect = itemHot;
        r->PageItemRect = itemNormal;
        r->PageItemActiveRect = itemFocus;
        r->FontColor = Col(C.Text);
        r->ActiveFontColor = Col(C.Text);
        r->DisabledFontColor = Col(C.TextDisabled);
        r->FontPageColor = Col(C.Text);
        r->ActiveFontPageColor = Col(C.Text);
    }
    for (const char* name : {"bevel", "menupagedivider", "officegroupdivider"}) {
        auto* r = Ctrl<TbsDataSkinBevel>(name);
        r->LightColor = Col(C.FieldBg);
        r->DarkColor = Col(C.Divider);
    }
    {
        auto* r = Ctrl<TbsDataSkinSlider>("slider");
        r->PictureIndex = 4;
        r->BGColor = Col(C.WindowBg);
        r->HRulerRect = hRuler;
        r->HThumbRect = hThumb;
        r->VRulerRect = vRuler;
        r->VThumbRect = vThumb;
        r->EdgeSize = S(2);
        r->PointsColor = Col(C.Thumb);
    }
    for (const char* name : {"listview"}) {
        auto* r = Ctrl<TbsDataSkinListView>(name);
        r->FontColor = Col(C.Text);
        r->BGColor = Col(C.FieldBg);
    }
    {
        auto* r = Ctrl<TbsDataSkinRichEdit>("richedit");
        r->FontColor = Col(C.Text);
        r->BGColor = Col(C.FieldBg);
    }
    {
        auto* r = Ctrl<TbsDataSkinButtonControl>("header");
        SetButton(*r, FHeaderFaces, P(3, 3), P(36, 3), P(3, 17), P(36, 17), TRect{S(3), S(3), S(37), S(17)},
                  true);
    }

    FPainter.reset();
    int bottom = 0;
    for (const QRect& r : FUsed)
        bottom = std::max(bottom, r.bottom() + 1);
    // Cut below the last part: every row of the picture is inflated and decoded at each start.
    AddPicture(QStringLiteral("controls.bmp"), FControls.copy(0, 0, FControls.width(), bottom));
}

void BuildFromPalette(TbsSkinData& skin, const TOurSkinOptions& options)
{
    TBuilder(skin, options).Build();
}

} // namespace

void BuildOurSkin(TbsSkinData& ASkin, const TOurSkinOptions& AOptions)
{
    BuildFromPalette(ASkin, AOptions);
}

void WriteOurSkinFolder(const QString& AIniFile, const TOurSkinOptions& AOptions)
{
    TbsSkinData skin;
    BuildOurSkin(skin, AOptions);
    QDir().mkpath(QFileInfo(AIniFile).absolutePath());
    QFile::remove(AIniFile);
    skin.StoreToDisk(AIniFile);
}
