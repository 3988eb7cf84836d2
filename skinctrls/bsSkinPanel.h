// The skinned panel: a container with a frame and an optional caption bar (with a check box and a
// roll-up marker), whose client area is what its children may fill.
#pragma once

#include "bsSkinControl.h"

#include <QList>
#include <QPointer>
#include <functional>

enum TbsSkinBorderStyle { bvFrame, bvRaised, bvLowered, bvNone };

class TbsSkinPanel : public TbsSkinCustomControl {
    Q_OBJECT
public:
    explicit TbsSkinPanel(QWidget* parent = nullptr);

    QString Caption() const { return FCaption; }
    void SetCaption(const QString& caption);
    // A caption bar across the top (DefaultCaptionHeight high in the default look).
    bool CaptionMode() const { return FCaptionMode; }
    void SetCaptionMode(bool value);
    TbsSkinBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TbsSkinBorderStyle value);
    int DefaultCaptionHeight() const { return FDefaultCaptionHeight; }
    void SetDefaultCaptionHeight(int value);
    // Left, right or centre placement of the caption in the default look.
    Qt::Alignment DefaultAlignment() const { return FDefaultAlignment; }
    void SetDefaultAlignment(Qt::Alignment value);
    // Paint nothing and give the children the whole client area.
    bool EmptyDrawing() const { return FEmptyDrawing; }
    void SetEmptyDrawing(bool value);
    // The skin object dictates the size (otherwise its picture is stretched).
    bool UseSkinSize() const { return FUseSkinSize; }
    void SetUseSkinSize(bool value);

    // A check box in the caption; with AutoEnabledControls the children follow it.
    bool CheckedMode() const { return FCheckedMode; }
    void SetCheckedMode(bool value);
    bool Checked() const { return FChecked; }
    void SetChecked(bool value);
    bool AutoEnabledControls() const { return FAutoEnabledControls; }
    void SetAutoEnabledControls(bool value) { FAutoEnabledControls = value; }
    // In roll-up mode a click on the caption rolls the panel up to its caption bar and down again.
    bool RollUpMode() const { return FRollUpMode; }
    void SetRollUpMode(bool value);
    bool RollUpState() const { return FRollUpState; }
    void SetRollUpState(bool value);

    // The area left to the children, in the panel's coordinates.
    QRect GetSkinClientRect() const;
    // Keeps child filling the client area (the child's "client" alignment).
    void AlignClient(QWidget* child);
    // Draws the panel's image onto C at (X, Y).
    void PaintskinTo(QPainter& C, int X, int Y);

    void GetSkinData() override;
    void ChangeSkinData() override;
    void CalcSkinSize(int& W, int& H) override;

    std::function<void()> OnChecked;
    std::function<void()> OnChangeRollUpState;

protected:
    void DrawDefaultImage(QImage& B) override;
    void DrawSkinImage(QImage& B) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    // The caption bar of the default look, or the caption rectangle at the current size.
    QRect CaptionArea() const;
    // The caption rectangle of the object moved to the control's size; empty without one.
    QRect NewCaptionRect() const;
    // The caption's alignment in the skin look.
    virtual Qt::Alignment SkinCaptionAlignment() const;

    // Copies of the panel record.
    TRect CaptionRect, CheckImageRect, UnCheckImageRect;
    TAlignment Alignment = taCenter;
    int BGPictureIndex = -1;
    QFont FSkinFont;
    TColor FontColor = 0;

private:
    void Realign();
    void DrawCheckBox(QPainter& painter, const QRect& box) const;
    void DrawSkinCaption(QPainter& painter);

    QString FCaption;
    bool FCaptionMode = false;
    TbsSkinBorderStyle FBorderStyle = bvFrame;
    int FDefaultCaptionHeight = 20;
    Qt::Alignment FDefaultAlignment = Qt::AlignLeft;
    bool FEmptyDrawing = false;
    bool FUseSkinSize = true;
    bool FCheckedMode = false;
    bool FChecked = false;
    bool FAutoEnabledControls = true;
    bool FRollUpMode = false;
    bool FRollUpState = false;
    int FRealHeight = -1;
    QList<QPointer<QWidget>> FClientControls;
};
