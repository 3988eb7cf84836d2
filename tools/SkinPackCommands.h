// The commands of skinpack, the skin packer: a library of their own so that tests can run them.
#pragma once

#include <QStringList>
#include <QTextStream>

// Runs skinpack with the command-line arguments Args (without the program name): "pack <skin.ini>
// <out.skn>", "unpack <in.skn> <folder>" or "info <file>". Reports go to Out; a failure of any kind
// ends the command with one line "skinpack: <reason>" on Err. Returns the exit status: 0 done,
// 1 failed, 2 usage shown.
int RunSkinPack(const QStringList& Args, QTextStream& Out, QTextStream& Err);
