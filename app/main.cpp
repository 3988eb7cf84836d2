// The program: start-up, the message loop, and the end.
#include "FontSetup.h"
#include "StartUp.h"
#include "TApplication.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    BeginFontSetup();
    QApplication app(argc, argv);
    FontSetupHasApplication();
    TProgramOptions options;
    QString text;
    const TOptionsParse parse = ParseProgramOptions(QApplication::arguments(), options, text);
    if (parse != opRun) {
        std::fprintf(parse == opHelp ? stdout : stderr, "%s\n", text.trimmed().toLocal8Bit().constData());
        return parse == opHelp ? 0 : 2;
    }
    // The program ends when the login or the main window closes, not when the last window hides.
    QApplication::setQuitOnLastWindowClosed(false);
    options.PaintLoginFirst = true;
    StartUp(options);
    const int result = Application->Run();
    ShutDown();
    return result;
}
