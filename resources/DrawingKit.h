#pragma once

#include <QFont>
#include <QPainter>
#include <QRect>

namespace tesmarik {

// Draws in a fixed design size, scaled to whatever rectangle the window gives.
void UseDesignSize(QPainter& painter, const QRect& area, double width, double height);

// The drawings' lettering: Arial, the face of the window's own texts, at a pixel size.
QFont PixelFont(double pixels, bool bold);

}  // namespace tesmarik
