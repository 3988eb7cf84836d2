// Fuzz target: description bytes decoded and parsed as ini text, then loaded into a repository as
// the description of a package without pictures.
#include "bsSkinData.h"

#include <QApplication>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    QString text;
    try {
        text = TbsIniText::DecodeText(bytes);
    } catch (const ESkinDescriptionError&) {
        return 0;
    }
    // What the parser keeps writes out as a text that parses back to itself.
    const TbsIniText ini(text);
    const QString written = ini.Text();
    if (TbsIniText(written).Text() != written)
        std::abort();
    // The text the repository writes reads back as the same text (a lone surrogate has no form
    // in any encoding a description may have).
    if (written.isValidUtf16() && TbsIniText::DecodeText(TbsIniText::EncodeText(written)) != written)
        std::abort();

    TbsSkinPackage package;
    package.Description = bytes;
    TbsSkinData sd;
    try {
        sd.LoadFromSkinPackage(WriteSkinPackage(package));
    } catch (const EConvertError&) {
        // A point or rectangle with an empty piece stops the load and leaves the repository cleared.
        if (!sd.Empty() || !sd.ObjectList.empty() || !sd.CtrlList.empty())
            std::abort();
        return 0;
    }
    if (sd.Empty() || sd.ChangeSkinDataProcess())
        std::abort();
    for (const auto& record : sd.CtrlList)
        if (sd.GetControlIndex(record->IDName) < 0)
            std::abort();
    for (const auto& record : sd.ObjectList)
        if (sd.GetIndex(record->IDName) < 0)
            std::abort();
    return 0;
}
