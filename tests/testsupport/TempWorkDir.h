// A fresh temporary folder that is the working directory while the fixture lives.
#pragma once

#include <QString>
#include <QTemporaryDir>

// Makes a temporary folder, changes into it, and on destruction changes back to the folder it
// started in and removes the temporary one. Use it as a member of a test fixture wherever a
// relative path (such as a connection's "Data Source=db.mdb") must land in a clean place.
class TempWorkDir
{
  public:
    TempWorkDir();
    ~TempWorkDir();
    TempWorkDir(const TempWorkDir&) = delete;
    TempWorkDir& operator=(const TempWorkDir&) = delete;

    QString path() const { return FDir.path(); }
    QString filePath(const QString& name) const { return FDir.filePath(name); }

  private:
    QString FPrevious;
    QTemporaryDir FDir;
};
