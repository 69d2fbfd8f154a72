// tesmarik-render-picture NAME WIDTH HEIGHT OUT.png: draws one of the window's pictures
// into a PNG file, to look at a drawing without opening the window. With OUT.ico it
// writes a Windows icon instead: the picture at each usual icon size up to WIDTH; with
// OUT.bmp an opaque 24-bit bitmap on white, as installers take their pictures.
#include <QBuffer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QtEndian>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "resources/Pictures.h"

namespace {

// Transparent where the drawing leaves the background (an icon on a dark panel), unless
// a ground is given.
std::optional<QImage> Draw(const char* name, int width, int height,
                           const QColor& ground = Qt::transparent) {
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(ground);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    if (!tesmarik::PaintPicture(painter, image.rect(), name)) {
        return std::nullopt;
    }
    painter.end();
    return image;
}

void Append16(QByteArray& out, quint16 value) {
    const quint16 le = qToLittleEndian(value);
    out.append(reinterpret_cast<const char*>(&le), sizeof le);
}

void Append32(QByteArray& out, quint32 value) {
    const quint32 le = qToLittleEndian(value);
    out.append(reinterpret_cast<const char*>(&le), sizeof le);
}

// An icon file: a directory of square images, each stored as PNG, which Windows reads
// at every size since Vista.
bool WriteIcon(const char* name, int largest, const char* path) {
    std::vector<QByteArray> images;
    std::vector<int> sizes;
    for (const int size : {16, 20, 24, 32, 40, 48, 64, 128, 256}) {
        if (size > largest) {
            break;
        }
        const std::optional<QImage> image = Draw(name, size, size);
        if (!image) {
            std::fprintf(stderr, "no picture named %s\n", name);
            return false;
        }
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (!image->save(&buffer, "PNG")) {
            return false;
        }
        images.push_back(png);
        sizes.push_back(size);
    }
    QByteArray icon;
    Append16(icon, 0);  // reserved
    Append16(icon, 1);  // an icon, not a cursor
    Append16(icon, static_cast<quint16>(images.size()));
    quint32 offset = static_cast<quint32>(6 + 16 * images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        // 256 is written as 0: the field is one byte.
        const char side = static_cast<char>(sizes[i] >= 256 ? 0 : sizes[i]);
        icon.append(side);
        icon.append(side);
        icon.append('\0');  // no palette
        icon.append('\0');
        Append16(icon, 1);   // colour planes
        Append16(icon, 32);  // bits per pixel
        Append32(icon, static_cast<quint32>(images[i].size()));
        Append32(icon, offset);
        offset += static_cast<quint32>(images[i].size());
    }
    for (const QByteArray& png : images) {
        icon.append(png);
    }
    QFile file(QString::fromLocal8Bit(path));
    return file.open(QIODevice::WriteOnly) && file.write(icon) == icon.size() && file.flush();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: tesmarik-render-picture NAME WIDTH HEIGHT OUT.png|OUT.ico\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const std::string out = argv[4];
    if (out.size() > 4 && out.compare(out.size() - 4, 4, ".ico") == 0) {
        return WriteIcon(argv[1], std::atoi(argv[2]), argv[4]) ? 0 : 1;
    }
    const bool bitmap = out.size() > 4 && out.compare(out.size() - 4, 4, ".bmp") == 0;
    const std::optional<QImage> image = Draw(argv[1], std::atoi(argv[2]), std::atoi(argv[3]),
                                             bitmap ? QColor(Qt::white) : QColor(Qt::transparent));
    if (!image) {
        std::fprintf(stderr, "no picture named %s\n", argv[1]);
        return 1;
    }
    // Qt writes a bitmap with 24 bits a pixel, as NSIS reads it, from an RGB32 image.
    return (bitmap ? image->convertToFormat(QImage::Format_RGB32) : *image).save(argv[4]) ? 0 : 1;
}
