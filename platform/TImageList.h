// A list of same-sized pictures that controls draw by index.
#pragma once

#include <QObject>
#include <QPixmap>
#include <vector>

class QPainter;

class TImageList : public QObject {
    Q_OBJECT
public:
    TImageList(int width, int height, QObject* owner = nullptr);

    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    int Count() const { return static_cast<int>(FImages.size()); }
    bool ValidIndex(int index) const { return index >= 0 && index < Count(); }

    // Adds a picture scaled to the list's size; answers its index.
    int Add(const QPixmap& picture);
    QPixmap Picture(int index) const;
    // Draws picture index at (x, y); a disabled picture is drawn in greys. Nothing for an invalid index.
    void Draw(QPainter& painter, int x, int y, int index, bool enabled = true) const;

private:
    int FWidth;
    int FHeight;
    std::vector<QPixmap> FImages;
};
