// The application object and the guarded call of event handlers.
#include "TApplication.h"

#include "Dialogs.h"
#include "Exception.h"
#include "TForm.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>

TApplication* Application = nullptr;

TApplication::TApplication(QObject* parent) : QObject(parent)
{
    Application = this;
    // Qt answers a quit request by closing every window, which the program's windows turn into
    // hiding; the request must end the program instead, the way closing the main window does.
    if (QCoreApplication* core = QCoreApplication::instance())
        core->installEventFilter(this);
    if (auto* gui = qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        connect(gui, &QGuiApplication::commitDataRequest, this, [this] { QuitRequested(); });
}

TApplication::~TApplication()
{
    if (Application == this)
        Application = nullptr;
}

void TApplication::SetTitle(const QString& title)
{
    // Kept here rather than as Qt's application display name, which the platform would append to
    // every window title.
    FTitle = title;
}

void TApplication::FormCreated(TForm* form)
{
    FForms.append(form);
    if (!FMainForm)
        FMainForm = form;
}

void TApplication::FormDestroyed(TForm* form)
{
    FForms.removeAll(form);
    if (FMainForm == form)
        FMainForm = nullptr;
}

void TApplication::Terminate()
{
    FTerminated = true;
    // exit rather than quit: quit would ask every window to close first (see eventFilter).
    QCoreApplication::exit(0);
}

void TApplication::QuitRequested()
{
    if (FTerminated)
        return;
    if (FMainForm)
        FMainForm->Close();
    else
        Terminate();
}

bool TApplication::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == QCoreApplication::instance() && event->type() == QEvent::Quit) {
        CallHandler([this] { QuitRequested(); });
        return true;
    }
    return QObject::eventFilter(watched, event);
}

int TApplication::Run()
{
    if (FTerminated)
        return 0;
    return QCoreApplication::exec();
}

void TApplication::HandleException(const std::exception& error)
{
    if (auto* own = dynamic_cast<const Exception*>(&error))
        ShowErrorBox(own->Message());
    else
        ShowErrorBox(QString::fromLocal8Bit(error.what()));
}

void CallHandler(const std::function<void()>& handler)
{
    try {
        handler();
    } catch (const std::exception& error) {
        TApplication::HandleException(error);
    }
}
