// Skinned message dialog: layout of label, icon, check box and buttons; modal run through the seam.
#include "bsMessages.h"

#include "TImageList.h"
#include "bsDefaultLook.h"
#include "bsSkinButton.h"
#include "bsSkinStdLabel.h"

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QScopeGuard>
#include <QScreen>
#include <QStyle>

namespace {

constexpr int ButtonWidth = 70;
constexpr int ButtonHeight = 25;
constexpr int ButtonGap = 10;

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

} // namespace

TbsMessageForm::TbsMessageForm(QWidget* AOwner, int X, int Y) : QDialog(AOwner)
{
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    if (X >= -10000)
        move(X, Y);
}

void TbsMessageForm::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && !(event->modifiers() & Qt::ShiftModifier)) {
        if (CancelButton)
            CancelButton->ButtonClick();
        else
            reject();
        return;
    }
    QDialog::keyPressEvent(event);
}

TbsSkinMessage::TbsSkinMessage(QObject* owner)
    : QObject(owner), DefaultFont(DefaultControlFont()), DefaultButtonFont(DefaultControlFont())
{
}

TbsSkinMessage::TRequest TbsSkinMessage::Request(const QString& Msg, TMsgDlgType DlgType,
                                                 TMsgDlgButtons Buttons)
{
    TRequest request;
    request.Msg = Msg;
    request.DlgType = DlgType;
    request.Buttons = Buttons;
    return request;
}

TModalResult TbsSkinMessage::MessageDlg(const QString& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int)
{
    return Execute(Request(Msg, DlgType, Buttons));
}

TModalResult TbsSkinMessage::MessageDlg(const QString& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int,
                                        TMsgDlgBtn DefaultButton)
{
    TRequest request = Request(Msg, DlgType, Buttons);
    request.HasDefaultButton = true;
    request.DefaultButton = DefaultButton;
    return Execute(request);
}

TModalResult TbsSkinMessage::MessageDlgPos(const QString& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons,
                                           int, int X, int Y)
{
    TRequest request = Request(Msg, DlgType, Buttons);
    request.X = X;
    request.Y = Y;
    request.Positioned = true;
    return Execute(request);
}

TModalResult TbsSkinMessage::MessageDlg2(const QString& Msg, const QString& ACaption, TMsgDlgType DlgType,
                                         TMsgDlgButtons Buttons, int)
{
    TRequest request = Request(Msg, DlgType, Buttons);
    request.Caption = ACaption;
    return Execute(request);
}

TModalResult TbsSkinMessage::CustomMessageDlg(const QString& Msg, const QString& ACaption,
                                              const TImageList* AImages, int AImageIndex,
                                              TMsgDlgButtons Buttons, int)
{
    TRequest request = Request(Msg, mtCustom, Buttons);
    request.Caption = ACaption;
    request.Images = AImages;
    request.ImageIndex = AImageIndex;
    return Execute(request);
}

TModalResult TbsSkinMessage::WideMessageDlg(const QString& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons,
                                            int)
{
    TRequest request = Request(Msg, DlgType, Buttons);
    request.CheckBox = false;
    return Execute(request);
}

TModalResult TbsSkinMessage::Execute(const TRequest& r)
{
    TbsMessageForm form(QApplication::activeWindow(), r.X, r.Y);
    const int buttonCount = r.Buttons.Count();
    const int rowWidth = buttonCount == 0 ? 0 : buttonCount * (ButtonWidth + ButtonGap) - ButtonGap;
    const QString caption = !r.Caption.isEmpty() ? r.Caption : DefaultDialogCaption(r.DlgType);
    form.setWindowTitle(caption);

    form.Message = new TbsSkinStdLabel(&form);
    form.Message->setObjectName(QStringLiteral("Message"));
    form.Message->setFont(DefaultFont);
    form.Message->SetDefaultFont(DefaultFont);
    form.Message->SetUseSkinFont(UseSkinFont);
    form.Message->SetSkinDataName(MessageLabelSkinDataName);
    form.Message->SetSkinData(CtrlSkinData);
    form.Message->move(50, 15);
    form.Message->SetCaption(r.Msg);
    const int labelRight = form.Message->x() + form.Message->width();
    const int imageTop = form.Message->y() + form.Message->height() / 2 - 16;

    QPixmap picture;
    if (r.Images)
        picture = r.Images->ValidIndex(r.ImageIndex) ? r.Images->Picture(r.ImageIndex) : QPixmap();
    else
        picture = SystemIcon(r.DlgType);
    if (!picture.isNull()) {
        form.Image = new QLabel(&form);
        form.Image->setObjectName(QStringLiteral("Image"));
        form.Image->setPixmap(picture);
        form.Image->setGeometry(5, r.Images ? imageTop : std::max(10, imageTop), picture.width(),
                                picture.height());
    }

    int clientHeight = ButtonHeight + form.Message->height() + 50;
    int clientWidth = 40 + std::max(rowWidth, labelRight);
    if (ShowAgainFlag && r.CheckBox) {
        clientHeight += 40;
        form.DisplayCheckBox = new QCheckBox(QStringLiteral("Do not display this message again"), &form);
        form.DisplayCheckBox->setObjectName(QStringLiteral("checkbox"));
        form.DisplayCheckBox->setFont(DefaultFont);
        form.DisplayCheckBox->setChecked(!ShowAgainFlagValue);
        const int width = form.DisplayCheckBox->sizeHint().width();
        clientWidth = std::max(clientWidth, width + 60);
        form.DisplayCheckBox->setGeometry(5, clientHeight - ButtonHeight - 50, width + 55, 30);
    }
    form.setFixedSize(clientWidth, clientHeight);

    const TMsgDlgBtn defaultButton = r.HasDefaultButton ? r.DefaultButton : DefaultButtonOf(r.Buttons);
    const TMsgDlgBtn cancelButton = CancelButtonOf(r.Buttons);
    int x = (clientWidth - rowWidth) / 2;
    const int y = clientHeight - ButtonHeight - 10;
    for (TMsgDlgBtn kind : r.Buttons.Members()) {
        auto* button = new TbsSkinButton(&form);
        button->setObjectName(DefaultButtonCaption(kind).remove(u'&'));
        button->SetCaption(DefaultButtonCaption(kind));
        button->SetModalResult(ModalResultOf(kind));
        button->SetDefault(kind == defaultButton);
        button->SetCancel(kind == cancelButton);
        button->SetDefaultFont(DefaultButtonFont);
        button->SetUseSkinFont(UseSkinFont);
        button->SetSkinDataName(ButtonSkinDataName);
        button->SetSkinData(CtrlSkinData);
        button->setGeometry(x, y, ButtonWidth, ButtonHeight);
        if (kind == cancelButton)
            form.CancelButton = button;
        if (kind == defaultButton)
            button->setFocus();
        x += ButtonWidth + ButtonGap;
    }

    if (r.X < -10000) {
        if (QScreen* screen = QGuiApplication::primaryScreen()) {
            const QRect area = screen->geometry();
            form.move(area.x() + (area.width() - clientWidth) / 2,
                      area.y() + (area.height() - clientHeight) / 2);
        }
    } else if (r.Positioned && OnSetShowPos) {
        int X = form.x(), Y = form.y();
        OnSetShowPos(X, Y, form.width(), form.height());
        form.move(X, Y);
    }

    // The check box's answer is kept also when showing the dialog fails.
    const auto writeBack = qScopeGuard([&] {
        if (form.DisplayCheckBox)
            ShowAgainFlagValue = !form.DisplayCheckBox->isChecked();
    });
    return Dialogs().RunModal(form, {TDialogKind::SkinMessage, caption, r.Msg, r.DlgType, r.Buttons});
}
