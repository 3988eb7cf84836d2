// Which skin the program dresses its windows in: its own (light or dark), one from a file, or none.
#pragma once

#include <QString>
#include <QStringList>

class TbsCompressedStoredSkin;
class TbsSkinData;

struct TSkinChoice {
    enum TKind { skEmbedded, skFile, skNone };
    TKind Kind = skEmbedded;
    // The palette of the program's own skin; also the skin used when the file cannot be.
    bool Dark = false;
    // A .skn file, a skin folder or the ini file of one.
    QString FileName;

    bool operator==(const TSkinChoice&) const = default;
};

// The options the program is started with, after Qt took its own.
struct TProgramOptions {
    TSkinChoice Skin;
    // Quit once the login window has painted for the first time, printing how long that took.
    bool QuitAfterFirstPaint = false;
    // Paint the login window before the other windows are created: they are created right after
    // its first paint, or before the first input, whichever comes first. The program starts so;
    // it falls back to creating every window first when the login window had something to say.
    bool PaintLoginFirst = false;

    bool operator==(const TProgramOptions&) const = default;
};

enum TOptionsParse { opRun, opHelp, opWrong };
// Reads the options from Args (the program's name first) into AOptions. opWrong puts a one-line
// reason into AText, opHelp the help text; AOptions is changed only for opRun.
TOptionsParse ParseProgramOptions(const QStringList& Args, TProgramOptions& AOptions, QString& AText);

// The skin the login window loads while it is created; StartUp sets it.
TSkinChoice& ProgramSkinChoice();

// Loads the chosen skin into ASkinData (the program's own through AStoredSkin). A file that cannot
// be read or holds no usable skin is reported as one line on stderr, which is also returned (empty
// when there was nothing to report), and the program's own skin of the chosen palette is loaded
// instead. skNone leaves the repository empty: the default look.
QString LoadSkinChoice(TbsSkinData& ASkinData, TbsCompressedStoredSkin& AStoredSkin,
                       const TSkinChoice& AChoice);

// Loads the skin file AFileName (as TSkinChoice::FileName) into ASkinData; raises an Exception
// saying why when the repository does not hold a skin afterwards.
void LoadSkinFile(TbsSkinData& ASkinData, const QString& AFileName);
