// The program: start-up, the message loop, and the end.
#include "StartUp.h"
#include "TApplication.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // The program ends when the login or the main window closes, not when the last window hides.
    QApplication::setQuitOnLastWindowClosed(false);
    StartUp();
    const int result = Application->Run();
    ShutDown();
    return result;
}
