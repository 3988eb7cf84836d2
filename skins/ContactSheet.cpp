// The contact sheet: a page that shows every part of a skin, for looking at the skin as a whole.
#include "ContactSheet.h"

#include "bsRecordPainting.h"
#include "bsSkinData.h"

#include <QPainter>
#include <vector>

namespace {

// One look of a record: painted through the record (resized parts) or copied as a picture piece.
struct TLook {
    QString Label;
    int Picture;
    TRect Rect;
    const TbsDataSkinCustomControl* Record; // paint through the record's resize mode when set
};

bool Empty(const TRect& r)
{
    return r.Right - r.Left <= 0 || r.Bottom - r.Top <= 0;
}

void Add(std::vector<TLook>& looks, const QString& label, int picture, const TRect& r,
         const TbsDataSkinCustomControl* record = nullptr)
{
    if (!Empty(r))
        looks.push_back({label, picture, r, record});
}

std::vector<TLook> LooksOf(const TbsDataSkinControl& c)
{
    std::vector<TLook> looks;
    const auto* custom = dynamic_cast<const TbsDataSkinCustomControl*>(&c);
    const int pi = c.PictureIndex;
    Add(looks, QStringLiteral("normal"), pi, c.SkinRect, custom);
    if (const auto* b = dynamic_cast<const TbsDataSkinButtonControl*>(&c)) {
        Add(looks, QStringLiteral("hot"), pi, b->ActiveSkinRect, custom);
        Add(looks, QStringLiteral("pressed"), pi, b->DownSkinRect, custom);
        Add(looks, QStringLiteral("focused"), pi, b->FocusedSkinRect, custom);
        Add(looks, QStringLiteral("disabled"), pi, b->DisabledSkinRect, custom);
        Add(looks, QStringLiteral("marker"), pi, b->MenuMarkerRect);
    }
    if (const auto* e = dynamic_cast<const TbsDataSkinEditControl*>(&c)) {
        Add(looks, QStringLiteral("focused"), pi, e->ActiveSkinRect, custom);
        Add(looks, QStringLiteral("button"), pi, e->ButtonRect);
        Add(looks, QStringLiteral("button hot"), pi, e->ActiveButtonRect);
    }
    if (const auto* cb = dynamic_cast<const TbsDataSkinComboBox*>(&c)) {
        Add(looks, QStringLiteral("focused"), pi, cb->ActiveSkinRect, custom);
        Add(looks, QStringLiteral("item focused"), pi, cb->FocusItemRect);
        Add(looks, QStringLiteral("button"), pi, cb->ButtonRect);
        Add(looks, QStringLiteral("hot"), pi, cb->ActiveButtonRect);
        Add(looks, QStringLiteral("pressed"), pi, cb->DownButtonRect);
        Add(looks, QStringLiteral("disabled"), pi, cb->UnEnabledButtonRect);
    }
    if (const auto* l = dynamic_cast<const TbsDataSkinListBox*>(&c)) {
        Add(looks, QStringLiteral("item hot"), pi, l->ActiveItemRect);
        Add(looks, QStringLiteral("item selected"), pi, l->FocusItemRect);
    }
    if (const auto* s = dynamic_cast<const TbsDataSkinScrollBarControl*>(&c)) {
        Add(looks, QStringLiteral("thumb"), pi, s->ThumbRect);
        Add(looks, QStringLiteral("thumb hot"), pi, s->ActiveThumbRect);
        Add(looks, QStringLiteral("thumb pressed"), pi, s->DownThumbRect);
        Add(looks, QStringLiteral("up hot"), pi, s->ActiveUpButtonRect);
        Add(looks, QStringLiteral("up pressed"), pi, s->DownUpButtonRect);
    }
    if (const auto* u = dynamic_cast<const TbsDataSkinUpDownControl*>(&c)) {
        Add(looks, QStringLiteral("up hot"), pi, u->ActiveUpButtonRect);
        Add(looks, QStringLiteral("down pressed"), pi, u->DownDownButtonRect);
    }
    if (const auto* k = dynamic_cast<const TbsDataSkinCheckRadioControl*>(&c)) {
        Add(looks, QStringLiteral("checked"), pi, k->CheckImageRect);
        Add(looks, QStringLiteral("unchecked"), pi, k->UnCheckImageRect);
        Add(looks, QStringLiteral("hot"), pi, k->ActiveCheckImageRect);
        Add(looks, QStringLiteral("hot off"), pi, k->ActiveUnCheckImageRect);
        Add(looks, QStringLiteral("disabled"), pi, k->UnEnabledCheckImageRect);
        Add(looks, QStringLiteral("disabled off"), pi, k->UnEnabledUnCheckImageRect);
        Add(looks, QStringLiteral("grayed"), pi, k->GrayedCheckImageRect);
    }
    if (const auto* t = dynamic_cast<const TbsDataSkinTabControl*>(&c)) {
        Add(looks, QStringLiteral("page"), pi, t->SkinRect);
        Add(looks, QStringLiteral("tab"), pi, t->TabRect);
        Add(looks, QStringLiteral("tab hot"), pi, t->MouseInTabRect);
        Add(looks, QStringLiteral("tab active"), pi, t->ActiveTabRect);
        Add(looks, QStringLiteral("tab focused"), pi, t->FocusTabRect);
    }
    if (const auto* g = dynamic_cast<const TbsDataSkinGridControl*>(&c)) {
        Add(looks, QStringLiteral("fixed"), pi, g->FixedCellRect);
        Add(looks, QStringLiteral("selected"), pi, g->SelectCellRect);
        Add(looks, QStringLiteral("focused"), pi, g->FocusCellRect);
    }
    if (const auto* tv = dynamic_cast<const TbsDataSkinTreeView*>(&c)) {
        Add(looks, QStringLiteral("expand"), pi, tv->ExpandImageRect);
        Add(looks, QStringLiteral("collapse"), pi, tv->NoExpandImageRect);
    }
    if (const auto* s = dynamic_cast<const TbsDataSkinSlider*>(&c)) {
        Add(looks, QStringLiteral("ruler"), pi, s->HRulerRect);
        Add(looks, QStringLiteral("thumb"), pi, s->HThumbRect);
    }
    return looks;
}

std::vector<TLook> LooksOf(const TbsDataSkinObject& o)
{
    std::vector<TLook> looks;
    const int pi = o.ActivePictureIndex;
    if (o.SkinRectInAPicture)
        Add(looks, QStringLiteral("normal"), pi, o.SkinRect);
    Add(looks, QStringLiteral("hot"), pi, o.ActiveSkinRect);
    if (const auto* b = dynamic_cast<const TbsDataSkinButton*>(&o))
        Add(looks, QStringLiteral("pressed"), pi, b->DownRect);
    Add(looks, QStringLiteral("inactive"), pi, o.InActiveSkinRect);
    if (const auto* s = dynamic_cast<const TbsDataSkinStdButton*>(&o)) {
        Add(looks, QStringLiteral("restore"), pi, s->RestoreRect);
        Add(looks, QStringLiteral("restore hot"), pi, s->RestoreActiveRect);
    }
    if (const auto* m = dynamic_cast<const TbsDataSkinMenuItem*>(&o)) {
        Add(looks, QStringLiteral("divider"), pi, m->DividerRect);
        Add(looks, QStringLiteral("check"), pi, m->CheckImageRect);
        Add(looks, QStringLiteral("radio"), pi, m->RadioImageRect);
        Add(looks, QStringLiteral("arrow"), pi, m->ArrowImageRect);
    }
    return looks;
}

// The look at natural size: through the record's painting primitive or as the picture piece.
QImage Render(const TbsSkinData& skin, const TLook& look)
{
    const int w = look.Rect.Right - look.Rect.Left, h = look.Rect.Bottom - look.Rect.Top;
    if (look.Record) {
        QImage b;
        PaintControlPart(&skin, *look.Record, look.Rect, b, w, h, true);
        return b;
    }
    const QImage picture = ActivePictureImage(&skin, look.Picture);
    return picture.isNull() ? QImage() : picture.copy(QRect(look.Rect.Left, look.Rect.Top, w, h));
}

} // namespace

QImage PaintContactSheet(const TbsSkinData& ASkin)
{
    struct TRow {
        QString Name;
        std::vector<TLook> Looks;
    };
    std::vector<TRow> rows;
    rows.push_back({QStringLiteral("[frame] active / inactive"), {}});
    for (const auto& o : ASkin.ObjectList)
        rows.push_back({o->IDName, LooksOf(*o)});
    for (const auto& c : ASkin.CtrlList)
        rows.push_back({c->IDName, LooksOf(*c)});
    rows.push_back(
        {QStringLiteral("[popup, hint, shadow]"),
         {{QStringLiteral("popup"), ASkin.PopupWindow.WindowPictureIndex, TRect{0, 0, 71, 70}, nullptr},
          {QStringLiteral("hint"), ASkin.HintWindow.WindowPictureIndex, TRect{0, 0, 40, 20}, nullptr},
          {QStringLiteral("rim mask"), ASkin.LayerFrame.MaskPictureIndex, TRect{0, 0, 153, 110}, nullptr}}});

    const int zoom = 3, width = 2400, labelW = 170, gap = 10, textH = 14;
    QFont font;
    font.setPixelSize(11);
    // Height first: each row is as tall as its tallest enlarged look.
    std::vector<std::vector<QImage>> images(rows.size());
    int height = gap;
    std::vector<int> rowHeights;
    for (size_t i = 0; i < rows.size(); ++i) {
        if (i == 0) {
            images[i] = {ASkin.FPicture.Image(), ASkin.FInActivePicture.Image()};
        } else {
            for (const TLook& look : rows[i].Looks)
                images[i].push_back(Render(ASkin, look));
        }
        int rowH = textH;
        for (const QImage& image : images[i])
            rowH = std::max(rowH, image.height() * (i == 0 ? 1 : zoom) + textH);
        rowHeights.push_back(rowH + gap);
        height += rowH + gap;
    }
    QImage sheet(width, height, QImage::Format_RGB32);
    sheet.fill(QColor(0xd8, 0xdb, 0xe0));
    QPainter p(&sheet);
    p.setFont(font);
    int y = gap;
    for (size_t i = 0; i < rows.size(); ++i) {
        p.setPen(Qt::black);
        p.drawText(QRect(gap, y, labelW, textH), Qt::AlignLeft | Qt::AlignVCenter, rows[i].Name);
        int x = labelW;
        for (size_t k = 0; k < images[i].size(); ++k) {
            const QImage& image = images[i][k];
            if (image.isNull())
                continue;
            const int z = i == 0 ? 1 : zoom;
            const QSize big = image.size() * z;
            p.drawImage(QPoint(x, y), image);
            p.drawImage(QRect(QPoint(x + image.width() + 4, y), big), image);
            const QString label = i == 0 ? (k == 0 ? QStringLiteral("active") : QStringLiteral("inactive"))
                                         : rows[i].Looks[k].Label;
            p.setPen(QColor(0x30, 0x30, 0x30));
            p.drawText(QRect(x, y + big.height() + 1, big.width() + image.width(), textH), Qt::AlignLeft,
                       label);
            x += image.width() + big.width() + 4 + 2 * gap;
        }
        y += rowHeights[i];
    }
    return sheet;
}
