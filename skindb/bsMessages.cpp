// Skinned message dialog: layout of label, icon, check box and buttons; modal run through the seam.
#include "bsMessages.h"

#include "TImageList.h"
#include "bsDataSkinControls.h"
#include "bsDefaultLook.h"
#include "bsSkinButton.h"
#include "bsSkinData.h"
#include "bsSkinForm.h"
#include "bsSkinLink.h"
#include "bsSkinStdLabel.h"

#include <QApplication>
#include <QCheckBox>
#include <QDesktopServices>
#include <QKeyEvent>
#include <QLabel>
#include <QScopeGuard>
#include <QStyle>
#include <QUrl>

namespace {

constexpr int ButtonWidth = 70;
constexpr int ButtonGap = 10;

struct TButtonText {
    const char* Name;
    const char* Key;
};

// Indexed by TMsgDlgBtn; modal results and default captions are the platform's (Dialogs.h).
constexpr TButtonText ButtonTexts[] = {
    {"Yes", "MSG_BTN_YES"},           {"No", "MSG_BTN_NO"},       {"OK", "MSG_BTN_OK"},
    {"Cancel", "MSG_BTN_CANCEL"},     {"Abort", "MSG_BTN_ABORT"}, {"Retry", "MSG_BTN_RETRY"},
    {"Ignore", "MSG_BTN_IGNORE"},     {"All", "MSG_BTN_ALL"},     {"NoToAll", "MSG_BTN_NOTOALL"},
    {"YesToAll", "MSG_BTN_YESTOALL"}, {"Help", "MSG_BTN_HELP"},   {"Close", "MSG_BTN_CLOSE"},
};

QString CaptionKey(TMsgDlgType type)
{
    switch (type) {
    case mtWarning:
        return QStringLiteral("MSG_CAP_WARNING");
    case mtError:
        return QStringLiteral("MSG_CAP_ERROR");
    case mtInformation:
        return QStringLiteral("MSG_CAP_INFORMATION");
    case mtConfirmation:
        return QStringLiteral("MSG_CAP_CONFIRM");
    case mtCustom:
        break;
    }
    return QString();
}

QPixmap SystemIcon(TMsgDlgType type)
{
    QStyle::StandardPixmap kind;
    switch (type) {
    case mtWarning:
        kind = QStyle::SP_MessageBoxWarning;
        break;
    case mtError:
        kind = QStyle::SP_MessageBoxCritical;
        break;
    case mtInformation:
        kind = QStyle::SP_MessageBoxInformation;
        break;
    case mtConfirmation:
        kind = QStyle::SP_MessageBoxQuestion;
        break;
    default:
        return QPixmap();
    }
    return QApplication::style()->standardIcon(kind).pixmap(32, 32);
}

// The default button: OK when asked for, else Yes, else Retry. The cancel button: Cancel, else No,
// else OK.
TMsgDlgBtn DefaultButtonOf(TMsgDlgButtons buttons)
{
    return buttons.Contains(mbOK) ? mbOK : buttons.Contains(mbYes) ? mbYes : mbRetry;
}

TMsgDlgBtn CancelButtonOf(TMsgDlgButtons buttons)
{
    return buttons.Contains(mbCancel) ? mbCancel : buttons.Contains(mbNo) ? mbNo : mbOK;
}

int ButtonRowWidth(TMsgDlgButtons buttons)
{
    const int n = buttons.Count();
    return n == 0 ? 0 : n * (ButtonWidth + ButtonGap) - ButtonGap;
}

} // namespace

// --- the dialog window ---------------------------------------------------------------------------

TbsMessageForm::TbsMessageForm(QWidget* AOwner, int X, int Y) : TModalForm(AOwner)
{
    setObjectName(QStringLiteral("bsMessageForm"));
    setWindowFlag(Qt::Dialog);
    BSF = new TbsSkinForm(this);
    BSF->SetHideCaptionButtons(true);
    if (X >= -10000)
        SetShowPos(X, Y);
}

void TbsMessageForm::SetShowPos(int X, int Y)
{
    FPositioned = true;
    FShowPos = QPoint(X, Y);
    move(FShowPos);
}

void TbsMessageForm::HelpButtonClick()
{
    if (!HelpFile.isEmpty())
        QDesktopServices::openUrl(QUrl::fromLocalFile(HelpFile));
}

void TbsMessageForm::showEvent(QShowEvent* event)
{
    // The window base centres every window when it first appears; a placed dialog goes back.
    TModalForm::showEvent(event);
    if (FPositioned)
        move(FShowPos);
}

// Escape with no cancel button among the buttons (an empty button set) closes the dialog; with
// one, the cancel button takes it before it gets here.
void TbsMessageForm::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && !(event->modifiers() & Qt::ShiftModifier)) {
        Done(mrCancel);
        return;
    }
    TModalForm::keyPressEvent(event);
}

// --- the component -------------------------------------------------------------------------------

TbsSkinMessage::TbsSkinMessage(QObject* owner)
    : QObject(owner), DefaultFont(DefaultControlFont()), DefaultButtonFont(DefaultControlFont())
{
}

int TbsSkinMessage::ButtonHeight() const
{
    if (!CtrlSkinData || CtrlSkinData->Empty())
        return 25;
    const int index = CtrlSkinData->GetControlIndex(ButtonSkinDataName);
    if (index < 0)
        return 25;
    auto* button = dynamic_cast<const TbsDataSkinButtonControl*>(CtrlSkinData->CtrlList[size_t(index)].get());
    // A skin is untrusted: a button picture without height keeps the default height.
    const qint64 height = button ? button->SkinRect.Height() : 0;
    return height > 0 && height <= 1000 ? int(height) : 25;
}

// A key the skin's list lacks (an empty text) falls back too: a blank button or caption would tell
// the operator nothing.
QString TbsSkinMessage::ResourceString(const QString& key, const QString& fallback) const
{
    if (!CtrlSkinData || !CtrlSkinData->ResourceStrData())
        return fallback;
    const QString text = CtrlSkinData->ResourceStrData()->GetResStr(key);
    return text.isEmpty() ? fallback : text;
}

TbsSkinMessage::TRequest TbsSkinMessage::Request(const QString& Msg, TMsgDlgType DlgType,
                                                 TMsgDlgButtons Buttons, int HelpCtx)
{
    TRequest request;
    request.Msg = Msg;
    request.DlgType = DlgType;
    request.Buttons = Buttons;
    request.HelpCtx = HelpCtx;
    return request;
}

TbsSkinMessage::TRequest TbsSkinMessage::Custom(const QString& Msg, const QString& ACaption,
                                                const TImageList* AImages, int AImageIndex,
                                                TMsgDlgButtons Buttons, int HelpCtx)
{
    TRequest request = Request(Msg, mtCustom, Buttons, HelpCtx);
    request.Caption = ACaption.isNull() ? QStringLiteral("") : ACaption;
    request.CustomPicture = true;
    request.Images = AImages;
    request.ImageIndex = AImageIndex;
    return request;
}

TbsSkinMessage::TRequest& TbsSkinMessage::At(TRequest& request, int X, int Y, bool asksShowPos)
{
    request.X = X;
    request.Y = Y;
    request.AsksShowPos = asksShowPos;
    return request;
}

TbsSkinMessage::TRequest& TbsSkinMessage::WithDefault(TRequest& request, TMsgDlgBtn DefaultButton)
{
    request.HasDefaultButton = true;
    request.DefaultButton = DefaultButton;
    return request;
}

TModalResult TbsSkinMessage::MessageDlg(const QString& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons,
                                        int HelpCtx)
{
    return Execute(Request(Msg, DlgType, Buttons, HelpCtx));
}

TModalResult TbsSkinMessage::MessageDlg(const QString& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons,
                                        int HelpCtx, TMsgDlgBtn DefaultButton)
{
    TRequest request = Request(Msg, DlgType, Buttons, HelpCtx);
    return Execute(WithDefault(request, DefaultButton));
}

TModalResult TbsSkinMessage::MessageDlgPos(const QString& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons,
                                           int HelpCtx, int X, int Y)
{
    TRequest request = Request(Msg, DlgType, Buttons, HelpCtx);
    return Execute(At(request, X, Y));
}

TModalResult TbsSkinMessage::MessageDlgPos(const QString& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons,
                                           int HelpCtx, int X, int Y, TMsgDlgBtn DefaultButton)
{
    TRequest request = Request(Msg, DlgType, Buttons, HelpCtx);
    return Execute(WithDefault(At(request, X, Y), DefaultButton));
}

TModalResult TbsSkinMessage::MessageDlgHelp(const QString& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons,
                                            int HelpCtx, const QString& HelpFileName)
{
    TRequest request = Request(Msg, DlgType, Buttons, HelpCtx);
    request.HelpFile = HelpFileName;
    return Execute(request);
}

TModalResult TbsSkinMessage::MessageDlg2(const QString& Msg, const QString& ACaption, TMsgDlgType DlgType,
                                         TMsgDlgButtons Buttons, int HelpCtx)
{
    TRequest request = Request(Msg, DlgType, Buttons, HelpCtx);
    request.Caption = ACaption.isNull() ? QStringLiteral("") : ACaption;
    return Execute(request);
}

TModalResult TbsSkinMessage::MessageDlgHelp2(const QString& Msg, const QString& ACaption, TMsgDlgType DlgType,
                                             TMsgDlgButtons Buttons, int HelpCtx, const QString& HelpFileName)
{
    TRequest request = Request(Msg, DlgType, Buttons, HelpCtx);
    request.Caption = ACaption.isNull() ? QStringLiteral("") : ACaption;
    request.HelpFile = HelpFileName;
    return Execute(request);
}

TModalResult TbsSkinMessage::CustomMessageDlg(const QString& Msg, const QString& ACaption,
                                              const TImageList* AImages, int AImageIndex,
                                              TMsgDlgButtons Buttons, int HelpCtx)
{
    return Execute(Custom(Msg, ACaption, AImages, AImageIndex, Buttons, HelpCtx));
}

TModalResult TbsSkinMessage::CustomMessageDlg(const QString& Msg, const QString& ACaption,
                                              const TImageList* AImages, int AImageIndex,
                                              TMsgDlgButtons Buttons, int HelpCtx, TMsgDlgBtn DefaultButton)
{
    TRequest request = Custom(Msg, ACaption, AImages, AImageIndex, Buttons, HelpCtx);
    return Execute(WithDefault(request, DefaultButton));
}

TModalResult TbsSkinMessage::CustomMessageDlgPos(const QString& Msg, const QString& ACaption,
                                                 const TImageList* AImages, int AImageIndex,
                                                 TMsgDlgButtons Buttons, int HelpCtx, int X, int Y)
{
    TRequest request = Custom(Msg, ACaption, AImages, AImageIndex, Buttons, HelpCtx);
    return Execute(At(request, X, Y));
}

TModalResult TbsSkinMessage::CustomMessageDlgPos(const QString& Msg, const QString& ACaption,
                                                 const TImageList* AImages, int AImageIndex,
                                                 TMsgDlgButtons Buttons, int HelpCtx, int X, int Y,
                                                 TMsgDlgBtn DefaultButton)
{
    TRequest request = Custom(Msg, ACaption, AImages, AImageIndex, Buttons, HelpCtx);
    return Execute(WithDefault(At(request, X, Y), DefaultButton));
}

TModalResult TbsSkinMessage::CustomMessageDlgHelp(const QString& Msg, const QString& ACaption,
                                                  const TImageList* AImages, int AImageIndex,
                                                  TMsgDlgButtons Buttons, int HelpCtx,
                                                  const QString& HelpFileName)
{
    TRequest request = Custom(Msg, ACaption, AImages, AImageIndex, Buttons, HelpCtx);
    request.HelpFile = HelpFileName;
    return Execute(request);
}

TModalResult TbsSkinMessage::WideMessageDlg(const QString& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons,
                                            int HelpCtx)
{
    TRequest request = Request(Msg, DlgType, Buttons, HelpCtx);
    request.CheckBox = false;
    return Execute(request);
}

TModalResult TbsSkinMessage::WideMessageDlgPos(const QString& Msg, TMsgDlgType DlgType,
                                               TMsgDlgButtons Buttons, int HelpCtx, int X, int Y)
{
    TRequest request = Request(Msg, DlgType, Buttons, HelpCtx);
    request.CheckBox = false;
    return Execute(At(request, X, Y, false));
}

// --- building and showing ------------------------------------------------------------------------

QString TbsSkinMessage::CaptionOf(const TRequest& r) const
{
    if (!r.Caption.isNull())
        return r.Caption;
    if (r.DlgType == mtCustom)
        return DefaultDialogCaption(mtCustom);
    return ResourceString(CaptionKey(r.DlgType), DefaultDialogCaption(r.DlgType));
}

// The type's system icon at the left, level with the middle of the text (not above 10); a custom
// dialog shows its list picture instead, when the index names one.
void TbsSkinMessage::AddPicture(TbsMessageForm& form, const TRequest& r) const
{
    const int top = form.Message->y() + form.Message->height() / 2 - 16;
    QPixmap picture;
    QSize size(32, 32);
    if (r.CustomPicture) {
        if (!r.Images || !r.Images->ValidIndex(r.ImageIndex))
            return;
        picture = r.Images->Picture(r.ImageIndex);
        size = QSize(r.Images->Width(), r.Images->Height());
    } else if (r.DlgType != mtCustom) {
        picture = SystemIcon(r.DlgType);
    } else {
        return;
    }
    form.Image = new QLabel(form.ClientWidget());
    form.Image->setObjectName(QStringLiteral("Image"));
    form.Image->setAttribute(Qt::WA_TranslucentBackground);
    form.Image->setPixmap(picture);
    form.Image->setGeometry(5, r.CustomPicture ? top : std::max(10, top), size.width(), size.height());
}

// The "do not show again" box above the buttons; the client grows to hold it and its caption.
void TbsSkinMessage::AddCheckBox(TbsMessageForm& form, QSize& client) const
{
    client.rheight() += 40;
    auto* box = new QCheckBox(form.ClientWidget());
    form.DisplayCheckBox = box;
    box->setObjectName(QStringLiteral("checkbox"));
    box->setText(ResourceString(QStringLiteral("MSG_CAP_SHOWFLAG"),
                                QStringLiteral("Do not display this message again")));
    box->setChecked(!ShowAgainFlagValue);
    QFont font = DefaultFont;
    if (UseSkinFont && CtrlSkinData && !CtrlSkinData->Empty()) {
        const int index = CtrlSkinData->GetControlIndex(QStringLiteral("checkbox"));
        if (auto* skin = index < 0 ? nullptr
                                   : dynamic_cast<const TbsDataSkinCheckRadioControl*>(
                                         CtrlSkinData->CtrlList[size_t(index)].get()))
            font = SkinRecordFont(skin->FontName, skin->FontHeight, {});
    }
    box->setFont(font);
    const int textWidth = QFontMetrics(font).horizontalAdvance(box->text());
    client.setWidth(std::max(client.width(), textWidth + 60));
    box->setGeometry(5, client.height() - ButtonHeight() - 50, textWidth + 55, 30);
}

// One skinned button per requested kind, in kind order, centred in a row at the bottom.
void TbsSkinMessage::AddButtons(TbsMessageForm& form, const TRequest& r, QSize client) const
{
    const int height = ButtonHeight();
    const TMsgDlgBtn defaultButton = r.HasDefaultButton ? r.DefaultButton : DefaultButtonOf(r.Buttons);
    const TMsgDlgBtn cancelButton = CancelButtonOf(r.Buttons);
    int x = (client.width() - ButtonRowWidth(r.Buttons)) / 2;
    const int y = client.height() - height - 10;
    TbsSkinButton* active = nullptr;
    for (TMsgDlgBtn kind : r.Buttons.Members()) {
        auto* button = new TbsSkinButton(form.ClientWidget());
        button->setObjectName(QString::fromLatin1(ButtonTexts[kind].Name));
        button->SetCaption(
            ResourceString(QString::fromLatin1(ButtonTexts[kind].Key), DefaultButtonCaption(kind)));
        button->SetModalResult(ModalResultOf(kind));
        button->SetDefault(kind == defaultButton);
        button->SetCancel(kind == cancelButton);
        button->SetDefaultHeight(height);
        button->setGeometry(x, y, ButtonWidth, height);
        button->SetDefaultFont(DefaultButtonFont);
        button->SetUseSkinFont(UseSkinFont);
        button->SetSkinDataName(ButtonSkinDataName);
        button->SetSkinData(CtrlSkinData);
        // The dialog is a window of its own, not a QDialog: a button's modal result ends it here.
        const TModalResult result = ModalResultOf(kind);
        button->OnClick = [&form, kind, result] {
            if (kind == mbHelp)
                form.HelpButtonClick();
            form.Done(result);
        };
        if (!active || kind == defaultButton)
            active = button;
        x += ButtonWidth + ButtonGap;
    }
    // The default button has the focus, so that Enter presses it; without one among the buttons
    // the first one has.
    if (active)
        active->setFocus();
}

TModalResult TbsSkinMessage::Execute(const TRequest& r)
{
    TbsMessageForm form(nullptr, r.X, r.Y);
    form.BSF->SetAlphaBlendValue(AlphaBlendValue);
    form.BSF->SetAlphaBlend(AlphaBlend);
    form.BSF->SetSkinData(SkinData);
    const QString caption = CaptionOf(r);
    form.SetCaption(caption);

    form.Message = new TbsSkinStdLabel(form.ClientWidget());
    form.Message->setObjectName(QStringLiteral("Message"));
    form.Message->setFont(DefaultFont);
    form.Message->SetDefaultFont(DefaultFont);
    form.Message->SetUseSkinFont(UseSkinFont);
    form.Message->SetSkinDataName(MessageLabelSkinDataName);
    form.Message->SetSkinData(CtrlSkinData);
    form.Message->move(50, 15);
    form.Message->SetCaption(r.Msg);
    AddPicture(form, r);

    const int labelRight = form.Message->x() + form.Message->width();
    QSize client(40 + std::max(ButtonRowWidth(r.Buttons), labelRight),
                 ButtonHeight() + form.Message->height() + 50);
    if (ShowAgainFlag && r.CheckBox)
        AddCheckBox(form, client);

    // The window, frame included, stays within the frame's width limits.
    const int frameWidth = form.FrameMargins().left() + form.FrameMargins().right();
    const int windowWidth = client.width() + frameWidth;
    if (windowWidth > form.BSF->GetMaxWidth())
        client.setWidth(form.BSF->GetMaxWidth() - frameWidth);
    else if (windowWidth < form.BSF->GetMinWidth())
        client.setWidth(form.BSF->GetMinWidth() - frameWidth);
    form.SetClientSize(client.width(), client.height());
    AddButtons(form, r, client);

    form.HelpContext = r.HelpCtx;
    form.HelpFile = r.HelpFile;
    if (r.X >= -10000 && r.AsksShowPos && OnSetShowPos) {
        int X = form.ShowPos().x(), Y = form.ShowPos().y();
        OnSetShowPos(X, Y, form.width(), form.height());
        form.SetShowPos(X, Y);
    }

    // The check box's answer is kept also when showing the dialog fails.
    const auto writeBack = qScopeGuard([&] {
        if (form.DisplayCheckBox)
            ShowAgainFlagValue = !form.DisplayCheckBox->isChecked();
    });
    return Dialogs().RunModal(form, {TDialogKind::SkinMessage, caption, r.Msg, r.DlgType, r.Buttons});
}
