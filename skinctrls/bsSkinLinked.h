// The skin link of the controls that wrap a Qt text widget (edit, memo): the repository, the
// object name and the default font, with the same lookup as every skinned control.
#pragma once

#include "bsDefaultLook.h"
#include "bsSkinControl.h"

#include <QFont>
#include <utility>

template <class Base> class TbsSkinLinked : public Base {
public:
    template <class... Args>
    explicit TbsSkinLinked(const QString& skinDataName, Args&&... args)
        : Base(std::forward<Args>(args)...), FSkinDataName(skinDataName), FDefaultFont(DefaultControlFont())
    {
        this->setFont(FDefaultFont);
    }

    TbsSkinData* SkinData() const { return FSD; }
    // Stores the repository; a usable one is applied at once.
    void SetSkinData(TbsSkinData* value)
    {
        FSD = value;
        if (FSD)
            ChangeSkinData();
    }
    QString SkinDataName() const { return FSkinDataName; }
    void SetSkinDataName(const QString& value) { FSkinDataName = value; }
    int SkinIndex() const { return FIndex; }

    // The font of the default look.
    QFont DefaultFont() const { return FDefaultFont; }
    void SetDefaultFont(const QFont& font)
    {
        FDefaultFont = font;
        if (FIndex == -1)
            this->setFont(FDefaultFont);
    }
    bool UseSkinFont() const { return FUseSkinFont; }
    void SetUseSkinFont(bool value) { FUseSkinFont = value; }

    virtual void GetSkinData() { FIndex = FindSkinControlIndex(FSD, FSkinDataName); }
    virtual void ChangeSkinData()
    {
        GetSkinData();
        if (FIndex == -1)
            this->setFont(FDefaultFont);
        this->update();
    }
    virtual void BeforeChangeSkinData() { FIndex = -1; }

protected:
    TbsSkinData* FSD = nullptr;
    QString FSkinDataName;
    int FIndex = -1;
    QFont FDefaultFont;
    bool FUseSkinFont = true;
};
