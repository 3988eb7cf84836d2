// The application object and the guarded call of event handlers.
#include "TApplication.h"

#include "Dialogs.h"
#include "Exception.h"

#include <QCoreApplication>
#include <QGuiApplication>

TApplication* Application = nullptr;

TApplication::TApplication(QObject* parent) : QObject(parent)
{
    Application = this;
}

TApplication::~TApplication()
{
    if (Application == this)
        Application = nullptr;
}

QString TApplication::Title() const
{
    return QGuiApplication::applicationDisplayName();
}

void TApplication::SetTitle(const QString& title)
{
    QGuiApplication::setApplicationDisplayName(title);
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
    QCoreApplication::quit();
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
