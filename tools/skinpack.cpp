// skinpack: packs a skin folder into a .skn file, unpacks one back, and prints a package's layout.
#include "SkinPackCommands.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    return RunSkinPack(app.arguments().mid(1), out, err);
}
