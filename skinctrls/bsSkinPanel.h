// The skinned panel: a container with a frame and an optional caption bar, whose client area is
// what its children may fill.
#pragma once

#include "bsSkinControl.h"

#include <QList>
#include <QPointer>

enum TbsSkinBorderStyle { bvFrame, bvRaised, bvLowered, bvNone };

class TbsSkinPanel : public TbsSkinCustomControl
{
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

    // The area left to the children, in the panel's coordinates.
    QRect GetSkinClientRect() const;
    // Keeps child filling the client area (the child's "client" alignment).
    void AlignClient(QWidget* child);

  protected:
    void DrawDefaultImage(QImage& B) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void Realign();

    QString FCaption;
    bool FCaptionMode = false;
    TbsSkinBorderStyle FBorderStyle = bvFrame;
    int FDefaultCaptionHeight = 20;
    Qt::Alignment FDefaultAlignment = Qt::AlignLeft;
    bool FEmptyDrawing = false;
    QList<QPointer<QWidget>> FClientControls;
};
