// Font substitution for the Windows font names used by the windows and the skin descriptions.
#include "FontSubstitution.h"

#include <QFont>
#include <QStringList>

void InstallFontSubstitutes()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    const QStringList sans = {QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Noto Sans CJK SC"),
                              QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")};
    for (const char* name :
         {"Tahoma", "MS Sans Serif", "Microsoft Sans Serif", "Arial", "Verdana", "宋体", "SimSun"})
        QFont::insertSubstitutions(QString::fromUtf8(name), sans);
}
