// The layered border of a skinned window: four translucent click-through windows around it that
// show the skin's soft outer rim (a shadow in the program's skin).
#pragma once

#include <QImage>
#include <QPointer>
#include <QRect>
#include <QWidget>
#include <array>
#include <memory>
#include <optional>

class TbsSkinData;
class TbsDataSkinLayerFrame;

enum TbsFormLayerBorderType { bsflLeft, bsflTop, bsflRight, bsflBottom };

// One piece of the border: a frameless tool window that takes no focus and lets clicks through.
// The repository skips windows of this class when it broadcasts its messages.
class TbsFormLayerWindow : public QWidget {
    Q_OBJECT
public:
    explicit TbsFormLayerWindow(TbsFormLayerBorderType AType);
    TbsFormLayerBorderType BorderType;
    // The piece's pixels, premultiplied alpha.
    QImage Picture;
    double Opacity = 1.0;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// The four pieces, their pictures for an outer size, and how they follow the window.
class TbsFormLayerBorder {
public:
    TbsFormLayerBorder();
    ~TbsFormLayerBorder();

    // Takes the repository's layer frame record, none without a skin or border picture.
    void InitFrame(TbsSkinData* ASD);
    bool HasFrame() const { return !FSource.isNull(); }

    // The outer rectangle around a window at AWindow (screen coordinates).
    QRect OuterRect(const QRect& AWindow) const;
    // The four piece rectangles (left, top, right, bottom) around a window at AWindow; an empty
    // rectangle for a piece that does not exist at this size.
    std::array<QRect, 4> PieceRects(const QRect& AWindow) const;
    // The four pictures for an outer size (premultiplied), built from the active or inactive look.
    std::array<QImage, 4> BuildPictures(const QSize& AOuter, bool AActive) const;

    void ShowWithForm(const QRect& AWindow);
    void Hide();
    // Rebuilds for a new size, or only moves for a new position.
    void SetBoundsWithForm(const QRect& AWindow);
    void SetActive(bool AActive, const QRect& AWindow);
    bool Visible() const { return FVisible; }
    bool Active() const { return FActive; }
    const TbsFormLayerWindow* Piece(TbsFormLayerBorderType AType) const;

    // Whether a compositing manager runs on the display: translucent windows need one. Tests can
    // set the answer.
    static bool CompositingAvailable();
    static void SetCompositingOverride(std::optional<bool> AValue);

private:
    void Place(const QRect& AWindow);
    std::array<QRect, 4> PieceRectsOf(const QRect& AOuter) const;

    // The picture with its mask as premultiplied alpha; the inactive one may be null.
    QImage FSource, FInActiveSource;
    QPoint LTPoint, RTPoint, LBPoint, RBPoint;
    QRect ClRect;
    int LeftOffset = 0, TopOffset = 0, WidthOffset = 0, HeightOffset = 0;
    bool FullStretch = false;
    double FAlpha = 1.0, FInActiveAlpha = 1.0;
    bool FVisible = false;
    bool FActive = true;
    QSize FBuiltSize;
    bool FBuiltActive = true;
    std::array<std::unique_ptr<TbsFormLayerWindow>, 4> FPieces;
};
