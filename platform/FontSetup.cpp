// The font configuration read ahead on a thread, and the font substitution.
#include "FontSetup.h"

#include "AheadWork.h"

#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QStringList>
#include <fontconfig/fontconfig.h>
#include <latch>
#include <locale.h>

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

// The configuration is read in a locale of the reader's own, since the application object sets the
// process's while the reader may be parsing numbers. It is the C locale, the one the files are
// written in; the user's would have to be loaded from its files, holding the lock that the
// application object's own setting of the locale then waits on.
void ReadConfigurationInOwnLocale()
{
    const locale_t own = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    if (own)
        uselocale(own);
    ReadConfiguration();
    if (own) {
        uselocale(LC_GLOBAL_LOCALE);
        freelocale(own);
    }
}

// Counted down once the configuration is read: from then on Qt may use it, on any thread.
std::latch ConfigurationRead(1);
bool Begun = false;
bool ApplicationTold = false;
bool FontConfigReady = false;

} // namespace

void BeginFontSetup()
{
    if (FontConfigReady || Begun)
        return;
    Begun = true;
    // The substitutes go in before any font can be looked up.
    InstallFontSubstitutes();
    RunAhead([] {
        ReadConfigurationInOwnLocale();
        ConfigurationRead.count_down();
    });
    if (QGuiApplication::instance())
        FontSetupHasApplication();
}

void FontSetupHasApplication()
{
    if (!Begun || ApplicationTold)
        return;
    ApplicationTold = true;
    // Qt's list of installed fonts comes next, built from that configuration; the first text would
    // otherwise build it while the window waits. Qt's font database guards itself, so a text
    // measured meanwhile simply waits for the list.
    RunAhead([] { QFontDatabase::families(); });
}

void AwaitFontSetup()
{
    if (FontConfigReady)
        return;
    if (Begun)
        ConfigurationRead.wait();
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
