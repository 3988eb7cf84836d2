// The Qt and standard headers nearly every source of the project includes, compiled once per target.
#pragma once
#ifdef __cplusplus
#include <QApplication>
#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QImage>
#include <QList>
#include <QObject>
#include <QPainter>
#include <QPointer>
#include <QRect>
#include <QRegion>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>
#endif
