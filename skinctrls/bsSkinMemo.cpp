// Skinned memo: read-only rule, enter/exit, and the default frame around the text area.
#include "bsSkinMemo.h"

#include "TApplication.h"
#include "bsColors.h"
#include "bsDefaultLook.h"
#include "bsEditSupport.h"
#include "bsSkinControl.h"
#include "bsSkinScrollBar.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QScrollBar>
#include <QTextCursor>

TbsSkinMemo::TbsSkinMemo(QWidget* parent)
    : TbsSkinLinked<TbsTextInput<QPlainTextEdit>>(QStringLiteral("memo"), parent, true)
{
    setFrameStyle(QFrame::NoFrame);
    // The text area sits 3 pixels in at the left, 2 at the top and bottom, 4 at the right.
    setViewportMargins(3, 2, 4, 2);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Tab moves to the next control, as in the single-line edits.
    setTabChangesFocus(true);
    setAcceptDrops(false);
    for (QScrollBar* bar : {verticalScrollBar(), horizontalScrollBar()}) {
        // The memo sets its page size right after the range: follow once both are in place.
        connect(
            bar, &QScrollBar::rangeChanged, this, [this] { UpDateScrollRange(); }, Qt::QueuedConnection);
        connect(bar, &QScrollBar::valueChanged, this, [this] { UpDateScrollRange(); });
    }
    connect(document(), &QTextDocument::contentsChange, this, [this](int, int removed, int added) {
        if (!FSettingText && (removed || added))
            Change();
    });
    ApplyColors();
}

void TbsSkinMemo::SetText(const QString& value)
{
    FSettingText = true;
    setPlainText(value);
    FSettingText = false;
}

bool TbsSkinMemo::SkinLook() const
{
    return SkinIndex() != -1 && FLink.Typed<TbsDataSkinMemoControl>();
}

void TbsSkinMemo::ChangeSkinData()
{
    TbsSkinLinked::ChangeSkinData();
    const auto* r = FLink.Typed<TbsDataSkinMemoControl>();
    if (r && SkinIndex() != -1) {
        if (FUseSkinFont)
            setFont(RecordFont(*r));
        // The text area inside the object's client rectangle.
        const int extra = FBitMapBG ? 0 : 1;
        setViewportMargins(r->ClRect.Left + 1 + 2 * extra, r->ClRect.Top + 1 + extra,
                           int(r->SkinRect.Width()) - r->ClRect.Right + 3,
                           int(r->SkinRect.Height()) - r->ClRect.Bottom + 2);
    } else {
        setViewportMargins(FBitMapBG ? 3 : 6, 2, 4, 2);
    }
    ApplyColors();
    update();
    viewport()->update();
}

void TbsSkinMemo::ApplyColors()
{
    const auto* r = SkinLook() ? FLink.Typed<TbsDataSkinMemoControl>() : nullptr;
    QPalette p = palette();
    const QColor text = r ? ColorToQColor(hasFocus() ? r->ActiveFontColor : r->FontColor) : SysWindowText();
    p.setColor(QPalette::Active, QPalette::Text, text);
    p.setColor(QPalette::Inactive, QPalette::Text, text);
    p.setColor(QPalette::Disabled, QPalette::Text, r ? ColorToQColor(r->DisabledFontColor) : SysGrayText());
    // With the skin picture behind the text the text area shows it; otherwise the text area has the
    // object's background colour, or the window colour in the default look.
    const QColor base = !r ? SysWindow() : FBitMapBG ? QColor(Qt::transparent) : ColorToQColor(r->BGColor);
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        p.setColor(group, QPalette::Base, base);
    setPalette(p);
    viewport()->setAutoFillBackground(base.alpha() == 255);
}

void TbsSkinMemo::focusInEvent(QFocusEvent* event)
{
    TbsSkinLinked::focusInEvent(event);
    ApplyColors();
    update();
}

void TbsSkinMemo::focusOutEvent(QFocusEvent* event)
{
    TbsSkinLinked::focusOutEvent(event);
    ApplyColors();
    update();
}

bool TbsSkinMemo::event(QEvent* event)
{
    // The memo's own area around the text: the object's picture (its active one while focused)
    // in the skin look, else window colour inside a one-pixel shadow frame.
    if (event->type() == QEvent::Paint) {
        QPainter painter(this);
        const auto* r = SkinLook() ? FLink.Typed<TbsDataSkinMemoControl>() : nullptr;
        QImage frame;
        const TRect look = r && hasFocus() && !r->ActiveSkinRect.IsEmpty() ? r->ActiveSkinRect
                           : r                                             ? r->SkinRect
                                                                           : TRect();
        if (r && FLink.PaintPart(look, frame, width(), height(), FBitMapBG)) {
            painter.drawImage(0, 0, frame);
        } else {
            painter.fillRect(rect(), SysWindow());
            DrawFrame(painter, rect(), SysBtnShadow());
        }
        return true;
    }
    return QPlainTextEdit::event(event);
}

void TbsSkinMemo::contextMenuEvent(QContextMenuEvent* event)
{
    const QTextCursor cursor = textCursor();
    ShowEditMenu(event->globalPos(), document()->isUndoAvailable(), cursor.hasSelection(),
                 cursor.selectionStart() == 0 && cursor.selectionEnd() == document()->characterCount() - 1,
                 [this] { textCursor().removeSelectedText(); });
}

void TbsSkinMemo::LinkBar(QPointer<TbsSkinScrollBar>& slot, TbsSkinScrollBar* bar,
                          Qt::Orientation orientation)
{
    if (slot)
        slot->OnChange = nullptr;
    slot = bar;
    QScrollBar* own = orientation == Qt::Vertical ? verticalScrollBar() : horizontalScrollBar();
    const Qt::ScrollBarPolicy policy = bar ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAlwaysOn;
    if (orientation == Qt::Vertical)
        setVerticalScrollBarPolicy(policy);
    else
        setHorizontalScrollBarPolicy(policy);
    if (bar) {
        QPointer<TbsSkinScrollBar> guard(bar);
        bar->OnChange = [own, guard] {
            if (guard)
                own->setValue(guard->Position());
        };
    }
    UpDateScrollRange();
}

void TbsSkinMemo::SetVScrollBar(TbsSkinScrollBar* bar)
{
    LinkBar(FVScrollBar, bar, Qt::Vertical);
}

void TbsSkinMemo::SetHScrollBar(TbsSkinScrollBar* bar)
{
    LinkBar(FHScrollBar, bar, Qt::Horizontal);
}

void TbsSkinMemo::UpDateScrollRange()
{
    // The memo's own bars count in lines (vertically) and pixels; the skinned bar's range covers
    // every position with one page visible.
    auto follow = [](TbsSkinScrollBar* bar, const QScrollBar* own) {
        if (!bar)
            return;
        const int page = std::max(1, own->pageStep());
        bar->SetRange(own->minimum(), own->maximum() + page - 1, page, own->value());
        bar->setEnabled(own->maximum() > own->minimum());
    };
    follow(FVScrollBar, verticalScrollBar());
    follow(FHScrollBar, horizontalScrollBar());
}
