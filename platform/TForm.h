// The window base of the program: a top-level widget whose client widget holds every control.
#pragma once

#include <QMargins>
#include <QWidget>
#include <functional>

enum TCloseAction { caNone, caHide, caFree, caMinimize };

// Controls are children of ClientWidget() at client coordinates, so that a frame drawn by the
// program can take the frame margins (SetFrameMargins) without moving a control. A window is
// shown, hidden and closed, never destroyed while the program runs; it opens centred on the screen.
class TForm : public QWidget {
    Q_OBJECT
public:
    explicit TForm(QWidget* parent = nullptr);
    ~TForm() override;

    // The client area: the parent of every control of the window.
    QWidget* ClientWidget() const { return FClient; }
    int ClientWidth() const { return FClient->width(); }
    int ClientHeight() const { return FClient->height(); }
    void SetClientSize(int width, int height);

    QString Caption() const { return windowTitle(); }
    void SetCaption(const QString& caption) { setWindowTitle(caption); }

    // The margins around the client widget that a frame drawn by the program occupies; none with
    // the platform's own frame. Changing them keeps the client size.
    QMargins FrameMargins() const { return FFrameMargins; }
    void SetFrameMargins(const QMargins& margins);

    // Makes the window visible and brings it to the front, without waiting for it.
    void Show();
    // Makes the window invisible; it keeps all its state.
    void Hide() { hide(); }
    // Runs OnClose (which may change the action), then hides the window; closing the application's
    // main window ends the program instead. The platform frame's close button comes here too.
    void Close();
    bool Visible() const { return isVisible(); }

    std::function<void(TCloseAction& action)> OnClose;
    std::function<void()> OnShow;
    std::function<void()> OnHide;

    // A window is centred on the screen before it first appears, so that it is mapped where it
    // belongs: the window manager, and the shadow pieces that follow the window, never see it at
    // the corner of the screen first.
    void setVisible(bool visible) override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void CentreOnScreen();

    QWidget* FClient;
    QMargins FFrameMargins;
    bool FPositioned = false;
};
