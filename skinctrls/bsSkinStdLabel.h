// The skinned static text: a transparent label drawn with the skin's or its default font.
#pragma once

#include "bsSkinControl.h"

enum TbsEllipsType { bsetNone, bsetEndEllips, bsetPathEllips };

class TbsSkinStdLabel : public TbsGraphicSkinControl {
    Q_OBJECT
public:
    explicit TbsSkinStdLabel(QWidget* parent = nullptr);

    QString Caption() const { return FCaption; }
    void SetCaption(const QString& caption);

    // With AutoSize (the default) the label takes the size of its text.
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool value);
    Qt::Alignment Alignment() const { return FAlignment; }
    void SetAlignment(Qt::Alignment value);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool value);
    TbsEllipsType EllipsType() const { return FEllipsType; }
    void SetEllipsType(TbsEllipsType value);
    // An opaque label fills its rectangle with Color first.
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);
    QColor Color() const { return FColor; }
    void SetColor(const QColor& value);

    // The font of the default look when UseSkinFont is on; otherwise the label's own font() is used.
    QFont DefaultFont() const { return FDefaultFont; }
    void SetDefaultFont(const QFont& font);
    bool UseSkinFont() const { return FUseSkinFont; }
    void SetUseSkinFont(bool value);
    bool UseSkinColor() const { return FUseSkinColor; }
    void SetUseSkinColor(bool value) { FUseSkinColor = value; }

    // The font the text is drawn with now: the skin font in the skin look with UseSkinFont, the
    // default font without a skin object with UseSkinFont, else the label's own font.
    QFont DrawFont() const;

    void GetSkinData() override;
    void ChangeSkinData() override;
    // Draws AText as the label would onto C at (X, Y).
    void PaintSkinTo(QPainter& C, int X, int Y, const QString& AText);

    // How many times the text has been laid out and drawn for a paint: a paint that changes
    // nothing the picture shows reuses the last one.
    int PicturesDrawn() const { return FPicturesDrawn; }

protected:
    void DrawSkinImage(QImage& B) override { DrawDefaultImage(B); }
    void DrawDefaultImage(QImage& B) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    int TextFlags() const;
    void DrawLabelText(QPainter& painter, const QRect& R, const QString& text) const;
    QColor TextColor() const;
    void AdjustBounds();

    QString FCaption;
    bool FAutoSize = true;
    Qt::Alignment FAlignment = Qt::AlignLeft;
    bool FWordWrap = false;
    TbsEllipsType FEllipsType = bsetNone;
    bool FTransparent = true;
    QColor FColor;
    QFont FDefaultFont;
    bool FUseSkinFont = true;
    bool FUseSkinColor = true;
    // Copies of the skin object's font while it is found.
    QFont FSkinFont;
    TColor FSkinFontColor = 0;

    // Everything the painted picture depends on; a picture painted for an equal look is reused.
    struct TbsLabelLook {
        QString Caption;
        QFont Font;
        QSize Size;
        int Flags = 0;
        TbsEllipsType EllipsType = bsetNone;
        bool Enabled = true;
        bool Transparent = true;
        QColor Fill, Text, Highlight, Shadow;
        bool operator==(const TbsLabelLook&) const = default;
    };
    TbsLabelLook CurrentLook() const;
    TbsLabelLook FPictureLook;
    QImage FPicture;
    int FPicturesDrawn = 0;
};
