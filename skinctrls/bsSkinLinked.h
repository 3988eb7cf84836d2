// The skin link of the controls that wrap a Qt text widget (edit, memo): the repository, the
// object name and the default font, with the same lookup and change handling as every skinned
// control.
#pragma once

#include "bsDefaultLook.h"
#include "bsSkinLink.h"

#include <QFont>
#include <utility>

template <class Base> class TbsSkinLinked : public Base, public TbsSkinSurface {
public:
    template <class... Args>
    explicit TbsSkinLinked(const QString& skinDataName, Args&&... args)
        : Base(std::forward<Args>(args)...), FLink(skinDataName), FDefaultFont(DefaultControlFont())
    {
        this->setFont(FDefaultFont);
    }

    TbsSkinData* SkinData() const { return FLink.SkinData(); }
    // Stores the repository; a usable one is applied at once.
    void SetSkinData(TbsSkinData* value)
    {
        FLink.SetSkinData(value);
        if (FLink.Usable())
            ChangeSkinData();
    }
    QString SkinDataName() const { return FLink.SkinDataName(); }
    void SetSkinDataName(const QString& value)
    {
        FLink.SetSkinDataName(value);
        if (FLink.Usable())
            ChangeSkinData();
    }
    int SkinIndex() const { return FLink.Index(); }
    TbsSkinLink& SkinLink() override { return FLink; }

    // The font of the default look.
    QFont DefaultFont() const { return FDefaultFont; }
    void SetDefaultFont(const QFont& font)
    {
        FDefaultFont = font;
        if (SkinIndex() == -1)
            this->setFont(FDefaultFont);
    }
    bool UseSkinFont() const { return FUseSkinFont; }
    void SetUseSkinFont(bool value) { FUseSkinFont = value; }

    virtual void GetSkinData() { FLink.Lookup(); }
    void ChangeSkinData() override
    {
        GetSkinData();
        if (SkinIndex() == -1)
            this->setFont(FDefaultFont);
        this->update();
    }

protected:
    TbsSkinLink FLink;
    QFont FDefaultFont;
    bool FUseSkinFont = true;
};
