#pragma once

#include <QGroupBox>

namespace tesmarik {

// A group box with an etched frame whose top line runs through the middle of the caption,
// drawn with the painter. (The style's own frame is an image it loads at the first paint,
// which brings in the image format plugins.)
class FramedGroupBox : public QGroupBox {
public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace tesmarik
