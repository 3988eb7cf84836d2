// The layered border: its four pictures for an outer size, the windows that show them, and the
// check for a compositing manager that translucent windows need.
#include "bsFormLayerBorder.h"

#include "bsBitmap.h"
#include "bsPixelCopy.h"
#include "bsSkinData.h"

#include <QGuiApplication>
#include <QPaintEvent>
#include <QPainter>

#ifdef PR_HAVE_XCB
#include <xcb/xcb.h>
#endif

using bsPixels::RectLTRB;

namespace {

std::optional<bool>& CompositingOverride()
{
    static std::optional<bool> value;
    return value;
}


// Copies (stretched when the sizes differ) the part S of the source into D of the picture; only
// the part of S inside the source is read, and nothing is drawn for an empty S or D.
void CopyPiece(QPainter& P, const QImage& ASource, const QRect& D, const QRect& S)
{
    if (D.width() <= 0 || D.height() <= 0 || S.width() <= 0 || S.height() <= 0)
        return;
    const QRect inside = S.intersected(ASource.rect());
    if (inside.isEmpty())
        return;
    if (inside == S) {
        P.drawImage(D, ASource, S);
        return;
    }
    // Scale the clipped part to the share of D it stands for.
    const double kx = double(D.width()) / S.width(), ky = double(D.height()) / S.height();
    const QRect d(D.x() + int((inside.x() - S.x()) * kx), D.y() + int((inside.y() - S.y()) * ky),
                  std::max(1, int(inside.width() * kx)), std::max(1, int(inside.height() * ky)));
    P.drawImage(d, ASource, inside);
}

// A horizontal band: the two corners at their own width and the middle stretched between them.
void PaintHBand(QPainter& P, const QImage& ASource, int AW, int ADestTop, int AH, int ASourceTop, int ALeft,
                int ARight)
{
    const int SW = ASource.width();
    const int l = std::clamp(ALeft, 0, SW), r = std::clamp(ARight, l, SW);
    const int rightWidth = SW - r;
    CopyPiece(P, ASource, QRect(0, ADestTop, std::min(l, AW), AH), QRect(0, ASourceTop, std::min(l, AW), AH));
    CopyPiece(P, ASource, QRect(AW - rightWidth, ADestTop, rightWidth, AH),
              QRect(r, ASourceTop, rightWidth, AH));
    CopyPiece(P, ASource, RectLTRB(l, ADestTop, AW - rightWidth, ADestTop + AH),
              QRect(l, ASourceTop, r - l, AH));
}

// A vertical side: the source columns between the rows ATop and ABottom, stretched or tiled down.
QImage SidePicture(const QImage& ASource, int ALeft, int AWidth, int ATop, int ABottom, int AH, bool AStretch)
{
    if (AWidth <= 0 || AH <= 0)
        return QImage();
    QImage side(AWidth, AH, QImage::Format_ARGB32_Premultiplied);
    side.fill(Qt::transparent);
    const QRect band = RectLTRB(ALeft, ATop, ALeft + AWidth, ABottom).intersected(ASource.rect());
    // A band of no height would never fill the side: the side stays clear.
    if (band.width() <= 0 || band.height() <= 0)
        return side;
    QPainter p(&side);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    const int x = band.x() - ALeft;
    if (AStretch) {
        p.drawImage(QRect(x, 0, band.width(), AH), ASource, band);
        return side;
    }
    for (int y = 0; y < AH; y += band.height())
        p.drawImage(QPoint(x, y), ASource,
                    QRect(band.x(), band.y(), band.width(), std::min(band.height(), AH - y)));
    return side;
}

// The picture with the mask's brightness as alpha, premultiplied by lowering each colour channel
// to the alpha.
QImage AlphaSource(const TbsBitmap* ABitmap)
{
    if (!ABitmap || ABitmap->Empty())
        return QImage();
    TbsBitmap copy = *ABitmap;
    copy.CheckRGBA();
    QImage image = copy.Image();
    image.reinterpretAsFormat(QImage::Format_ARGB32_Premultiplied);
    return image;
}

} // namespace

TbsFormLayerWindow::TbsFormLayerWindow(TbsFormLayerBorderType AType)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowTransparentForInput |
                           Qt::WindowDoesNotAcceptFocus | Qt::NoDropShadowWindowHint),
      BorderType(AType)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void TbsFormLayerWindow::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.fillRect(rect(), Qt::transparent);
    p.setOpacity(Opacity);
    p.drawImage(0, 0, Picture);
}

TbsFormLayerBorder::TbsFormLayerBorder() = default;
TbsFormLayerBorder::~TbsFormLayerBorder() = default;

void TbsFormLayerBorder::InitFrame(TbsSkinData* ASD)
{
    Hide();
    FSource = FInActiveSource = QImage();
    FBuiltSize = QSize();
    if (!ASD || ASD->Empty() || ASD->LayerFrame.PictureIndex == -1)
        return;
    const TbsDataSkinLayerFrame& f = ASD->LayerFrame;
    FSource = AlphaSource(f.FSourceBitmap.get());
    FInActiveSource = AlphaSource(f.FSourceInActiveBitMap.get());
    if (!FInActiveSource.isNull() && FInActiveSource.size() != FSource.size())
        FInActiveSource = QImage();
    LTPoint = f.LTPoint.ToQPoint();
    RTPoint = f.RTPoint.ToQPoint();
    LBPoint = f.LBPoint.ToQPoint();
    RBPoint = f.RBPoint.ToQPoint();
    ClRect = RectLTRB(f.ClRect.Left, f.ClRect.Top, f.ClRect.Right, f.ClRect.Bottom);
    constexpr int Limit = 1000;
    LeftOffset = std::clamp(f.LeftOffset, -Limit, Limit);
    TopOffset = std::clamp(f.TopOffset, -Limit, Limit);
    WidthOffset = std::clamp(f.WidthOffset, -Limit, Limit);
    HeightOffset = std::clamp(f.HeightOffset, -Limit, Limit);
    FullStretch = f.FullStretch;
    FAlpha = std::clamp(f.AlphaBlendValue, 0, 255) / 255.0;
    FInActiveAlpha = std::clamp(f.InActiveAlphaBlendValue, 0, 255) / 255.0;
    // A client rectangle outside the picture cannot place the window in it.
    if (ClRect.width() <= 0 || ClRect.height() <= 0 || !FSource.rect().contains(ClRect))
        FSource = FInActiveSource = QImage();
}

QRect TbsFormLayerBorder::OuterRect(const QRect& AWindow) const
{
    if (!HasFrame())
        return QRect();
    const int SW = FSource.width(), SH = FSource.height();
    return QRect(AWindow.x() + LeftOffset - ClRect.x(), AWindow.y() + TopOffset - ClRect.y(),
                 AWindow.width() + WidthOffset + SW - ClRect.width(),
                 AWindow.height() + HeightOffset + SH - ClRect.height());
}

std::array<QRect, 4> TbsFormLayerBorder::PieceRects(const QRect& AWindow) const
{
    return PieceRectsOf(OuterRect(AWindow));
}

std::array<QRect, 4> TbsFormLayerBorder::PieceRectsOf(const QRect& outer) const
{
    std::array<QRect, 4> rects;
    if (outer.width() <= 0 || outer.height() <= 0)
        return rects;
    const int SW = FSource.width(), SH = FSource.height();
    const int topHeight = std::clamp(std::max(LTPoint.y(), RTPoint.y()), 0, outer.height());
    const int bottomHeight =
        std::clamp(SH - std::min(LBPoint.y(), RBPoint.y()), 0, outer.height() - topHeight);
    const int sideHeight = outer.height() - topHeight - bottomHeight;
    const int leftWidth = ClRect.x(), rightWidth = SW - (ClRect.x() + ClRect.width());
    rects[bsflTop] = QRect(outer.x(), outer.y(), outer.width(), topHeight);
    rects[bsflBottom] =
        QRect(outer.x(), outer.y() + outer.height() - bottomHeight, outer.width(), bottomHeight);
    if (sideHeight > 0) {
        rects[bsflLeft] = QRect(outer.x(), outer.y() + topHeight, leftWidth, sideHeight);
        rects[bsflRight] =
            QRect(outer.x() + outer.width() - rightWidth, outer.y() + topHeight, rightWidth, sideHeight);
    }
    return rects;
}

std::array<QImage, 4> TbsFormLayerBorder::BuildPictures(const QSize& AOuter, bool AActive) const
{
    std::array<QImage, 4> pictures;
    if (!HasFrame())
        return pictures;
    const QImage& source = (!AActive && !FInActiveSource.isNull()) ? FInActiveSource : FSource;
    const std::array<QRect, 4> rects = PieceRectsOf(QRect(QPoint(0, 0), AOuter));
    const int OW = rects[bsflTop].width();
    const int SH = source.height();
    const int topHeight = rects[bsflTop].height(), bottomHeight = rects[bsflBottom].height();
    const int fullBottom = std::clamp(SH - std::min(LBPoint.y(), RBPoint.y()), 0, SH);
    auto band = [](int w, int h) {
        QImage image(std::max(w, 0), std::max(h, 0), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        return image;
    };
    if (topHeight > 0 && OW > 0) {
        pictures[bsflTop] = band(OW, topHeight);
        QPainter p(&pictures[bsflTop]);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        PaintHBand(p, source, OW, 0, topHeight, 0, LTPoint.x(), RTPoint.x());
    }
    if (bottomHeight > 0 && OW > 0) {
        pictures[bsflBottom] = band(OW, bottomHeight);
        QPainter p(&pictures[bsflBottom]);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        PaintHBand(p, source, OW, 0, bottomHeight, SH - bottomHeight, LBPoint.x(), RBPoint.x());
    }
    const int sideHeight = rects[bsflLeft].height();
    const int bandTop = std::clamp(std::max(LTPoint.y(), RTPoint.y()), 0, SH), bandBottom = SH - fullBottom;
    pictures[bsflLeft] = SidePicture(source, 0, ClRect.x(), bandTop, bandBottom, sideHeight, FullStretch);
    const int right = ClRect.x() + ClRect.width();
    pictures[bsflRight] =
        SidePicture(source, right, source.width() - right, bandTop, bandBottom, sideHeight, FullStretch);
    return pictures;
}

const TbsFormLayerWindow* TbsFormLayerBorder::Piece(TbsFormLayerBorderType AType) const
{
    return FPieces[AType].get();
}

void TbsFormLayerBorder::Place(const QRect& AWindow)
{
    const std::array<QRect, 4> rects = PieceRects(AWindow);
    const QSize outer = OuterRect(AWindow).size();
    if (outer != FBuiltSize || FActive != FBuiltActive) {
        const std::array<QImage, 4> pictures = BuildPictures(outer, FActive);
        for (int i = 0; i < 4; ++i)
            if (FPieces[size_t(i)])
                FPieces[size_t(i)]->Picture = pictures[size_t(i)];
        FBuiltSize = outer;
        FBuiltActive = FActive;
    }
    for (int i = 0; i < 4; ++i) {
        TbsFormLayerWindow* piece = FPieces[size_t(i)].get();
        if (!piece)
            continue;
        piece->Opacity = FActive ? FAlpha : FInActiveAlpha;
        if (rects[size_t(i)].isEmpty() || piece->Picture.isNull()) {
            piece->hide();
            continue;
        }
        piece->setGeometry(rects[size_t(i)]);
        piece->update();
        piece->show();
    }
}

void TbsFormLayerBorder::ShowWithForm(const QRect& AWindow)
{
    if (!HasFrame() || !CompositingAvailable())
        return;
    for (int i = 0; i < 4; ++i)
        if (!FPieces[size_t(i)])
            FPieces[size_t(i)] = std::make_unique<TbsFormLayerWindow>(TbsFormLayerBorderType(i));
    FBuiltSize = QSize();
    FVisible = true;
    Place(AWindow);
}

void TbsFormLayerBorder::Hide()
{
    for (auto& piece : FPieces)
        piece.reset();
    FVisible = false;
    FBuiltSize = QSize();
}

void TbsFormLayerBorder::SetBoundsWithForm(const QRect& AWindow)
{
    if (FVisible)
        Place(AWindow);
}

void TbsFormLayerBorder::SetActive(bool AActive, const QRect& AWindow)
{
    FActive = AActive;
    if (FVisible)
        Place(AWindow);
}

void TbsFormLayerBorder::SetCompositingOverride(std::optional<bool> AValue)
{
    CompositingOverride() = AValue;
}

bool TbsFormLayerBorder::CompositingAvailable()
{
    if (CompositingOverride())
        return *CompositingOverride();
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return false;
#ifdef PR_HAVE_XCB
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return false;
    // A compositing manager owns the selection _NET_WM_CM_S<screen>.
    const char name[] = "_NET_WM_CM_S0";
    xcb_intern_atom_reply_t* atom =
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 1, sizeof(name) - 1, name), nullptr);
    if (!atom)
        return false;
    const xcb_atom_t selection = atom->atom;
    free(atom);
    if (selection == XCB_ATOM_NONE)
        return false;
    xcb_get_selection_owner_reply_t* owner =
        xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, selection), nullptr);
    const bool running = owner && owner->owner != XCB_WINDOW_NONE;
    free(owner);
    return running;
#else
    return false;
#endif
}
