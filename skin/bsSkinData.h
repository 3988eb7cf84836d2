// The skin repository TbsSkinData, and the unit header of the skin records it holds.
#pragma once

#include "bsCompressedSkinList.h"
#include "bsCompressedStoredSkin.h"
#include "bsDataSkinControls.h"
#include "bsDataSkinFurtherControls.h"
#include "bsDataSkinObjects.h"
#include "bsDataSkinWindowRecords.h"
#include "bsFormInfo.h"
#include "bsResourceStrData.h"
#include "bsSkinColors.h"
#include "bsSkinPackage.h"
#include "bsSkinPicture.h"
#include "bsSkinRecordTypes.h"
#include "bsSkinValues.h"

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

// Holds one loaded skin: its pictures, the [FORMINFO] geometry (the fields inherited from
// TbsFormInfo), the popup window, layered frame and hint window records, the skin colours and the
// two named record lists. Every skinned frame and control refers to a repository, finds its record
// by name and paints from it.
//
// Loading tells every window about the change with the skin messages 1225 (before), 1226 (change)
// and 1227 (after), sent synchronously with wParam = this repository (a TbsSkinData*) and lParam
// 1000. While a load runs, Empty() and ChangeSkinDataProcess() are true; a load that fails leaves
// the repository cleared, with both still true and no change message sent.
//
// The layered border windows of skinned forms do not receive the messages: a window counts as one
// when its class (declared with Q_OBJECT) is or derives from a class named "TbsFormLayerWindow".
class TbsSkinData : public QObject, public TbsFormInfo {
    Q_OBJECT

public:
    explicit TbsSkinData(QObject* AOwner = nullptr);
    ~TbsSkinData() override;

    // The form-info record's own readers and writers of a description stay reachable beside the
    // repository's file-name ones below.
    using TbsFormInfo::LoadFromFile;
    using TbsFormInfo::SaveToFile;

    // Unpacks and loads a stored skin; does nothing for none or an empty one. A package whose
    // version is above 3 stops the load once the old skin is cleared (no error, no change message).
    void LoadCompressedStoredSkin(TbsCompressedStoredSkin* AStoredSkin);
    // Loads an unpacked skin package, as LoadCompressedStoredSkin does once it has inflated one.
    void LoadFromSkinPackage(const QByteArray& APackage);
    // Reads a .skn file and loads it unless it holds no skin.
    void LoadFromCompressedFile(const QString& FileName);
    // Loads the skin folder whose ini file is FileName; does nothing, keeping the old skin, when
    // the file cannot be opened or a required section is missing. An ini file above
    // TbsIniText::MaxDescriptionBytes raises ESkinDescriptionError, also before anything changes.
    void LoadFromFile(const QString& FileName);

    // Starts decoding every picture still to be decoded on the start-up's helper thread
    // (TbsSkinPicture::DecodeAhead), for a program that is about to show its windows.
    void DecodePicturesAhead() const;

    // Writes the description into the ini file FileName; its other sections stay.
    void SaveToFile(const QString& FileName) const;
    // SaveToFile, then every named picture as a BMP file beside it: the skin folder. A picture
    // without a name is not written; a name that would leave the folder raises EFCreateError.
    void StoreToDisk(const QString& AFileName) const;
    // Writes the loaded skin as a .skn file.
    void SaveToCompressedFile(const QString& FileName) const;
    // Rewrites the sections of the description in ini, in the order the system writes them.
    void SaveDescription(TbsIniText& ini) const;
    // The loaded skin as a package: its pictures as they are and the description it writes.
    TbsSkinPackage SkinPackage() const;

    void ClearObjects();
    void ClearAll();
    // ClearAll, then the before-change, change and after-change messages.
    void ClearSkin();

    // The index of the first record whose IDName equals AIDName exactly, or -1.
    int GetIndex(const QString& AIDName) const;
    int GetControlIndex(const QString& AIDName) const;
    // The active picture of an index, or nullptr when the index lies outside the list: every
    // reader of a record's picture index goes through here.
    const TbsSkinPicture* ActivePicture(int AIndex) const;

    // Sends message M to the application's windows (see the class comment and the .cpp).
    void SendSkinDataMessage(int M);

    // Appends a picture loaded from FileName and its bare file name to the active pictures.
    void AddBitMap(const QString& FileName);
    // Removes the active picture and name at Index; nothing outside the lists.
    void DeleteBitMap(int Index);
    // Sets the font name of the hint window and of every record with a font, and corrects its
    // font heights; sends no message.
    void GlobalChangeFont(const QString& ANewFontName, int AFontHeightCorrection);

    bool Empty() const { return FEmpty; }
    bool ChangeSkinDataProcess() const { return FChangeSkinDataProcess; }

    // Published properties. The setters of SkinnableForm, ShowLayeredBorders and AeroBlurEnabled
    // broadcast their message when the value changes, ResourceStrData always broadcasts, and
    // CompressedStoredSkin and SkinList load their skin at once.
    TbsCompressedSkinList* SkinList() const { return FCompressedSkinList; }
    void SetSkinList(TbsCompressedSkinList* Value);
    int SkinIndex() const { return FCompressedSkinIndex; }
    // Ignores an unchanged index and, with a skin list, one outside the list; otherwise stores it
    // and loads that skin of the list.
    void SetSkinIndex(int Value);
    TbsCompressedStoredSkin* CompressedStoredSkin() const { return FCompressedStoredSkin; }
    void SetCompressedStoredSkin(TbsCompressedStoredSkin* Value);
    TbsResourceStrData* ResourceStrData() const { return FResourceStrData; }
    void SetResourceStrData(TbsResourceStrData* Value);
    bool SkinnableForm() const { return FSkinnableForm; }
    void SetSkinnableForm(bool Value);
    bool ShowLayeredBorders() const { return FShowLayeredBorders; }
    void SetShowLayeredBorders(bool Value);
    bool AeroBlurEnabled() const { return FAeroBlurEnabled; }
    void SetAeroBlurEnabled(bool Value);
    bool EnableSkinEffects() const { return FEnableSkinEffects; }
    void SetEnableSkinEffects(bool Value) { FEnableSkinEffects = Value; }
    bool ShowButtonGlowFrames() const { return FShowButtonGlowFrames; }
    void SetShowButtonGlowFrames(bool Value) { FShowButtonGlowFrames = Value; }
    bool ShowCaptionButtonGlowFrames() const { return FShowCaptionButtonGlowFrames; }
    void SetShowCaptionButtonGlowFrames(bool Value) { FShowCaptionButtonGlowFrames = Value; }
    bool AnimationForAllWindows() const { return FAnimationForAllWindows; }
    void SetAnimationForAllWindows(bool Value) { FAnimationForAllWindows = Value; }
    bool DlgTreeViewDrawSkin() const { return FDlgTreeViewDrawSkin; }
    void SetDlgTreeViewDrawSkin(bool Value) { FDlgTreeViewDrawSkin = Value; }
    QString DlgTreeViewItemSkinDataName() const { return FDlgTreeViewItemSkinDataName; }
    void SetDlgTreeViewItemSkinDataName(const QString& Value) { FDlgTreeViewItemSkinDataName = Value; }
    bool DlgListViewDrawSkin() const { return FDlgListViewDrawSkin; }
    void SetDlgListViewDrawSkin(bool Value) { FDlgListViewDrawSkin = Value; }
    QString DlgListViewItemSkinDataName() const { return FDlgListViewItemSkinDataName; }
    void SetDlgListViewItemSkinDataName(const QString& Value) { FDlgListViewItemSkinDataName = Value; }

    // Called after every successful load.
    std::function<void(TbsSkinData* Sender)> OnLoadData;
    // When true no message is broadcast.
    bool FBuilderMode = false;

    // The loaded skin. Empty pictures and lists while Empty().
    TbsSkinPicture FPicture;
    TbsSkinPicture FInActivePicture;
    TbsSkinPicture FMask;
    std::vector<TbsSkinPicture> FActivePictures;
    QString FPictureName;
    QString FInActivePictureName;
    QString FMaskName;
    QStringList FActivePicturesNames;
    QString SkinName;
    QString SkinAuthor;
    QString AuthorURL;
    QString AuthorEmail;
    QString SkinComments;
    TbsDataSkinPopupWindow PopupWindow;
    TbsDataSkinLayerFrame LayerFrame;
    TbsDataSkinHintWindow HintWindow;
    TbsSkinColors FSkinColors;
    std::vector<std::unique_ptr<TbsDataSkinObject>> ObjectList;
    std::vector<std::unique_ptr<TbsDataSkinControl>> CtrlList;

private:
    void BeginLoad();
    // The reading steps of a package load, after the before-change message.
    void ReadPackage(const QByteArray& APackage);
    // Makes the pictures and records of a package that was read whole.
    void ReadPackageParts(const TbsSkinPackage& APackage);
    void LoadOrStayCleared(const std::function<void()>& ARead);
    void ReadNames(const TbsIniText& ini);
    void ReadRecords(const TbsIniText& ini);
    void FinishLoad();
    void LoadListSkin();

    bool FEmpty = true;
    bool FChangeSkinDataProcess = false;
    QPointer<TbsCompressedSkinList> FCompressedSkinList;
    int FCompressedSkinIndex = 0;
    QPointer<TbsCompressedStoredSkin> FCompressedStoredSkin;
    QPointer<TbsResourceStrData> FResourceStrData;
    bool FSkinnableForm = true;
    bool FEnableSkinEffects = true;
    bool FShowButtonGlowFrames = true;
    bool FShowCaptionButtonGlowFrames = true;
    bool FShowLayeredBorders = true;
    bool FAeroBlurEnabled = true;
    bool FAnimationForAllWindows = false;
    bool FDlgTreeViewDrawSkin = true;
    QString FDlgTreeViewItemSkinDataName = QStringLiteral("listbox");
    bool FDlgListViewDrawSkin = true;
    QString FDlgListViewItemSkinDataName = QStringLiteral("listbox");
};
