// Changing into a temporary folder and back.
#include "TempWorkDir.h"

#include <QDir>
#include <stdexcept>

TempWorkDir::TempWorkDir() : FPrevious(QDir::currentPath())
{
    if (!FDir.isValid() || !QDir::setCurrent(FDir.path()))
        throw std::runtime_error("cannot make or enter a temporary working directory");
}

TempWorkDir::~TempWorkDir()
{
    QDir::setCurrent(FPrevious);
}
