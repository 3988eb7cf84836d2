// The link from anything that paints from the skin (a control, a Qt editor wrapped by a control,
// the tree view, a popup window) to its repository, and the relay of the repository's change
// messages from a window to its linked surfaces.
#pragma once

#include "bsDataSkinControls.h"
#include "bsSkinData.h"

#include <QFont>
#include <QImage>
#include <QPointer>
#include <QRegion>

class QWidget;

// A guarded reference to the repository, the skin object name and the index found for it. The
// index is looked up on assignment and on a skin change; the record it names is checked again on
// every read (repository alive, holding a skin, the record at the index bearing the name), so a
// stale index after an unannounced reload or a destroyed repository reads as the default look.
class TbsSkinLink {
public:
    explicit TbsSkinLink(const QString& ASkinDataName = QString()) : FSkinDataName(ASkinDataName) {}

    TbsSkinData* SkinData() const { return FSD.data(); }
    // Stores the repository and forgets the index until the next Lookup.
    void SetSkinData(TbsSkinData* AValue);
    const QString& SkinDataName() const { return FSkinDataName; }
    void SetSkinDataName(const QString& AValue);

    // A repository is set and holds a skin.
    bool Usable() const { return FSD && !FSD->Empty(); }
    // Whether a change message of ARepository concerns this link: one that names no repository
    // concerns every link.
    bool Uses(const TbsSkinData* ARepository) const { return !ARepository || FSD.data() == ARepository; }

    // Looks the object up in the repository; -1 without a usable repository or object.
    int Lookup();
    // Drops the index while the repository reloads.
    void Forget() { FIndex = -1; }
    // The found index while its record is still there, else -1 (the default look).
    int Index() const { return Control() ? FIndex : -1; }

    // The record of the object, or nullptr for the default look.
    const TbsDataSkinControl* Control() const;
    // The record when it is of class Record, else nullptr.
    template <class Record> const Record* Typed() const { return dynamic_cast<const Record*>(Control()); }
    // Another object of the same repository (a control's list or check part), or nullptr.
    const TbsDataSkinControl* ControlNamed(const QString& AName) const;

    // The skin colours while a skin is loaded, else nullptr.
    const TbsSkinColors* Colors() const { return Usable() ? &FSD->FSkinColors : nullptr; }
    // The repository's active picture AIndex, null for none or an index outside the list.
    QImage Picture(int AIndex) const;
    // Paints ALook (a state rectangle of the record's SkinRect size) of the record's picture into B
    // at AW x AH by the record's resize mode; false (B untouched) without a record or picture.
    bool PaintPart(const TRect& ALook, QImage& B, int AW, int AH, bool DrawClient) const;
    // The region of a surface of AW x AH from the record's mask; empty without a mask.
    QRegion MaskRegion(int AW, int AH) const;

private:
    QPointer<TbsSkinData> FSD;
    QString FSkinDataName;
    int FIndex = -1;
};

// What the change relay calls on a skinned surface. Every widget that paints from the skin
// through a TbsSkinLink implements it.
class TbsSkinSurface {
public:
    virtual ~TbsSkinSurface() = default;
    virtual TbsSkinLink& SkinLink() = 0;
    // Before the repository reloads: nothing may read a record until ChangeSkinData.
    virtual void BeforeChangeSkinData() { SkinLink().Forget(); }
    // The new skin is in place: look the object up again and repaint.
    virtual void ChangeSkinData() = 0;
    virtual void AfterChangeSkinData() {}
};

// Relays the skin message AMsg (before change, change, after change) of repository ARepository to
// the skinned surfaces of AWindow that use it: the window itself, then its widgets depth first, a
// control before its children. Widgets that are windows of their own receive their own message
// and are left out. Other messages are ignored.
void RelaySkinChange(QWidget* AWindow, int AMsg, const TbsSkinData* ARepository);

// The font a record's FontName, FontHeight (pixels) and FontStyle give. A height of 0 keeps the
// default height; a negative one counts as its size.
QFont SkinRecordFont(const QString& AName, int AHeight, TFontStyles AStyle);
template <class Record> QFont RecordFont(const Record& ARecord)
{
    return SkinRecordFont(ARecord.FontName, ARecord.FontHeight, ARecord.FontStyle);
}
