// The skin control base: the link of a control to the skin repository, the lookup of its skin
// object, and painting through an off-screen image in the skin look or the default look.
#pragma once

#include <QFont>
#include <QImage>
#include <QWidget>
#include <functional>

class TbsSkinData;

// A windowed skinned control. It draws its skin object of the repository SkinData() named
// SkinDataName(); without a repository, with an empty one, or when the repository has no object
// of that name (FIndex = -1) it draws its built-in default look.
class TbsSkinControl : public QWidget {
    Q_OBJECT
public:
    explicit TbsSkinControl(QWidget* parent = nullptr);

    TbsSkinData* SkinData() const { return FSD; }
    // Stores the repository; a usable one is applied at once (ChangeSkinData).
    virtual void SetSkinData(TbsSkinData* value);
    QString SkinDataName() const { return FSkinDataName; }
    // Stores the name only; it takes effect at the next GetSkinData.
    virtual void SetSkinDataName(const QString& value) { FSkinDataName = value; }
    // The control's skin object in the repository's control list, -1 in the default look.
    int SkinIndex() const { return FIndex; }

    // Looks the skin object up again and copies what the control needs out of it.
    virtual void GetSkinData();
    virtual void ChangeSkinData();
    // Forgets the skin object while the repository reloads.
    virtual void BeforeChangeSkinData() { FIndex = -1; }
    virtual void AfterChangeSkinData() {}
    virtual void CheckParentBackground() {}

    std::function<void()> OnMouseEnter;
    std::function<void()> OnMouseLeave;

protected:
    // Paints the whole control into an image of its size and draws that in one step.
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

    virtual void DrawDefaultImage(QImage& B);
    virtual void DrawSkinImage(QImage& B);

    TbsSkinData* FSD = nullptr;
    QString FSkinDataName;
    int FIndex = -1;
};

// A skinned control with a default font and default size for its default look.
class TbsSkinCustomControl : public TbsSkinControl {
    Q_OBJECT
public:
    explicit TbsSkinCustomControl(QWidget* parent = nullptr);

    QFont DefaultFont() const { return FDefaultFont; }
    void SetDefaultFont(const QFont& font);
    bool UseSkinFont() const { return FUseSkinFont; }
    void SetUseSkinFont(bool value) { FUseSkinFont = value; }
    int DefaultWidth() const { return FDefaultWidth; }
    void SetDefaultWidth(int value);
    int DefaultHeight() const { return FDefaultHeight; }
    void SetDefaultHeight(int value);

    void ChangeSkinData() override;

protected:
    // Text-bearing controls re-measure here.
    virtual void DefaultFontChanged() {}

    QFont FDefaultFont;
    bool FUseSkinFont = true;
    int FDefaultWidth = 0;
    int FDefaultHeight = 0;
};

// In Qt every control is a widget; the graphic controls are those that never take the focus and
// paint over their parent's background.
class TbsGraphicSkinControl : public TbsSkinControl {
    Q_OBJECT
public:
    explicit TbsGraphicSkinControl(QWidget* parent = nullptr);
};

class TbsGraphicSkinCustomControl : public TbsSkinCustomControl {
    Q_OBJECT
public:
    explicit TbsGraphicSkinCustomControl(QWidget* parent = nullptr);
};

// The index of the skin object named name in the repository's control list; -1 without a usable
// repository or object. The one lookup every skinned control goes through.
int FindSkinControlIndex(TbsSkinData* skinData, const QString& name);
