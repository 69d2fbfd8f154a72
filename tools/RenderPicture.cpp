// tesmarik-render-picture NAME WIDTH HEIGHT OUT.png: draws one of the window's pictures
// into a PNG file, to look at a drawing without opening the window.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "resources/Pictures.h"

int main(int argc, char** argv) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: tesmarik-render-picture NAME WIDTH HEIGHT OUT.png\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QImage image(std::atoi(argv[2]), std::atoi(argv[3]), QImage::Format_ARGB32);
    // Transparent where the drawing leaves the background: an icon on a dark panel.
    image.fill(Qt::transparent);
    bool known = false;
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        known = tesmarik::PaintPicture(painter, image.rect(), argv[1]);
    }
    if (!known) {
        std::fprintf(stderr, "no picture named %s\n", argv[1]);
        return 1;
    }
    return image.save(argv[4]) ? 0 : 1;
}
