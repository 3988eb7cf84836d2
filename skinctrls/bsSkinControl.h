// The skin control base: the link of a control to the skin repository, the skin object's geometry
// and the size it allows, and painting through an off-screen image in the skin look or the
// default look.
#pragma once

#include "bsPaintParts.h"
#include "bsSkinLink.h"

#include <QFont>
#include <QImage>
#include <QWidget>
#include <functional>

class TbsSkinData;

// A windowed skinned control. It draws its skin object of the repository SkinData() named
// SkinDataName(); without a repository, with an empty one, or when the repository has no object
// of that name (SkinIndex() = -1) it draws its built-in default look. The object is looked up when
// the repository or the name is assigned and on every skin change, never while painting.
class TbsSkinControl : public QWidget, public TbsSkinSurface {
    Q_OBJECT
public:
    explicit TbsSkinControl(QWidget* parent = nullptr);

    TbsSkinData* SkinData() const { return FLink.SkinData(); }
    // Stores the repository; a usable one is applied at once (ChangeSkinData).
    virtual void SetSkinData(TbsSkinData* value);
    QString SkinDataName() const { return FLink.SkinDataName(); }
    // Stores the name; with a usable repository the object is looked up again at once.
    virtual void SetSkinDataName(const QString& value);
    // The control's skin object in the repository's control list, -1 in the default look.
    int SkinIndex() const { return FLink.Index(); }
    TbsSkinLink& SkinLink() override { return FLink; }
    const TbsSkinLink& SkinLink() const { return FLink; }

    // Looks the skin object up again and copies what the control needs out of it.
    virtual void GetSkinData();
    void ChangeSkinData() override;
    // Repaints when the control shows its parent's background (transparent controls).
    virtual void CheckParentBackground() {}

    // The image the control paints now, at its size: what a paint event draws.
    QImage PaintedImage();

    std::function<void()> OnMouseEnter;
    std::function<void()> OnMouseLeave;

protected:
    bool event(QEvent* event) override;
    // Paints the whole control into an image of its size and draws that in one step.
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

    // B comes at the control's size, transparent.
    virtual void DrawDefaultImage(QImage& B);
    virtual void DrawSkinImage(QImage& B);
    // Copies what lies behind the control (the parent and the siblings below it) into B, whose
    // origin is the control's top-left.
    void DrawParentBackground(QImage& B) const;

    TbsSkinLink FLink;
};

// A skinned control with the object's geometry: resize mode, corner points and client rectangle
// moved to the control's size, and a default font and size for its default look.
class TbsSkinCustomControl : public TbsSkinControl {
    Q_OBJECT
public:
    explicit TbsSkinCustomControl(QWidget* parent = nullptr);

    QFont DefaultFont() const { return FDefaultFont; }
    void SetDefaultFont(const QFont& font);
    // The colour of the default font (a Qt font has none of its own).
    QColor DefaultFontColor() const { return FDefaultFontColor; }
    void SetDefaultFontColor(const QColor& value);
    bool UseSkinFont() const { return FUseSkinFont; }
    void SetUseSkinFont(bool value);
    int DefaultWidth() const { return FDefaultWidth; }
    void SetDefaultWidth(int value);
    int DefaultHeight() const { return FDefaultHeight; }
    void SetDefaultHeight(int value);

    // -1 no usable picture rectangle, 0 fixed size, 1 resizable both ways by the corner points,
    // 2 horizontally only, 3 vertically only.
    int ResizeMode() const { return FResizeMode; }
    // The client rectangle at the control's size.
    QRect NewClRect() const { return FNew.ClRect; }
    int GetRealClientWidth() const { return FNew.ClRect.width(); }
    int GetRealClientHeight() const { return FNew.ClRect.height(); }
    int GetRealClientLeft() const { return FNew.ClRect.left(); }
    int GetRealClientTop() const { return FNew.ClRect.top(); }

    // Sets the geometry with the size adapted to the skin object; the plain QWidget setters are
    // hidden so that every placement of a skinned control adapts.
    void SetBounds(int x, int y, int w, int h);
    void setGeometry(int x, int y, int w, int h) { SetBounds(x, y, w, h); }
    void setGeometry(const QRect& r) { SetBounds(r.x(), r.y(), r.width(), r.height()); }
    void resize(int w, int h) { SetBounds(x(), y(), w, h); }
    void resize(const QSize& s) { resize(s.width(), s.height()); }

    void GetSkinData() override;
    void ChangeSkinData() override;
    // Adapts a requested size to the resize mode and moves the geometry to it.
    virtual void CalcSkinSize(int& W, int& H);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void DrawSkinImage(QImage& B) override;
    // Text-bearing controls re-measure here.
    virtual void DefaultFontChanged() {}
    // Installs the mask region of the object at the current size, or removes it.
    virtual void UpdateSkinRegion();
    // Graphic controls have no window region and are opaque.
    virtual bool Windowed() const { return true; }
    // Paints the state rectangle ALook at the control's size by the resize mode; false when
    // there is nothing to paint it from.
    bool DrawSkinPart(QImage& B, const TRect& ALook) const;

    QFont FDefaultFont;
    QColor FDefaultFontColor;
    bool FUseSkinFont = true;
    int FDefaultWidth = 0;
    int FDefaultHeight = 0;

    // Copies of the object's geometry (meaningful in the skin look), and the same moved to the
    // control's current size.
    QRect SkinRect;
    TbsPartGeometry FPart;
    TbsPartGeometry FNew;
    int FResizeMode = 0;
    bool StretchEffect = false;
    TbsStretchType StretchType = bsstFull;

private:
    bool FInSetBounds = false;
};

// A control that never takes the focus and paints its whole rectangle.
class TbsGraphicSkinControl : public TbsSkinControl {
    Q_OBJECT
public:
    explicit TbsGraphicSkinControl(QWidget* parent = nullptr);
};

class TbsGraphicSkinCustomControl : public TbsSkinCustomControl {
    Q_OBJECT
public:
    explicit TbsGraphicSkinCustomControl(QWidget* parent = nullptr);

protected:
    bool Windowed() const override { return false; }
};

// The index of the skin object named name in the repository's control list; -1 without a usable
// repository or object.
int FindSkinControlIndex(TbsSkinData* skinData, const QString& name);
