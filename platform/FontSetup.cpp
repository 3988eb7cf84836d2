// The font configuration read ahead on a thread, and the font substitution.
#include "FontSetup.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QStringList>
#include <atomic>
#include <clocale>
#include <fontconfig/fontconfig.h>
#include <latch>
#include <locale.h>
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

// The configuration is read in a locale of the reader's own, made from the environment as the
// application object makes the process's: that object sets the process's locale while the reader
// may be parsing numbers.
void ReadConfigurationInOwnLocale()
{
    const locale_t own = newlocale(LC_ALL_MASK, "", locale_t(nullptr));
    if (own)
        uselocale(own);
    ReadConfiguration();
    if (own) {
        uselocale(LC_GLOBAL_LOCALE);
        freelocale(own);
    }
}

std::thread FontReader;
// Counted down once the configuration is read: from then on Qt may use it, on any thread.
std::latch ConfigurationRead(1);
// Set once the application object exists and will wait for the reader before it ends.
std::atomic<bool> MayListFonts = false;
bool FontConfigReady = false;

void JoinFontReader()
{
    if (FontReader.joinable())
        FontReader.join();
}

void ReadAhead()
{
    ReadConfigurationInOwnLocale();
    ConfigurationRead.count_down();
    // Qt's list of installed fonts comes next, built from that configuration; the first text would
    // otherwise build it while the window waits. Qt's font database guards itself, so a text
    // measured meanwhile simply waits for the list. Without an application object there is no
    // database yet, and the first text builds the list after all.
    if (MayListFonts.load(std::memory_order_acquire))
        QFontDatabase::families();
}

// A reader still running when the program ends early is waited for, not abandoned.
struct TJoinAtExit {
    ~TJoinAtExit() { JoinFontReader(); }
} JoinAtExit;

} // namespace

void BeginFontSetup()
{
    if (FontConfigReady || FontReader.joinable())
        return;
    // The substitutes go in before the reader can look up any font.
    InstallFontSubstitutes();
    if (QGuiApplication::instance())
        FontSetupHasApplication();
    FontReader = std::thread(ReadAhead);
}

void FontSetupHasApplication()
{
    if (MayListFonts.load(std::memory_order_relaxed))
        return;
    // The font list belongs to the application object: it must not end before the reader does.
    qAddPostRoutine(JoinFontReader);
    MayListFonts.store(true, std::memory_order_release);
}

void AwaitFontSetup()
{
    if (FontConfigReady)
        return;
    if (FontReader.joinable())
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
