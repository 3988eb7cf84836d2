// The application object: its title, its main window, the end of the message loop, and the one
// place where a failure that no handler caught is shown.
#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <exception>
#include <functional>

class TForm;

class TApplication : public QObject {
    Q_OBJECT
public:
    // Becomes the global Application while it lives.
    explicit TApplication(QObject* parent = nullptr);
    ~TApplication() override;

    // The caption of the platform's message and error boxes. Window titles are the windows' own
    // captions and never carry it.
    QString Title() const { return FTitle; }
    void SetTitle(const QString& title);

    // The first window created; closing it ends the program.
    TForm* MainForm() const { return FMainForm; }
    // Every window alive, in the order of creation.
    const QList<TForm*>& Forms() const { return FForms; }
    // Called by every window as it is created; the first one becomes the main window.
    void FormCreated(TForm* form);
    void FormDestroyed(TForm* form);

    // Ends the message loop after the current message; Terminated() tells that it was asked for.
    void Terminate();
    bool Terminated() const { return FTerminated; }
    // Runs the message loop until Terminate; returns at once when it was asked for already.
    int Run();
    // The desktop asks the program to quit (the session ends, or QCoreApplication::quit): the
    // program ends as when its main window is closed, so that the end posts what was typed.
    void QuitRequested();

    // The general error display: the platform's error box with the error's own text.
    static void HandleException(const std::exception& error);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString FTitle;
    TForm* FMainForm = nullptr;
    QList<TForm*> FForms;
    bool FTerminated = false;
};

extern TApplication* Application;

// Runs an event handler the way the message loop would: a failure the handler does not catch ends
// only this action and is shown by the general error display. Every call from a control or window
// into a handler goes through here, so that no exception ever crosses Qt's event dispatch.
void CallHandler(const std::function<void()>& handler);

// Fires an event (a std::function member) when it is assigned, through CallHandler.
template <class Event, class... Args> void FireEvent(const Event& event, Args&&... args)
{
    if (event)
        CallHandler([&] { event(std::forward<Args>(args)...); });
}
