// The skin repository: loading, clearing, lookups, properties and the change messages.
#include "bsSkinData.h"

#include "bsSkinFolder.h"

#include "bsStreamIO.h"
#include "platform/ApplicationWindows.h"
#include "platform/SkinMessage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QWidget>
#include <QtEndian>
#include <algorithm>

namespace {

const QString VersionSection = QStringLiteral("VERSION");
const QString PicturesSection = QStringLiteral("PICTURES");
const QString SkinObjectsSection = QStringLiteral("SKINOBJECTS");
const QString SkinControlsSection = QStringLiteral("SKINCONTROLS");
const QString ActivePicturesList = QStringLiteral("activepictures");

// A picture entry of a package: no picture for no bytes.
TbsSkinPicture PackagePicture(const QByteArray& ABmp)
{
    return ABmp.isEmpty() ? TbsSkinPicture() : TbsSkinPicture::FromBmp(ABmp);
}

// A picture of a skin folder: no picture for an empty name.
TbsSkinPicture FolderPicture(const QString& ADir, const QString& AName)
{
    return AName.isEmpty() ? TbsSkinPicture() : TbsSkinPicture::FromFile(ADir + AName);
}

// The directory part of an ini file's path with its trailing separator, put in front of picture
// names unchanged.
QString DirectoryOf(const QString& AFileName)
{
    return AFileName.left(AFileName.lastIndexOf(u'/') + 1);
}

// An entry "name:type", cut at its first colon; no colon, or no entry, gives an empty name and type.
std::pair<QString, QString> SplitEntry(const QStringView* AEntry)
{
    const qsizetype colon = AEntry ? AEntry->indexOf(u':') : -1;
    if (colon < 0)
        return {};
    return {AEntry->first(colon).toString(), AEntry->sliced(colon + 1).toString()};
}

// The bytes of a skin folder's ini file, or none when it cannot be opened: a missing file reads
// as a description without the required sections, so the repository keeps the skin it has.
QByteArray ReadFolderDescription(const QString& AFileName)
{
    QFile file(AFileName);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

template <class Record>
int IndexByName(const std::vector<std::unique_ptr<Record>>& AList, const QString& AIDName)
{
    for (size_t i = 0; i < AList.size(); ++i)
        if (AList[i]->IDName == AIDName)
            return int(i);
    return -1;
}

// Reads the entries "i" = "name:type" of a list section: each entry whose type creates a record
// is appended to AList, reads its own section and is handed to AAfterRead; other entries are
// skipped.
template <class Record, class AfterRead>
void ReadList(const TbsIniText& ini, const QString& ASection, std::vector<std::unique_ptr<Record>>& AList,
              std::unique_ptr<Record> (*ACreate)(const QString&, const QString&), AfterRead AAfterRead)
{
    const qint32 count = ReadCount(ini, ASection, QStringLiteral("count"));
    const TbsIniText::Section* section = ini.FindSection(ASection);
    AList.reserve(AList.size() + size_t(std::max(count, 0)));
    for (qint32 i = 0; i < count; ++i) {
        const auto [name, type] = SplitEntry(TbsIniText::FindValue(section, QString::number(i)));
        if (auto record = ACreate(type, name)) {
            record->LoadFromFile(ini);
            AAfterRead(*record);
            AList.push_back(std::move(record));
        }
    }
}

template <class Record, class TypeName>
void SaveList(TbsIniText& ini, const QString& ASection, const std::vector<std::unique_ptr<Record>>& AList,
              TypeName ATypeName)
{
    ini.EraseSection(ASection);
    WriteInteger(ini, ASection, QStringLiteral("count"), qint32(AList.size()));
    for (size_t i = 0; i < AList.size(); ++i) {
        ini.WriteString(ASection, QString::number(i), AList[i]->IDName + u':' + ATypeName(*AList[i]));
        AList[i]->SaveToFile(ini);
    }
}

// A window of the layered border of a skinned form: it never takes part in a broadcast.
bool IsLayerBorderWindow(const QWidget* AWindow)
{
    return AWindow->inherits("TbsFormLayerWindow");
}

} // namespace

TbsSkinData::TbsSkinData(QObject* AOwner) : QObject(AOwner) {}

TbsSkinData::~TbsSkinData()
{
    FEmpty = true;
    ClearObjects();
}

void TbsSkinData::BeginLoad()
{
    FEmpty = true;
    FChangeSkinDataProcess = true;
    SendSkinDataMessage(smBeforeSkinChange);
    ClearAll();
}

void TbsSkinData::FinishLoad()
{
    FEmpty = false;
    if (OnLoadData)
        OnLoadData(this);
    SendSkinDataMessage(smSkinChange);
    FChangeSkinDataProcess = false;
    SendSkinDataMessage(smAfterSkinChange);
}

void TbsSkinData::LoadCompressedStoredSkin(TbsCompressedStoredSkin* AStoredSkin)
{
    if (!AStoredSkin || AStoredSkin->Empty())
        return;
    BeginLoad();
    // A sound skin is read as it inflates; anything else is inflated whole and read again, the
    // way that tells what is wrong with it.
    if (const std::optional<TbsSkinPackage> package = InflateSkinPackage(AStoredSkin->CompressedData())) {
        LoadOrStayCleared([&] { ReadPackageParts(*package); });
        FinishLoad();
        return;
    }
    ReadPackage(AStoredSkin->DeCompressed());
}

void TbsSkinData::DecodePicturesAhead() const
{
    FPicture.DecodeAhead();
    FInActivePicture.DecodeAhead();
    FMask.DecodeAhead();
    for (const TbsSkinPicture& picture : FActivePictures)
        picture.DecodeAhead();
}

void TbsSkinData::LoadFromSkinPackage(const QByteArray& APackage)
{
    BeginLoad();
    ReadPackage(APackage);
}

void TbsSkinData::ReadPackage(const QByteArray& APackage)
{
    if (APackage.size() >= 4 && qFromLittleEndian<qint32>(APackage.constData()) > SkinPackageVersion)
        return;
    LoadOrStayCleared([&] { ReadPackageParts(ReadSkinPackage(APackage)); });
    FinishLoad();
}

void TbsSkinData::ReadPackageParts(const TbsSkinPackage& APackage)
{
    FPicture = PackagePicture(APackage.Picture);
    FInActivePicture = PackagePicture(APackage.InActivePicture);
    FMask = PackagePicture(APackage.Mask);
    FActivePictures.reserve(size_t(APackage.ActivePictures.size()));
    for (const QByteArray& bmp : APackage.ActivePictures)
        FActivePictures.push_back(TbsSkinPicture::FromBmp(bmp));
    const TbsIniText ini(TbsIniText::DecodeText(APackage.Description));
    ReadNames(ini);
    ReadRecords(ini);
}

void TbsSkinData::LoadFromCompressedFile(const QString& FileName)
{
    TbsCompressedStoredSkin storedSkin;
    storedSkin.LoadFromCompressFile(FileName);
    if (!storedSkin.Empty())
        LoadCompressedStoredSkin(&storedSkin);
}

void TbsSkinData::LoadFromFile(const QString& FileName)
{
    const TbsIniText ini(TbsIniText::DecodeText(ReadFolderDescription(FileName)));
    if (!MissingSkinSection(ini).isEmpty())
        return;
    // Picture names that lead out of the folder are refused before the old skin is given up, as
    // packing the folder refuses them.
    ReadSkinFolderNames(ini);
    BeginLoad();
    LoadOrStayCleared([&] {
        ReadNames(ini);
        const QString dir = DirectoryOf(FileName);
        FPicture = FolderPicture(dir, FPictureName);
        FInActivePicture = FolderPicture(dir, FInActivePictureName);
        FMask = FolderPicture(dir, FMaskName);
        for (const QString& name : std::as_const(FActivePicturesNames))
            FActivePictures.push_back(TbsSkinPicture::FromFile(dir + name));
        ReadRecords(ini);
    });
    FinishLoad();
}

// Runs the reading steps of a load; when one fails, the repository is cleared again, so that no
// picture or record of a skin read only in part is left, and the error goes on to the caller
// with Empty() and ChangeSkinDataProcess() still true.
void TbsSkinData::LoadOrStayCleared(const std::function<void()>& ARead)
{
    try {
        ARead();
    } catch (...) {
        ClearAll();
        throw;
    }
}

void TbsSkinData::ReadNames(const TbsIniText& ini)
{
    SkinName = ReadString(ini, VersionSection, QStringLiteral("skinname"));
    SkinAuthor = ReadString(ini, VersionSection, QStringLiteral("skinauthor"));
    AuthorEmail = ReadString(ini, VersionSection, QStringLiteral("authoremail"));
    AuthorURL = ReadString(ini, VersionSection, QStringLiteral("authorurl"));
    SkinComments = ReadString(ini, VersionSection, QStringLiteral("skincomments"));
    FPictureName = ReadString(ini, PicturesSection, QStringLiteral("picture"));
    FInActivePictureName = ReadString(ini, PicturesSection, QStringLiteral("inactivepicture"));
    FMaskName = ReadString(ini, PicturesSection, QStringLiteral("mask"));
    FActivePicturesNames = ReadStrings(ini, PicturesSection, ActivePicturesList);
}

void TbsSkinData::ReadRecords(const TbsIniText& ini)
{
    TbsFormInfo::LoadFromFile(ini);
    AdjustAfterReading(!FMaskName.isEmpty());
    PopupWindow.LoadFromFile(ini);
    LayerFrame.LoadFromFile(ini);
    LayerFrame.InitAlphaImages(*this);
    HintWindow.LoadFromFile(ini);
    FSkinColors.LoadFromFile(ini);
    ReadList(ini, SkinObjectsSection, ObjectList, CreateSkinObject,
             [this](TbsDataSkinObject& AObject) { AObject.InitAlphaImages(*this); });
    ReadList(ini, SkinControlsSection, CtrlList, CreateSkinControl, [](TbsDataSkinControl&) {});
}

void TbsSkinData::SaveDescription(TbsIniText& ini) const
{
    ini.EraseSection(VersionSection);
    WriteInteger(ini, VersionSection, QStringLiteral("ver"), 1);
    ini.WriteString(VersionSection, QStringLiteral("skinname"), SkinName);
    ini.WriteString(VersionSection, QStringLiteral("skinauthor"), SkinAuthor);
    ini.WriteString(VersionSection, QStringLiteral("authoremail"), AuthorEmail);
    ini.WriteString(VersionSection, QStringLiteral("authorurl"), AuthorURL);
    ini.WriteString(VersionSection, QStringLiteral("skincomments"), SkinComments);
    ini.EraseSection(PicturesSection);
    ini.WriteString(PicturesSection, QStringLiteral("picture"), FPictureName);
    ini.WriteString(PicturesSection, QStringLiteral("inactivepicture"), FInActivePictureName);
    ini.WriteString(PicturesSection, QStringLiteral("mask"), FMaskName);
    WriteStrings(ini, PicturesSection, ActivePicturesList, FActivePicturesNames);
    TbsFormInfo::SaveToFile(ini);
    PopupWindow.SaveToFile(ini);
    LayerFrame.SaveToFile(ini);
    HintWindow.SaveToFile(ini);
    FSkinColors.SaveToFile(ini);
    SaveList(ini, SkinObjectsSection, ObjectList, SkinObjectTypeName);
    SaveList(ini, SkinControlsSection, CtrlList, SkinControlTypeName);
}

TbsSkinPackage TbsSkinData::SkinPackage() const
{
    TbsSkinPackage package;
    package.Picture = FPicture.Bmp();
    package.InActivePicture = FInActivePicture.Bmp();
    package.Mask = FMask.Bmp();
    for (const TbsSkinPicture& picture : FActivePictures)
        package.ActivePictures.append(picture.Bmp());
    TbsIniText ini;
    SaveDescription(ini);
    package.Description = TbsIniText::EncodeText(ini.Text());
    return package;
}

void TbsSkinData::SaveToFile(const QString& FileName) const
{
    TbsIniText ini;
    if (QFile::exists(FileName))
        ini.SetText(TbsIniText::DecodeText(ReadWholeFile(FileName)));
    SaveDescription(ini);
    WriteWholeFile(FileName, TbsIniText::EncodeText(ini.Text()));
}

// The path of a picture of the skin folder dir, refusing names that would leave the folder.
static QString PicturePathInFolder(const QString& ADir, const QString& AName)
{
    const bool leaves = QDir::isAbsolutePath(AName) || AName.split(u'/').contains(QStringLiteral("..")) ||
                        AName.split(u'\\').contains(QStringLiteral(".."));
    if (leaves)
        throw EFCreateError(
            QStringLiteral("Cannot create file \"%1\": the name leaves the skin folder").arg(AName));
    return ADir + AName;
}

void TbsSkinData::StoreToDisk(const QString& AFileName) const
{
    SaveToFile(AFileName);
    const QString dir = DirectoryOf(AFileName);
    const std::pair<const TbsSkinPicture*, const QString*> pictures[] = {
        {&FPicture, &FPictureName}, {&FInActivePicture, &FInActivePictureName}, {&FMask, &FMaskName}};
    for (const auto& [picture, name] : pictures)
        if (!picture->Empty() && !name->isEmpty())
            picture->SaveToFile(PicturePathInFolder(dir, *name));
    // A picture without its own name is left out rather than written under another's.
    const size_t named = std::min<size_t>(FActivePictures.size(), size_t(FActivePicturesNames.size()));
    for (size_t i = 0; i < named; ++i)
        if (!FActivePicturesNames[qsizetype(i)].isEmpty())
            FActivePictures[i].SaveToFile(PicturePathInFolder(dir, FActivePicturesNames[qsizetype(i)]));
}

void TbsSkinData::SaveToCompressedFile(const QString& FileName) const
{
    TbsCompressedStoredSkin storedSkin;
    storedSkin.LoadFromSkinData(*this);
    storedSkin.SaveToCompressFile(FileName);
}

void TbsSkinData::ClearObjects()
{
    ObjectList.clear();
    CtrlList.clear();
    FActivePictures.clear();
    LayerFrame.PictureIndex = -1;
    LayerFrame.InActivePictureIndex = -1;
    LayerFrame.InitAlphaImages(*this);
    PopupWindow.WindowPictureIndex = -1;
    HintWindow.WindowPictureIndex = -1;
    FActivePicturesNames.clear();
    FSkinColors.SetDefaults();
}

void TbsSkinData::ClearAll()
{
    ClearObjects();
    FPicture = {};
    FMask = {};
    FInActivePicture = {};
    FPictureName.clear();
    FInActivePictureName.clear();
    FMaskName.clear();
    FEmpty = true;
}

void TbsSkinData::ClearSkin()
{
    ClearAll();
    SendSkinDataMessage(smBeforeSkinChange);
    SendSkinDataMessage(smSkinChange);
    SendSkinDataMessage(smAfterSkinChange);
}

int TbsSkinData::GetIndex(const QString& AIDName) const
{
    return IndexByName(ObjectList, AIDName);
}

int TbsSkinData::GetControlIndex(const QString& AIDName) const
{
    return IndexByName(CtrlList, AIDName);
}

const TbsSkinPicture* TbsSkinData::ActivePicture(int AIndex) const
{
    return AIndex >= 0 && size_t(AIndex) < FActivePictures.size() ? &FActivePictures[size_t(AIndex)]
                                                                  : nullptr;
}

// The owner window hears first when the borders are not layered; the other windows follow in the
// application's window order (ApplicationWindows), from last to first when layered borders are
// shown and the skin has a layered frame. Each send is handled before the next window gets it.
void TbsSkinData::SendSkinDataMessage(int M)
{
    if (FBuilderMode)
        return;
    const quintptr self = reinterpret_cast<quintptr>(this);
    QWidget* owner = qobject_cast<QWidget*>(parent());
    owner = owner ? owner->window() : nullptr;
    QWidget* sentFirst = nullptr;
    if (owner && !FShowLayeredBorders) {
        SendSkinMessage(owner, M, self, SkinDataMessageLParam);
        sentFirst = owner;
    }
    QList<QPointer<QWidget>> windows;
    for (QWidget* window : ApplicationWindows())
        if (window != sentFirst && !IsLayerBorderWindow(window))
            windows.append(window);
    if (FShowLayeredBorders && LayerFrame.PictureIndex != -1)
        std::reverse(windows.begin(), windows.end());
    for (const QPointer<QWidget>& window : std::as_const(windows))
        if (window)
            SendSkinMessage(window, M, self, SkinDataMessageLParam);
}

void TbsSkinData::AddBitMap(const QString& FileName)
{
    TbsSkinPicture picture = TbsSkinPicture::FromFile(FileName);
    FActivePicturesNames.append(QFileInfo(FileName).fileName());
    FActivePictures.push_back(std::move(picture));
}

void TbsSkinData::DeleteBitMap(int Index)
{
    if (Index >= 0 && Index < FActivePicturesNames.size())
        FActivePicturesNames.removeAt(Index);
    if (Index >= 0 && size_t(Index) < FActivePictures.size())
        FActivePictures.erase(FActivePictures.begin() + Index);
}

void TbsSkinData::GlobalChangeFont(const QString& ANewFontName, int AFontHeightCorrection)
{
    HintWindow.ChangeFont(ANewFontName, AFontHeightCorrection);
    for (const auto& record : ObjectList)
        record->ChangeFont(ANewFontName, AFontHeightCorrection);
    for (const auto& record : CtrlList)
        record->ChangeFont(ANewFontName, AFontHeightCorrection);
}

void TbsSkinData::LoadListSkin()
{
    if (!FCompressedSkinList)
        return;
    if (TbsSkinListItem* item = FCompressedSkinList->Item(FCompressedSkinIndex))
        LoadCompressedStoredSkin(item->Skin());
}

void TbsSkinData::SetSkinList(TbsCompressedSkinList* Value)
{
    FCompressedSkinList = Value;
    LoadListSkin();
}

void TbsSkinData::SetSkinIndex(int Value)
{
    if (Value == FCompressedSkinIndex)
        return;
    if (FCompressedSkinList && (Value < 0 || Value >= FCompressedSkinList->Count()))
        return;
    FCompressedSkinIndex = Value;
    LoadListSkin();
}

void TbsSkinData::SetCompressedStoredSkin(TbsCompressedStoredSkin* Value)
{
    FCompressedStoredSkin = Value;
    LoadCompressedStoredSkin(Value);
}

void TbsSkinData::SetResourceStrData(TbsResourceStrData* Value)
{
    FResourceStrData = Value;
    SendSkinDataMessage(smResourceStringsChanged);
}

void TbsSkinData::SetSkinnableForm(bool Value)
{
    if (Value == FSkinnableForm)
        return;
    FSkinnableForm = Value;
    SendSkinDataMessage(smSkinnableFormChanged);
}

void TbsSkinData::SetShowLayeredBorders(bool Value)
{
    if (Value == FShowLayeredBorders)
        return;
    FShowLayeredBorders = Value;
    SendSkinDataMessage(smLayeredBordersChanged);
}

void TbsSkinData::SetAeroBlurEnabled(bool Value)
{
    if (Value == FAeroBlurEnabled)
        return;
    FAeroBlurEnabled = Value;
    SendSkinDataMessage(smAeroBlurChanged);
}
