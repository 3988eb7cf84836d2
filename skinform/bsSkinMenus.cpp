// Skinned popup menus: measuring, placing, painting and running the items of every level, from
// the skin's popup window picture and "menuitem" object or in the default look.
#include "bsSkinMenus.h"

#include "SkinMessage.h"
#include "TApplication.h"
#include "TForm.h"
#include "TImageList.h"
#include "bsColors.h"
#include "bsDefaultLook.h"
#include "bsEffectBmp.h"
#include "bsFrameObjects.h"
#include "bsPaintParts.h"
#include "bsSkinData.h"
#include "bsSkinForm.h"
#include "bsTextHelpers.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>

namespace {

// The bands of the scroll markers.
constexpr int MarkerHeight = 10;
// Room right of the caption for the short cut and the sub-menu arrow: default look, skin.
constexpr int RightMargin = 21;
constexpr int SkinRightMargin = 16;
constexpr double MorphStep = 0.2;
constexpr int MorphInterval = 20;

// A length taken from the skin, kept to what a menu can show: a hostile skin can neither make a
// window of negative size nor overflow the sums of the items.
int SkinLength(qint64 value)
{
    constexpr qint64 MaxSkinLength = 4096;
    return int(std::clamp<qint64>(value, 0, MaxSkinLength));
}

QString ShortCutText(const TMenuItem* item)
{
    return item->ShortCut.toString(QKeySequence::NativeText);
}

QRect WorkAreaAt(const QPoint& point)
{
    QScreen* screen = QGuiApplication::screenAt(point);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

// The glyph of a window command by the item's name, for the system menu's items.
std::optional<TbsDefaultGlyph> CommandGlyph(const TMenuItem* item)
{
    const QString name = item->objectName();
    if (name == QLatin1String("BSF_CLOSE") || name == QLatin1String("TRAY_BSF_CLOSE"))
        return dgClose;
    if (name == QLatin1String("BSF_MINITEM"))
        return dgMinimize;
    if (name == QLatin1String("BSF_MAXITEM"))
        return dgMaximize;
    if (name == QLatin1String("BSF_RESTORE") || name == QLatin1String("TRAY_BSF_RESTORE"))
        return dgRestore;
    if (name == QLatin1String("BSF_ROLLUP"))
        return dgRollUp;
    if (name == QLatin1String("BSF_MINTOTRAY"))
        return dgTray;
    return std::nullopt;
}

// The check mark and the radio dot of a checked item without a picture, at glyph origin (x, y).
void DrawCheckMark(QPainter& C, int x, int y, bool radio, const QColor& color)
{
    C.save();
    C.setPen(color);
    if (radio) {
        C.setBrush(color);
        C.drawEllipse(QRect(x, y + 1, 6, 6));
    } else {
        for (int i = 0; i <= 2; ++i) {
            C.drawLine(x, y + 5 - i, x + 2, y + 7 - i);
            C.drawLine(x + 2, y + 7 - i, x + 7, y + 2 - i);
        }
    }
    C.restore();
}

// The sub-menu arrow of four vertical lines from (x, y).
void DrawSubMenuArrow(QPainter& C, int x, int y, const QColor& color)
{
    C.setPen(color);
    for (int i = 0; i <= 3; ++i)
        C.drawLine(x + i, y + i, x + i, y + 7 - i);
}

// A scroll marker's arrow: rows 1, 3, 5 and 7 pixels wide centred in R, the narrow row at the
// pointing end.
void DrawMarkerArrow(QPainter& C, const QRect& R, bool up, const QColor& color)
{
    const int cx = R.left() + R.width() / 2;
    const int top = R.top() + (R.height() - 4) / 2;
    for (int row = 0; row < 4; ++row) {
        const int half = up ? row : 3 - row;
        C.fillRect(QRect(cx - half, top + row, 2 * half + 1, 1), color);
    }
}

// Draws picture part R of SB centred in area A.
void DrawCentred(QPainter& C, const QImage& SB, const QRect& R, const QRect& A)
{
    const QRect source = R.intersected(SB.rect());
    if (source.isEmpty())
        return;
    C.drawImage(A.left() + (A.width() - source.width()) / 2, A.top() + (A.height() - source.height()) / 2, SB,
                source.x(), source.y(), source.width(), source.height());
}

} // namespace

// ---------------------------------------------------------------------------------------------
// Popup window: size and place

TbsSkinPopupWindow::TbsSkinPopupWindow(TbsSkinMenu* AParentMenu)
    // A tooltip-type window: on top, outside the window manager's stacking and activation, so the
    // window the menu belongs to stays active and its editor keeps the focus.
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus),
      ParentMenu(AParentMenu), ScrollTimer(CreateControlTimer(this)), MorphTimer(CreateControlTimer(this))
{
    setObjectName(QStringLiteral("TbsSkinPopupWindow"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_QuitOnClose, false);
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
    ScrollTimer->OnTimer = [this] { ScrollTimerTimer(); };
    MorphTimer->OnTimer = [this] { MorphTimerTimer(); };
}

TbsSkinPopupWindow::~TbsSkinPopupWindow() = default;

QSize TbsSkinPopupWindow::MenuSize(const std::vector<TbsSkinMenuItem>& items, const QFont& font,
                                   int itemHeight, int glyphWidth)
{
    TbsMenuMetrics metrics;
    metrics.ItemHeight = itemHeight;
    metrics.GlyphWidth = glyphWidth;
    return MenuLayout(items, font, metrics).Size;
}

TbsMenuLayout TbsSkinPopupWindow::MenuLayout(const std::vector<TbsSkinMenuItem>& items, const QFont& font,
                                             const TbsMenuMetrics& metrics)
{
    QFontMetrics fm(font);
    int widest = 0;
    int height = 0;
    for (const TbsSkinMenuItem& item : items) {
        QString text = item.MenuItem->PlainCaption();
        if (!item.MenuItem->ShortCut.isEmpty())
            text += QStringLiteral("  ") + ShortCutText(item.MenuItem);
        widest = std::max(widest, fm.horizontalAdvance(text) + 2);
        height += item.MenuItem->IsLine() ? metrics.SeparatorHeight : metrics.ItemHeight;
    }
    const int p = metrics.GlyphWidth + widest + 19;
    TbsMenuLayout layout;
    layout.Size =
        QSize(p + metrics.ItemMargin + metrics.FrameMargin.width(), height + metrics.FrameMargin.height());
    if (metrics.MaxItemsInWindow > 0 && int(items.size()) > metrics.MaxItemsInWindow) {
        layout.Size.setHeight(metrics.ItemHeight * metrics.MaxItemsInWindow + metrics.FrameMargin.height() +
                              2 * MarkerHeight);
        layout.Scroll = layout.Scroll2 = true;
    }
    if (layout.Size.height() > metrics.WorkAreaHeight) {
        layout.Size.setHeight(metrics.WorkAreaHeight);
        layout.Scroll = true;
    }
    return layout;
}

QPoint TbsSkinPopupWindow::MenuPosition(const QRect& R, const QSize& size, const QRect& A, bool popupUp)
{
    TbsMenuPlacement how;
    how.PopupUp = popupUp;
    return MenuPosition(R, size, A, how);
}

QPoint TbsSkinPopupWindow::MenuPosition(const QRect& R, const QSize& size, const QRect& A,
                                        const TbsMenuPlacement& how)
{
    const int W = size.width(), H = size.height();
    // Rectangles here are exclusive at the right and bottom, as the menu engine counts them.
    const int aTop = A.top(), aBottom = A.top() + A.height(), aLeft = A.left(), aRight = A.left() + A.width();
    const int rTop = R.top(), rBottom = R.top() + R.height(), rLeft = R.left(), rRight = R.left() + R.width();
    const bool upperHalf = rTop < aTop + A.height() / 2;
    bool pushed = false;
    int y;
    if (how.FullHeight) {
        y = aTop;
    } else if (how.ByItem) {
        if (rTop - how.ItemsTop + H <= aBottom)
            y = rTop - how.ItemsTop;
        else if (upperHalf)
            y = aBottom - H;
        else
            y = std::max(aTop, rBottom + how.ItemsTop - H);
    } else if (how.PopupUp) {
        if (rTop - H >= aTop) {
            y = rTop - H;
        } else if (upperHalf) {
            pushed = rBottom + H > aBottom;
            y = pushed ? aBottom - H : rBottom;
        } else {
            pushed = true;
            y = aTop;
        }
    } else if (rBottom + H <= aBottom) {
        y = rBottom;
    } else if (upperHalf) {
        pushed = true;
        y = aBottom - H;
    } else if (rTop - H >= aTop) {
        y = rTop - H;
    } else {
        pushed = true;
        y = aTop;
    }
    int x;
    if (how.ByItem || how.FullHeight || pushed) {
        x = rRight + W + 1 > aRight ? rLeft - W - 1 : rRight + 1;
    } else {
        x = rLeft;
        if (x + W > aRight)
            x = aRight - W;
        if (x < aLeft)
            x = aLeft;
    }
    return QPoint(x, y);
}

void TbsSkinPopupWindow::TakeSkin()
{
    FLink.SetSkinData(ParentMenu->SkinData);
    PW.reset();
    DSMI.reset();
    WindowPicture = MaskPicture = ItemsPicture = QImage();
    FHeaderLink.SetSkinData(ParentMenu->SkinData);
    FHeaderLink.SetSkinDataName(QStringLiteral("menuheader"));
    if (FHeaderLink.Lookup() < 0) {
        FHeaderLink.SetSkinDataName(QStringLiteral("label"));
        FHeaderLink.Lookup();
    }
    const TbsSkinData* SD = ParentMenu->SkinData.data();
    if (!SD || SD->Empty())
        return;
    const auto picture = [SD](int index) {
        const TbsSkinPicture* p = SD->ActivePicture(index);
        return p && !p->Empty() ? p->Image().convertToFormat(QImage::Format_RGB32) : QImage();
    };
    if (SD->PopupWindow.WindowPictureIndex != -1) {
        WindowPicture = picture(SD->PopupWindow.WindowPictureIndex);
        if (!WindowPicture.isNull()) {
            PW = SD->PopupWindow;
            MaskPicture = picture(PW->MaskPictureIndex);
        }
    }
    for (const std::unique_ptr<TbsDataSkinObject>& object : SD->ObjectList) {
        const auto* item = dynamic_cast<const TbsDataSkinMenuItem*>(object.get());
        if (!item)
            continue;
        // A "menuitem" object without its picture or without an item look draws as the default
        // look: its heights of 0 would leave nothing to point at.
        ItemsPicture = picture(item->ActivePictureIndex);
        if (!ItemsPicture.isNull() && !item->SkinRect.IsEmpty())
            DSMI = *item;
        else
            ItemsPicture = QImage();
        break;
    }
}

TbsMenuMetrics TbsSkinPopupWindow::Metrics() const
{
    TbsMenuMetrics m;
    m.ItemHeight = ParentMenu->DefaultMenuItemHeight;
    if (DSMI) {
        if (ParentMenu->UseSkinSize)
            m.ItemHeight = SkinLength(DSMI->SkinRect.Height());
        m.SeparatorHeight = SkinLength(DSMI->DividerRect.Height());
        m.ItemMargin = SkinLength(DSMI->TextRct.Left + DSMI->SkinRect.Width() - DSMI->TextRct.Right);
    }
    if (PW)
        m.FrameMargin = QSize(SkinLength(WindowPicture.width() - PW->ItemsRect.Width()),
                              SkinLength(WindowPicture.height() - PW->ItemsRect.Height()));
    m.GlyphWidth = FGlyphWidth;
    m.MaxItemsInWindow = std::max(0, ParentMenu->MaxMenuItemsInWindow);
    m.WorkAreaHeight = ParentMenu->WorkArea.height();
    return m;
}

int TbsSkinPopupWindow::ItemHeight(const TMenuItem* item) const
{
    const TbsMenuMetrics m = Metrics();
    return item->IsLine() ? m.SeparatorHeight : m.ItemHeight;
}

void TbsSkinPopupWindow::Show(const QRect& R, TMenuItem* items, int startIndex, bool popupUp)
{
    TbsMenuPlacement how;
    how.PopupUp = popupUp;
    Open(R, items, startIndex, how);
}

void TbsSkinPopupWindow::ShowFromItem(const QRect& R, TMenuItem* items)
{
    TbsMenuPlacement how;
    how.ByItem = true;
    Open(R, items, 0, how);
}

void TbsSkinPopupWindow::Open(const QRect& R, TMenuItem* items, int startIndex,
                              const TbsMenuPlacement& placement)
{
    TakeSkin();
    FItemFont = DSMI && ParentMenu->UseSkinFont ? RecordFont(*DSMI) : ParentMenu->DefaultMenuItemFont;
    setFont(FItemFont);
    ImgL = ParentMenu->Images;
    FGlyphWidth = ImgL ? ImgL->Width() + 5 : 19;
    ItemList.clear();
    for (int i = startIndex; i < items->Count(); ++i) {
        TMenuItem* item = items->Items(i);
        if (item->Visible)
            ItemList.push_back({item, QRect()});
    }
    const TbsMenuLayout layout = MenuLayout(ItemList, FItemFont, Metrics());
    Scroll = layout.Scroll;
    Scroll2 = layout.Scroll2;
    const int W = layout.Size.width(), H = layout.Size.height();
    if (PW) {
        const QSize pictureSize = WindowPicture.size();
        const TbsPartGeometry source =
            PartGeometry(PW->LTPoint, PW->RTPoint, PW->LBPoint, PW->RBPoint, PW->ItemsRect);
        NewItemsRect = ResizedPartGeometry(source, pictureSize, W, H).ClRect;
        if (!MaskPicture.isNull())
            setMask(
                FramedMaskRegion(source, ResizedPartGeometry(source, pictureSize, W, H), MaskPicture, W, H));
    } else {
        NewItemsRect = QRect(2, 2, W - 4, H - 4);
    }
    FVisibleStartIndex = 0;
    resize(layout.Size);
    LayoutItems();
    PaintBackground();
    TbsMenuPlacement how = placement;
    how.FullHeight = Scroll && !Scroll2;
    how.ItemsTop = NewItemsRect.top();
    move(MenuPosition(R, layout.Size, ParentMenu->WorkArea, how));
    if (ParentMenu->AlphaBlend)
        setWindowOpacity(std::clamp(ParentMenu->AlphaBlendValue, 0, 255) / 255.0);
    show();
    for (int i = 0; i < ItemCount(); ++i) {
        if (Selectable(i)) {
            SetActiveItem(i, true);
            break;
        }
    }
}

void TbsSkinPopupWindow::LayoutItems()
{
    const int top = NewItemsRect.top() + (Scroll ? MarkerHeight : 0);
    const int bottom = NewItemsRect.top() + NewItemsRect.height() - (Scroll ? MarkerHeight : 0);
    int y = top;
    FVisibleCount = 0;
    bool full = false;
    for (int i = 0; i < ItemCount(); ++i) {
        TbsSkinMenuItem& item = ItemList[std::size_t(i)];
        const int h = ItemHeight(item.MenuItem);
        item.FVisible = false;
        item.ObjectRect = QRect();
        if (i < FVisibleStartIndex || full)
            continue;
        if (y + h > bottom) {
            full = true;
            continue;
        }
        item.ObjectRect = QRect(NewItemsRect.left(), y, NewItemsRect.width(), h);
        item.FVisible = true;
        ++FVisibleCount;
        y += h;
    }
}

QRect TbsSkinPopupWindow::UpMarkerRect() const
{
    if (!Scroll)
        return QRect();
    if (!PW)
        return QRect(3, 3, width() - 6, MarkerHeight);
    return QRect(NewItemsRect.left(), NewItemsRect.top(), NewItemsRect.width(), MarkerHeight);
}

QRect TbsSkinPopupWindow::DownMarkerRect() const
{
    if (!Scroll)
        return QRect();
    if (!PW)
        return QRect(3, height() - 10, width() - 6, 7);
    return QRect(NewItemsRect.left(), NewItemsRect.bottom() + 1 - MarkerHeight, NewItemsRect.width(),
                 MarkerHeight);
}

// ---------------------------------------------------------------------------------------------
// Popup window: painting

void TbsSkinPopupWindow::PaintBackground()
{
    const int W = width(), H = height();
    if (PW) {
        const TbsPartGeometry source =
            PartGeometry(PW->LTPoint, PW->RTPoint, PW->LBPoint, PW->RBPoint, PW->ItemsRect);
        const TbsPartGeometry dest = ResizedPartGeometry(source, WindowPicture.size(), W, H);
        const TbsEdgeStretch stretch{PW->LeftStretch, PW->TopStretch, PW->RightStretch, PW->BottomStretch};
        const auto paint = [&](QImage& B, bool client) {
            PaintFramedPart(source, dest, B, WindowPicture, WindowPicture.rect(), W, H, client, stretch,
                            PW->StretchEffect, PW->StretchType);
        };
        FBackground = QImage();
        paint(FBackground, Scroll);
        FPaintBuffer = QImage();
        if (DSMI && DSMI->InActiveTransparent)
            paint(FPaintBuffer, true);
        return;
    }
    FBackground = QImage(W, H, QImage::Format_RGB32);
    QPainter C(&FBackground);
    const int strip = ImgL ? FGlyphWidth + 2 : 21;
    C.fillRect(0, 0, strip, H, SysBtnFace());
    C.fillRect(strip, 0, W - strip, H, SysWindow());
    DrawFrame(C, rect(), SysBtnShadow());
    DrawFrame(C, rect().adjusted(1, 1, -1, -1), SysWindow());
    FPaintBuffer = QImage();
    if (DSMI && DSMI->InActiveTransparent)
        FPaintBuffer = FBackground;
}

void TbsSkinPopupWindow::paintEvent(QPaintEvent* event)
{
    QPainter C(this);
    const QRect dirty = event->rect();
    C.drawImage(dirty.topLeft(), FBackground, dirty);
    C.setFont(FItemFont);
    int lastBottom = Scroll ? UpMarkerRect().bottom() + 1 : NewItemsRect.top();
    for (const TbsSkinMenuItem& item : ItemList) {
        if (!item.FVisible)
            continue;
        lastBottom = item.ObjectRect.top() + item.ObjectRect.height();
        if (!item.ObjectRect.isEmpty() && item.ObjectRect.intersects(dirty))
            C.drawImage(item.ObjectRect.topLeft(), ItemPicture(item));
    }
    if (Scroll) {
        // The room between the last item shown and the lower marker looks like an empty item.
        const QRect gap(NewItemsRect.left(), lastBottom, NewItemsRect.width(),
                        DownMarkerRect().top() - lastBottom);
        if (!gap.isEmpty() && gap.intersects(dirty)) {
            TbsSkinMenuItem blank;
            C.drawImage(gap.topLeft(), ItemBackground(blank, false, gap.width(), gap.height()));
        }
        DrawScrollMarkers(C);
    }
}

QImage TbsSkinPopupWindow::ItemBackground(const TbsSkinMenuItem& item, bool highlighted, int W, int H) const
{
    QImage B;
    if (!DSMI) {
        B = QImage(W, H, QImage::Format_RGB32);
        B.fill(highlighted ? DefaultHotFillColor() : SysWindow());
        return B;
    }
    const QRect skinRect = ExactRect(DSMI->SkinRect);
    QRect look = highlighted ? ExactRect(DSMI->ActiveSkinRect) : skinRect;
    bool stretch = highlighted ? DSMI->StretchEffect : DSMI->InActiveStretchEffect;
    const QRect frame =
        AnimationFrameRect(ExactRect(DSMI->AnimateSkinRect), skinRect, DSMI->FrameCount, item.CurrentFrame);
    if (!frame.isEmpty()) {
        look = frame;
        stretch = DSMI->StretchEffect;
    }
    if (!highlighted && frame.isEmpty() && DSMI->InActiveTransparent && !FPaintBuffer.isNull())
        return FPaintBuffer.copy(QRect(item.ObjectRect.topLeft(), QSize(W, H)));
    if (look.isEmpty())
        look = skinRect;
    if (ParentMenu->UseSkinSize && H == look.height()) {
        PaintHStrip(DSMI->ItemLO, DSMI->ItemRO, B, stretch, W, look, ItemsPicture);
    } else {
        // Another height: the picture is resized both ways, a quarter of it kept at top and bottom.
        const int lo = DSMI->ItemLO, ro = DSMI->ItemRO, q = look.height() / 4;
        const int w = look.width(), h = look.height();
        TbsPartGeometry source{QPoint(lo, q), QPoint(w - ro, q), QPoint(lo, h - q), QPoint(w - ro, h - q),
                               QRect(lo, q, w - lo - ro, h - 2 * q)};
        PaintFramedPart(source, ResizedPartGeometry(source, look.size(), W, H), B, ItemsPicture, look, W, H,
                        true, {true, true, true, true}, stretch, bsstFull);
    }
    if (B.isNull() || B.size() != QSize(W, H)) {
        QImage sized(W, H, QImage::Format_RGB32);
        sized.fill(SysWindow());
        QPainter(&sized).drawImage(0, 0, B);
        B = sized;
    }
    return B;
}

QImage TbsSkinPopupWindow::ItemPicture(const TbsSkinMenuItem& item) const
{
    return DSMI ? SkinItemPicture(item) : DefaultItemPicture(item);
}

QImage TbsSkinPopupWindow::SkinItemPicture(const TbsSkinMenuItem& item) const
{
    const TMenuItem* menuItem = item.MenuItem;
    const int W = item.ObjectRect.width(), H = item.ObjectRect.height();
    if (menuItem->IsLine()) {
        QImage B;
        PaintHStrip(DSMI->DividerLO, DSMI->DividerRO, B, DSMI->DividerStretchEffect, W,
                    ExactRect(DSMI->DividerRect), ItemsPicture);
        if (B.size() != QSize(W, H)) {
            QImage sized = ItemBackground(item, false, W, H);
            QPainter(&sized).drawImage(0, (H - B.height()) / 2, B);
            return sized;
        }
        return B;
    }
    if (menuItem->IsHeader())
        return SkinHeaderPicture(item, W, H);
    const bool highlighted = item.Active || item.Down;
    QImage B = ItemBackground(item, highlighted, W, H);
    if (Morphing() && item.FMorphKf > 0 && item.FMorphKf < 1) {
        TbsEffectBmp from(ItemBackground(item, false, W, H));
        const TbsEffectBmp to(ItemBackground(item, true, W, H));
        from.MorphByKind(DSMI->MorphKind, to, item.FMorphKf);
        B = from.Image().convertToFormat(QImage::Format_RGB32);
    }
    QPainter C(&B);
    C.setFont(FItemFont);
    DrawSkinItemContent(C, item, W, H);
    return B;
}

void TbsSkinPopupWindow::DrawSkinItemContent(QPainter& C, const TbsSkinMenuItem& item, int W, int H) const
{
    const TMenuItem* menuItem = item.MenuItem;
    const bool highlighted = item.Active || item.Down;
    QRect text = ExactRect(DSMI->TextRct);
    text.setRight(text.right() + W - int(DSMI->SkinRect.Width()));
    if (!ParentMenu->UseSkinSize)
        text.setBottom(text.bottom() + H - int(DSMI->SkinRect.Height()));
    const QRect imageRect = ExactRect(DSMI->ImageRct);
    const bool hasImageRect = !DSMI->ImageRct.IsEmpty();
    const int imageColumn = hasImageRect ? 0 : (ImgL ? FGlyphWidth : 16);
    QColor color = ColorToQColor(highlighted         ? DSMI->ActiveFontColor
                                 : menuItem->Enabled ? DSMI->FontColor
                                                     : DSMI->UnEnabledFontColor);
    const int rightRoom = ParentMenu->UseSkinSize ? SkinRightMargin : 8;
    const int centre = text.top() + text.height() / 2;

    // Image, command glyph or check mark.
    const QRect imageArea =
        hasImageRect ? imageRect : QRect(text.left(), text.top(), imageColumn, text.height());
    if (ImgL && ImgL->ValidIndex(menuItem->ImageIndex)) {
        const int x =
            hasImageRect ? imageRect.left() + (imageRect.width() - ImgL->Width()) / 2 : text.left() + 1;
        const int y = hasImageRect ? imageRect.top() + (imageRect.height() - ImgL->Height()) / 2
                                   : (H - ImgL->Height()) / 2;
        ImgL->Draw(C, x, y, menuItem->ImageIndex, menuItem->Enabled);
        if (DSMI->UseImageColor)
            color = ColorToQColor(highlighted ? DSMI->ActiveImageColor : DSMI->ImageColor);
        if (menuItem->Checked)
            DrawFrame(C, QRect(x - 1, y - 1, ImgL->Width() + 2, ImgL->Height() + 2), color);
    } else {
        const QPoint origin = hasImageRect ? imageRect.center() - QPoint(4, 4) + QPoint(1, 1)
                                           : QPoint(text.left() + 1, centre - 4);
        if (const std::optional<TbsDefaultGlyph> glyph = CommandGlyph(menuItem)) {
            DrawDefaultGlyph(C, *glyph, origin.x(), origin.y(), color);
        } else if (menuItem->Checked) {
            const TRect& picture = menuItem->RadioItem
                                       ? (highlighted ? DSMI->ActiveRadioImageRect : DSMI->RadioImageRect)
                                       : (highlighted ? DSMI->ActiveCheckImageRect : DSMI->CheckImageRect);
            if (!picture.IsEmpty())
                DrawCentred(C, ItemsPicture, ExactRect(picture), imageArea);
            else
                DrawCheckMark(C, origin.x(), origin.y(), menuItem->RadioItem, color);
        }
    }

    // Caption and short cut.
    C.setPen(color);
    const QRect captionRect(text.left() + imageColumn, text.top() - (FontHeightIsOdd(FItemFont) ? 1 : 0),
                            text.width() - imageColumn - rightRoom, text.height());
    const Qt::Alignment rtl = QGuiApplication::isRightToLeft() ? Qt::AlignRight : Qt::AlignLeft;
    C.drawText(captionRect, int(rtl | Qt::AlignVCenter) | Qt::TextShowMnemonic | Qt::TextSingleLine,
               menuItem->Caption);
    if (!menuItem->ShortCut.isEmpty())
        C.drawText(QRect(text.left(), captionRect.top(), text.width() - rightRoom, text.height()),
                   Qt::AlignRight | Qt::AlignVCenter, ShortCutText(menuItem));

    // Sub-menu arrow.
    if (menuItem->Count() > 0) {
        const TRect& arrow = highlighted ? DSMI->ActiveArrowImageRect : DSMI->ArrowImageRect;
        if (!DSMI->ArrowImageRect.IsEmpty()) {
            const int aw = int(arrow.Width());
            DrawCentred(C, ItemsPicture, ExactRect(arrow),
                        QRect(text.right() + 1 - aw - 5, text.top(), aw + 5, text.height()));
        } else {
            DrawSubMenuArrow(C, text.right() + 1 - 7, centre - 4, color);
        }
    }
}

QImage TbsSkinPopupWindow::SkinHeaderPicture(const TbsSkinMenuItem& item, int W, int H) const
{
    QImage B = ItemBackground(item, false, W, H);
    const TbsDataSkinControl* header = FHeaderLink.Control();
    if (!header)
        return B;
    QImage part;
    if (FHeaderLink.PaintPart(header->SkinRect, part, W, H, true))
        QPainter(&B).drawImage(0, 0, part);
    QPainter C(&B);
    C.setFont(FItemFont);
    QColor color = ColorToQColor(DSMI->FontColor);
    if (const auto* label = FHeaderLink.Typed<TbsDataSkinLabelControl>()) {
        C.setFont(RecordFont(*label));
        color = ColorToQColor(label->FontColor);
    } else if (const auto* stdLabel = FHeaderLink.Typed<TbsDataSkinStdLabelControl>()) {
        C.setFont(RecordFont(*stdLabel));
        color = ColorToQColor(stdLabel->FontColor);
    }
    C.setPen(color);
    const QString caption = item.MenuItem->Caption;
    C.drawText(QRect(0, 0, W, H), Qt::AlignCenter | Qt::TextSingleLine, caption.mid(1, caption.size() - 2));
    return B;
}

QImage TbsSkinPopupWindow::DefaultItemPicture(const TbsSkinMenuItem& item) const
{
    const TMenuItem* menuItem = item.MenuItem;
    const int W = item.ObjectRect.width(), H = item.ObjectRect.height();
    QImage B(W, H, QImage::Format_RGB32);
    QPainter C(&B);
    C.setFont(FItemFont);
    if (menuItem->IsLine()) {
        B.fill(SysWindow());
        C.setPen(SysBtnShadow());
        C.drawLine(0, H / 2, W - 1, H / 2);
        return B;
    }
    if (menuItem->IsHeader()) {
        B.fill(SysBtnShadow());
        C.setPen(SysBtnHighlight());
        C.drawText(QRect(0, 0, W, H), Qt::AlignCenter,
                   menuItem->Caption.mid(1, menuItem->Caption.size() - 2));
        return B;
    }
    const bool highlighted = item.Active || item.Down;
    B.fill(highlighted ? DefaultHotFillColor() : SysWindow());
    const QColor textColor = menuItem->Enabled || highlighted ? SysWindowText() : SysBtnShadow();
    const int centre = H / 2;
    if (ImgL && ImgL->ValidIndex(menuItem->ImageIndex)) {
        const int y = (H - ImgL->Height()) / 2;
        ImgL->Draw(C, 3, y, menuItem->ImageIndex, menuItem->Enabled);
        if (menuItem->Checked)
            DrawFrame(C, QRect(2, y - 1, ImgL->Width() + 2, ImgL->Height() + 2), textColor);
    } else if (const std::optional<TbsDefaultGlyph> glyph = CommandGlyph(menuItem)) {
        DrawDefaultGlyph(C, *glyph, 4, centre - 4, textColor);
    } else if (menuItem->Checked) {
        DrawCheckMark(C, 5, centre - 4, menuItem->RadioItem, textColor);
    }
    C.setPen(textColor);
    const QRect textRect(FGlyphWidth + 2, 0, W - RightMargin - FGlyphWidth - 2, H);
    C.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic | Qt::TextSingleLine,
               menuItem->Caption);
    if (!menuItem->ShortCut.isEmpty())
        C.drawText(QRect(0, 0, W - RightMargin, H), Qt::AlignRight | Qt::AlignVCenter,
                   ShortCutText(menuItem));
    if (menuItem->Count() > 0)
        DrawSubMenuArrow(C, W - 9, centre - 4, textColor);
    return B;
}

void TbsSkinPopupWindow::DrawScrollMarkers(QPainter& C) const
{
    const QColor normal = PW ? ColorToQColor(PW->ScrollMarkerColor) : SysBtnShadow();
    const QColor active = PW ? ColorToQColor(PW->ScrollMarkerActiveColor) : SysBtnText();
    const QRect up = UpMarkerRect(), down = DownMarkerRect();
    TbsSkinMenuItem blank;
    for (const QRect& band : {up, down}) {
        blank.ObjectRect = band;
        const QImage B = ItemBackground(blank, false, band.width(), band.height());
        C.drawImage(band.topLeft(), B);
    }
    DrawMarkerArrow(C, up, true, FScrollCode == 1 ? active : normal);
    DrawMarkerArrow(C, down, false, FScrollCode == 2 ? active : normal);
}

// ---------------------------------------------------------------------------------------------
// Popup window: pointer, keyboard and item states

bool TbsSkinPopupWindow::Selectable(int index) const
{
    if (index < 0 || index >= ItemCount())
        return false;
    const TMenuItem* item = Item(index).MenuItem;
    return item->Enabled && !item->IsLine();
}

int TbsSkinPopupWindow::ItemAt(const QPoint& point) const
{
    for (int i = 0; i < ItemCount(); ++i)
        if (Item(i).FVisible && Item(i).ObjectRect.contains(point))
            return i;
    return -1;
}

int TbsSkinPopupWindow::Level() const
{
    for (int level = 0; level < ParentMenu->LevelCount(); ++level)
        if (ParentMenu->PopupWindow(level) == this)
            return level;
    return -1;
}

void TbsSkinPopupWindow::RedrawItem(int index)
{
    if (index >= 0 && index < ItemCount() && Item(index).FVisible)
        update(Item(index).ObjectRect);
}

void TbsSkinPopupWindow::TrackAt(const QPoint& point)
{
    if (Scroll) {
        if (UpMarkerRect().contains(point)) {
            if (FVisibleStartIndex > 0)
                StartScroll(1);
            return;
        }
        if (DownMarkerRect().contains(point)) {
            if (FVisibleStartIndex + FVisibleCount < ItemCount())
                StartScroll(2);
            return;
        }
        StopScroll();
    }
    const int index = ItemAt(point);
    if (index < 0 || !Selectable(index))
        return;
    if (index != FActiveItem) {
        SetActiveItem(index, false);
        return;
    }
    TbsSkinMenuItem& item = ItemList[std::size_t(index)];
    if (item.WaitCommand) {
        // The pointer takes over an item the keyboard highlighted.
        item.WaitCommand = false;
        if (item.MenuItem->Count() > 0 && !item.Down)
            MouseEnter(index, false);
    }
}

void TbsSkinPopupWindow::SetActiveItem(int index, bool byKeyboard)
{
    if (index == FActiveItem)
        return;
    const int old = FActiveItem;
    FActiveItem = index;
    if (old >= 0)
        MouseLeave(old);
    if (index >= 0)
        MouseEnter(index, byKeyboard);
}

void TbsSkinPopupWindow::MouseEnter(int index, bool byKeyboard)
{
    TbsSkinMenuItem& item = ItemList[std::size_t(index)];
    item.Active = true;
    item.CurrentFrame = 0;
    for (int i = 0; i < ItemCount(); ++i) {
        if (i != index && ItemList[std::size_t(i)].Down) {
            ItemList[std::size_t(i)].Down = false;
            RedrawItem(i);
        }
    }
    setToolTip(item.MenuItem->Hint);
    if (item.Down) {
        // Its sub-menu stays; what was opened from there closes.
        ParentMenu->CloseLevels(Level() + 2);
        if (TbsSkinPopupWindow* sub = ParentMenu->PopupWindow(Level() + 1))
            sub->ReleaseDownItem();
        item.WaitCommand = byKeyboard;
        return;
    }
    item.WaitCommand = byKeyboard;
    StartMorph(index);
    ParentMenu->CloseLevels(Level() + 1);
    if (item.MenuItem->Count() > 0 && !byKeyboard)
        ParentMenu->WaitFor(this, index);
}

void TbsSkinPopupWindow::MouseLeave(int index)
{
    TbsSkinMenuItem& item = ItemList[std::size_t(index)];
    item.Active = false;
    item.WaitCommand = false;
    if (!item.Down)
        StartMorph(index);
    ParentMenu->CancelWait(this, index);
}

void TbsSkinPopupWindow::ReleaseDownItem()
{
    for (int i = 0; i < ItemCount(); ++i) {
        if (ItemList[std::size_t(i)].Down) {
            ItemList[std::size_t(i)].Down = false;
            RedrawItem(i);
        }
    }
}

int TbsSkinPopupWindow::NextSelectable(int step) const
{
    const int count = ItemCount();
    if (count == 0)
        return -1;
    int index = FActiveItem < 0 ? (step > 0 ? -1 : count) : FActiveItem;
    // One full round at most: a menu with nothing enabled keeps what it has.
    for (int tries = 0; tries < count; ++tries) {
        index = ((index + step) % count + count) % count;
        if (Selectable(index))
            return index;
    }
    return FActiveItem;
}

void TbsSkinPopupWindow::ScrollIntoView(int index)
{
    if (!Scroll || index < 0)
        return;
    if (index < FVisibleStartIndex) {
        FVisibleStartIndex = index;
    } else {
        while (index >= FVisibleStartIndex + FVisibleCount && FVisibleStartIndex < index) {
            ++FVisibleStartIndex;
            LayoutItems();
        }
    }
    LayoutItems();
    update();
}

void TbsSkinPopupWindow::MoveHighlight(int step)
{
    const int next = NextSelectable(step);
    if (next < 0 || next == FActiveItem)
        return;
    if (Scroll && !Item(next).FVisible)
        ScrollIntoView(next);
    SetActiveItem(next, true);
}

void TbsSkinPopupWindow::RunItem(int index)
{
    if (!Selectable(index) || Item(index).Down)
        return;
    TMenuItem* menuItem = Item(index).MenuItem;
    if (menuItem->Count() == 0) {
        ParentMenu->RunItem(menuItem);
        return;
    }
    menuItem->Click();
    ParentMenu->OpenLevel(this, index);
}

void TbsSkinPopupWindow::KeyDown(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Up:
        MoveHighlight(-1);
        return;
    case Qt::Key_Down:
        MoveHighlight(1);
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        RunItem(FActiveItem);
        return;
    case Qt::Key_Right:
        if (Selectable(FActiveItem) && Item(FActiveItem).MenuItem->Count() > 0)
            RunItem(FActiveItem);
        return;
    case Qt::Key_Left:
        if (Level() >= 1) {
            TbsSkinPopupWindow* parent = ParentMenu->PopupWindow(Level() - 1);
            ParentMenu->CloseLevels(Level());
            parent->ReleaseDownItem();
        }
        return;
    case Qt::Key_Escape:
        if (Level() >= 1) {
            TbsSkinPopupWindow* parent = ParentMenu->PopupWindow(Level() - 1);
            ParentMenu->CloseLevels(Level());
            parent->ReleaseDownItem();
        } else {
            ParentMenu->Hide();
        }
        return;
    default:
        break;
    }
    const QString text = event->text();
    if (text.size() != 1)
        return;
    const QChar typed = text[0].toLower();
    for (int i = 0; i < ItemCount(); ++i) {
        if (Item(i).MenuItem->Accelerator() == typed && Selectable(i)) {
            ScrollIntoView(i);
            SetActiveItem(i, true);
            RunItem(i);
            return;
        }
    }
}

void TbsSkinPopupWindow::keyPressEvent(QKeyEvent* event)
{
    KeyDown(event);
}

void TbsSkinPopupWindow::mouseMoveEvent(QMouseEvent* event)
{
    TrackAt(event->position().toPoint());
}

void TbsSkinPopupWindow::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    StopScroll();
}

void TbsSkinPopupWindow::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const int index = ItemAt(event->position().toPoint());
    if (index >= 0 && !Item(index).MenuItem->IsLine())
        RunItem(index);
}

bool TbsSkinPopupWindow::event(QEvent* event)
{
    if (TbsSkinMessageEvent* message = TbsSkinMessageEvent::From(event)) {
        // A skin change, or a window asking its menus to go, closes the whole menu.
        if (message->Msg() == smCloseMenu || message->Msg() == smBeforeSkinChange) {
            ParentMenu->Hide();
            return true;
        }
    }
    if (event->type() == QEvent::Wheel)
        return true;
    return QWidget::event(event);
}

void TbsSkinPopupWindow::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    // Hidden from outside (the engine hides the windows it closes itself): its level goes.
    const int level = Level();
    if (level == 0)
        ParentMenu->Hide();
    else if (level > 0)
        ParentMenu->CloseLevels(level);
}

void TbsSkinPopupWindow::ChangeSkinData()
{
    ParentMenu->Hide();
}

// Scrolling and cross-fades

void TbsSkinPopupWindow::StartScroll(int code)
{
    if (FScrollCode == code)
        return;
    FScrollCode = code;
    ParentMenu->CloseLevels(Level() + 1);
    ScrollTimer->Start(TbsSkinMenu::ScrollInterval);
    update(UpMarkerRect());
    update(DownMarkerRect());
}

void TbsSkinPopupWindow::StopScroll()
{
    if (FScrollCode == 0)
        return;
    FScrollCode = 0;
    ScrollTimer->Stop();
    update(UpMarkerRect());
    update(DownMarkerRect());
}

void TbsSkinPopupWindow::ScrollTimerTimer()
{
    if (FScrollCode == 1 && FVisibleStartIndex > 0)
        --FVisibleStartIndex;
    else if (FScrollCode == 2 && FVisibleStartIndex + FVisibleCount < ItemCount())
        ++FVisibleStartIndex;
    else {
        StopScroll();
        return;
    }
    LayoutItems();
    update();
}

bool TbsSkinPopupWindow::Morphing() const
{
    return DSMI && DSMI->Morphing && ParentMenu->SkinData && ParentMenu->SkinData->EnableSkinEffects();
}

bool TbsSkinPopupWindow::Animated() const
{
    return DSMI && !DSMI->AnimateSkinRect.IsEmpty() && DSMI->FrameCount > 0;
}

void TbsSkinPopupWindow::StartMorph(int index)
{
    TbsSkinMenuItem& item = ItemList[std::size_t(index)];
    if (Animated()) {
        item.CurrentFrame = item.Active ? 1 : std::min(item.CurrentFrame, DSMI->FrameCount);
        MorphTimer->Start(std::max(1, DSMI->AnimateInterval));
    } else if (Morphing()) {
        MorphTimer->Start(MorphInterval);
    } else {
        item.FMorphKf = item.Active ? 1 : 0;
    }
    RedrawItem(index);
}

void TbsSkinPopupWindow::MorphTimerTimer()
{
    bool running = false;
    for (int i = 0; i < ItemCount(); ++i) {
        TbsSkinMenuItem& item = ItemList[std::size_t(i)];
        const bool lit = item.Active || item.Down;
        if (Animated()) {
            const int target = lit ? DSMI->FrameCount : 0;
            if (item.CurrentFrame == target)
                continue;
            item.CurrentFrame += item.CurrentFrame < target ? 1 : -1;
        } else {
            const double target = lit ? 1 : 0;
            if (item.FMorphKf == target)
                continue;
            item.FMorphKf =
                lit ? std::min(1.0, item.FMorphKf + MorphStep) : std::max(0.0, item.FMorphKf - MorphStep);
        }
        running = true;
        RedrawItem(i);
    }
    if (!running)
        MorphTimer->Stop();
}

// ---------------------------------------------------------------------------------------------
// Menu engine

TbsSkinMenu::TbsSkinMenu(QObject* owner)
    : QObject(owner), DefaultMenuItemFont(DefaultControlFont()), WaitTimer(CreateControlTimer(this))
{
    WaitTimer->OnTimer = [this] { WaitTimerTimer(); };
}

TbsSkinMenu::~TbsSkinMenu()
{
    OnMenuClose = nullptr;
    PopupCtrl = nullptr;
    Form = nullptr;
    CloseLevels(0);
    Hook(false);
    for (const QPointer<TbsSkinPopupWindow>& window : FClosedWindows)
        delete window.data();
}

TbsSkinPopupWindow* TbsSkinMenu::PopupWindow(int level) const
{
    return level >= 0 && level < int(FPopupList.size()) ? FPopupList[std::size_t(level)].data() : nullptr;
}

QWidget* TbsSkinMenu::OwnerWindow() const
{
    if (Form)
        return Form;
    for (QObject* o = parent(); o; o = o->parent())
        if (auto* widget = qobject_cast<QWidget*>(o))
            return widget->window();
    return nullptr;
}

void TbsSkinMenu::Popup(QWidget* APopupCtrl, TbsSkinData* ASkinData, bool APopupUp, TMenuItem* AItems,
                        const QRect& ARect, int AStartIndex)
{
    CloseLevels(0);
    std::erase_if(FClosedWindows, [](const QPointer<TbsSkinPopupWindow>& window) { return window.isNull(); });
    SkinData = ASkinData;
    QWidget* owner = OwnerWindow();
    WorkArea = owner && owner->screen() ? owner->screen()->availableGeometry() : WorkAreaAt(ARect.topLeft());
    if (!AItems || AItems->Count() == 0 || AStartIndex < 0 || AStartIndex >= AItems->Count())
        return;
    PopupCtrl = APopupCtrl;
    FVisible = true;
    Hook(true);
    auto* window = new TbsSkinPopupWindow(this);
    FPopupList.emplace_back(window);
    window->Show(ARect, AItems, AStartIndex, APopupUp);
}

void TbsSkinMenu::OpenLevel(TbsSkinPopupWindow* parent, int itemIndex)
{
    const int level = parent->Level();
    CloseLevels(level + 1);
    TbsSkinMenuItem& item = parent->ItemList[std::size_t(itemIndex)];
    item.Down = true;
    parent->RedrawItem(itemIndex);
    const QRect screenRect(parent->mapToGlobal(item.ObjectRect.topLeft()), item.ObjectRect.size());
    auto* window = new TbsSkinPopupWindow(this);
    FPopupList.emplace_back(window);
    window->ShowFromItem(screenRect, item.MenuItem);
}

void TbsSkinMenu::Hide()
{
    WaitTimer->Stop();
    const bool wasVisible = FVisible;
    CloseLevels(0);
    if (!wasVisible)
        return;
    // The window's frame ends its menu mode; the control that asked for the menu hears the same.
    if (QWidget* owner = OwnerWindow())
        SendSkinMessage(owner, smCloseMenu);
}

void TbsSkinMenu::CloseLevels(int level)
{
    // Hiding a window tells the engine again; that second call finds nothing left to close.
    if (FClosing)
        return;
    FClosing = true;
    while (int(FPopupList.size()) > level) {
        QPointer<TbsSkinPopupWindow> window = FPopupList.back();
        FPopupList.pop_back();
        if (WItemWindow == window)
            WaitTimer->Stop();
        if (window) {
            window->hide();
            window->deleteLater();
            FClosedWindows.push_back(window);
        }
    }
    FClosing = false;
    if (level == 0 && FVisible) {
        FVisible = false;
        WaitTimer->Stop();
        Hook(false);
        if (QPointer<QWidget> ctrl = PopupCtrl) {
            PopupCtrl = nullptr;
            SendSkinMessage(ctrl, smCloseMenu);
        }
        std::function<void()> onClose = std::move(OnMenuClose);
        OnMenuClose = nullptr;
        FireEvent(onClose);
    }
}

void TbsSkinMenu::RunItem(TMenuItem* item)
{
    QPointer<QWidget> ctrl = PopupCtrl;
    Hide();
    item->Click();
    if (ctrl)
        SendSkinMessage(ctrl, smMenuCommand);
}

void TbsSkinMenu::WaitFor(TbsSkinPopupWindow* window, int itemIndex)
{
    WItemWindow = window;
    WItem = itemIndex;
    WaitTimer->Start(SubMenuDelay);
}

void TbsSkinMenu::CancelWait(TbsSkinPopupWindow* window, int itemIndex)
{
    if (WItemWindow == window && WItem == itemIndex) {
        WaitTimer->Stop();
        WItemWindow = nullptr;
        WItem = -1;
    }
}

void TbsSkinMenu::WaitTimerTimer()
{
    WaitTimer->Stop();
    QPointer<TbsSkinPopupWindow> window = WItemWindow;
    const int index = WItem;
    WItemWindow = nullptr;
    WItem = -1;
    if (window && index == window->ActiveItem())
        window->RunItem(index);
}

bool TbsSkinMenu::IsPopupWindow(const QObject* object) const
{
    for (const QPointer<TbsSkinPopupWindow>& window : FPopupList)
        for (const QObject* o = object; o; o = o->parent())
            if (o == window.data())
                return true;
    return false;
}

void TbsSkinMenu::Hook(bool on)
{
    if (on == FHooked)
        return;
    FHooked = on;
    if (on) {
        FHookedForm = OwnerWindow();
        qApp->installEventFilter(this);
    } else {
        qApp->removeEventFilter(this);
        FHookedForm = nullptr;
    }
}

bool TbsSkinMenu::eventFilter(QObject* watched, QEvent* event)
{
    if (!FVisible)
        return false;
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        // No short cut of the application runs while the menu has the keys.
        event->accept();
        return true;
    case QEvent::KeyPress:
        if (TbsSkinPopupWindow* innermost = PopupWindow(LevelCount() - 1))
            innermost->KeyDown(static_cast<QKeyEvent*>(event));
        return true;
    case QEvent::KeyRelease:
    case QEvent::Wheel:
        return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::NonClientAreaMouseButtonPress:
        if (watched->isWidgetType() && !IsPopupWindow(watched))
            Hide();
        return false;
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Hide:
    case QEvent::WindowDeactivate:
        if (watched == FHookedForm.data())
            Hide();
        return false;
    default:
        return false;
    }
}

// ---------------------------------------------------------------------------------------------
// Popup-menu component

TbsSkinPopupMenu::TbsSkinPopupMenu(QObject* owner) : TPopupMenu(owner), FMenu(new TbsSkinMenu(this)) {}

TbsSkinForm* TbsSkinPopupMenu::FindSkinForm() const
{
    if (SkinComponent)
        return SkinComponent;
    const auto skinFormOf = [](QObject* form) {
        return form ? form->findChild<TbsSkinForm*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
    };
    if (ComponentForm)
        return skinFormOf(ComponentForm);
    for (QObject* o = parent(); o; o = o->parent())
        if (auto* form = qobject_cast<TForm*>(o))
            return skinFormOf(form);
    return nullptr;
}

void TbsSkinPopupMenu::Popup(int X, int Y)
{
    Open(QRect(X, Y, 0, 0), false);
}

void TbsSkinPopupMenu::PopupFromRect(const QRect& R, bool APopupUp)
{
    Open(R, APopupUp);
}

void TbsSkinPopupMenu::Open(const QRect& R, bool APopupUp)
{
    TPopupMenu::Popup(R.left(), R.top());
    TbsSkinForm* skinForm = FindSkinForm();
    if (!skinForm)
        return;
    // One menu at a time on a window: whatever else is open there closes first.
    for (TbsSkinMenu* other : skinForm->Form()->findChildren<TbsSkinMenu*>())
        if (other != FMenu && other->Visible())
            other->Hide();
    FMenu->Hide();
    FMenu->Form = skinForm->Form();
    FMenu->UseSkinFont = skinForm->UseSkinFontInMenu;
    FMenu->DefaultMenuItemFont = skinForm->MenusFont;
    if (skinForm->DefMenuItemHeight > 0)
        FMenu->DefaultMenuItemHeight = skinForm->DefMenuItemHeight;
    FMenu->Images = Images;
    FPopupPoint = R.topLeft();
    if (OnMenuClose)
        FMenu->OnMenuClose = OnMenuClose;
    FMenu->Popup(nullptr, SkinData ? SkinData.data() : skinForm->SkinData(), APopupUp, Items(), R);
}
