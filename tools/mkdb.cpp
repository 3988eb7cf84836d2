// The database tool: creates a new personnel database file, empty, as a demo company, or large.
#include "DatabaseTool.h"

#include <QCoreApplication>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv); // the database driver is a plugin, loaded through it
    QTextStream out(stdout);
    QTextStream err(stderr);
    return DatabaseTool::Run(app.arguments().mid(1), out, err);
}
