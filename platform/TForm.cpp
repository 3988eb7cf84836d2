// The window base: client widget inside the frame margins, centring, show, hide and close.
#include "TForm.h"

#include "TApplication.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>

TForm::TForm(QWidget* parent) : QWidget(parent, Qt::Window), FClient(new QWidget(this))
{
    FClient->setObjectName(QStringLiteral("ClientWidget"));
    if (Application)
        Application->FormCreated(this);
}

TForm::~TForm()
{
    if (Application)
        Application->FormDestroyed(this);
}

void TForm::SetClientSize(int width, int height)
{
    resize(width + FFrameMargins.left() + FFrameMargins.right(),
           height + FFrameMargins.top() + FFrameMargins.bottom());
    FClient->setGeometry(rect().marginsRemoved(FFrameMargins));
}

void TForm::SetFrameMargins(const QMargins& margins)
{
    QSize client = FClient->size();
    FFrameMargins = margins;
    SetClientSize(client.width(), client.height());
}

void TForm::Show()
{
    // A window that appears comes up in front; one already visible is brought there.
    if (isVisible())
        raise();
    show();
    activateWindow();
}

void TForm::Close()
{
    TCloseAction action = caHide;
    FireEvent(OnClose, action);
    if (action == caNone)
        return;
    if (Application && Application->MainForm() == this)
        Application->Terminate();
    else if (action == caMinimize)
        showMinimized();
    else
        Hide();
}

void TForm::closeEvent(QCloseEvent* event)
{
    // The window decides itself what closing means (hide, or end the program).
    event->ignore();
    Close();
}

void TForm::setVisible(bool visible)
{
    if (visible && !FPositioned && !isVisible()) {
        CentreOnScreen();
        FPositioned = true;
    }
    QWidget::setVisible(visible);
}

void TForm::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        FireEvent(OnShow);
}

void TForm::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    if (!event->spontaneous())
        FireEvent(OnHide);
}

void TForm::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    FClient->setGeometry(rect().marginsRemoved(FFrameMargins));
}

void TForm::CentreOnScreen()
{
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect area = screen->geometry();
    move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
}
