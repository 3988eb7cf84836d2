// Keeps the creation order of the application's windows, which Qt itself does not keep.
#include "ApplicationWindows.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

namespace
{

// Watches every object's creation event from the start of the application on and remembers the
// widgets that are windows when they are created.
class TWindowOrderRecorder : public QObject
{
  public:
    using QObject::QObject;
    QList<QPointer<QWidget>> Windows;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Create && watched->isWidgetType()) {
            auto* widget = static_cast<QWidget*>(watched);
            if (widget->isWindow())
                Windows.append(widget);
        }
        return false;
    }
};

TWindowOrderRecorder* Recorder = nullptr;

void InstallRecorder()
{
    Recorder = new TWindowOrderRecorder(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(Recorder);
    QObject::connect(Recorder, &QObject::destroyed, [] { Recorder = nullptr; });
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(InstallRecorder)

QList<QWidget*> ApplicationWindows()
{
    QList<QWidget*> windows;
    if (Recorder) {
        Recorder->Windows.removeIf([](const QPointer<QWidget>& w) { return w.isNull(); });
        for (const QPointer<QWidget>& w : std::as_const(Recorder->Windows))
            if (w->isWindow() && w->windowType() != Qt::Desktop)
                windows.append(w.data());
    }
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->windowType() != Qt::Desktop && !windows.contains(w))
            windows.append(w);
    return windows;
}
