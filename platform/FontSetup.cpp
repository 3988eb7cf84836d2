// The font configuration read ahead on a thread, and the font substitution.
#include "FontSetup.h"

#include <QFont>
#include <QStringList>
#include <fontconfig/fontconfig.h>
#include <thread>

namespace {

// A font the configuration says not to hint (the CJK families' own settings say so, for one) is
// drawn without hinting. Qt reads only the hint style of a match and not its hinting switch, so
// without this rule it hints such fonts all the same, and the automatic hinter it then runs costs
// a good part of the first text's time.
constexpr char NoHintingRule[] = R"(<?xml version="1.0"?>
<fontconfig>
  <match target="font">
    <test name="hinting"><bool>false</bool></test>
    <edit name="hintstyle" mode="assign"><const>hintnone</const></edit>
  </match>
</fontconfig>
)";

void ReadConfiguration()
{
    FcInit();
    FcConfigParseAndLoadFromMemory(FcConfigGetCurrent(), reinterpret_cast<const FcChar8*>(NoHintingRule),
                                   FcFalse);
}

std::thread FontConfigReader;
bool FontConfigReady = false;

// A reader still running when the program ends early is waited for, not abandoned.
struct TJoinAtExit {
    ~TJoinAtExit()
    {
        if (FontConfigReader.joinable())
            FontConfigReader.join();
    }
} JoinAtExit;

} // namespace

void BeginFontSetup()
{
    if (!FontConfigReady && !FontConfigReader.joinable())
        FontConfigReader = std::thread(ReadConfiguration);
}

void AwaitFontSetup()
{
    if (FontConfigReady)
        return;
    if (FontConfigReader.joinable())
        FontConfigReader.join();
    else
        ReadConfiguration();
    FontConfigReady = true;
}

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
