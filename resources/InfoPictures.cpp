#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include "resources/DrawingKit.h"
#include "resources/Pictures.h"

namespace tesmarik {

namespace {

const QColor kDeepBlue(27, 58, 102);
const QColor kSteelLight(236, 241, 246);
const QColor kSteelMid(176, 190, 204);
const QColor kSteelDark(92, 108, 126);

// One pipe seen end-on: a steel ring with a dark bore.
void PipeEnd(QPainter& painter, QPointF centre, double radius, double wall) {
    QRadialGradient steel(centre - QPointF(radius * 0.35, radius * 0.35), radius * 1.4);
    steel.setColorAt(0.0, Qt::white);
    steel.setColorAt(0.45, kSteelMid);
    steel.setColorAt(1.0, kSteelDark);
    painter.setPen(QPen(kSteelDark.darker(130), 0.8));
    painter.setBrush(steel);
    painter.drawEllipse(centre, radius, radius);

    QRadialGradient bore(centre + QPointF(radius * 0.2, radius * 0.2), radius);
    bore.setColorAt(0.0, QColor(60, 66, 74));
    bore.setColorAt(1.0, QColor(18, 22, 28));
    painter.setPen(QPen(kSteelDark.darker(160), 0.6));
    painter.setBrush(bore);
    painter.drawEllipse(centre, radius - wall, radius - wall);
}

// A stack of pipes as they lie in a wagon: rows of `bottom`, bottom - 1, ... pipes.
void PipeStack(QPainter& painter, QPointF bottomLeft, double radius, int bottom) {
    const double rowStep = radius * 1.732;
    for (int row = 0; row < bottom; ++row) {
        for (int i = 0; i < bottom - row; ++i) {
            const QPointF centre(bottomLeft.x() + radius * (1 + row + 2 * i),
                                 bottomLeft.y() - radius - row * rowStep);
            PipeEnd(painter, centre, radius, radius * 0.28);
        }
    }
}

// A pipe lying along the banner, seen from the side, its open end towards the viewer.
void PipeSide(QPainter& painter, double left, double right, double top, double height) {
    QLinearGradient body(0, top, 0, top + height);
    body.setColorAt(0.0, kSteelDark);
    body.setColorAt(0.3, Qt::white);
    body.setColorAt(0.6, kSteelMid);
    body.setColorAt(1.0, kSteelDark.darker(120));
    const double r = height / 2;
    painter.setPen(Qt::NoPen);
    painter.setBrush(body);
    painter.drawEllipse(QRectF(left - r * 0.45, top, r * 0.9, height));  // the far end
    painter.drawRect(QRectF(left, top, right - left, height));

    const QRectF end(right - r * 0.45, top, r * 0.9, height);
    painter.setPen(QPen(kSteelDark.darker(130), 0.8));
    painter.setBrush(kSteelMid);
    painter.drawEllipse(end);
    painter.setBrush(QColor(24, 28, 34));
    painter.drawEllipse(end.adjusted(r * 0.12, r * 0.25, -r * 0.12, -r * 0.25));
}

// The header banner, 801 x 79: the name on the left with a stack of pipes beside it; the
// right half and the lower edge stay light and quiet, for the link labels lying on them.
void PaintBanner(QPainter& painter) {
    QLinearGradient sky(0, 0, 0, 79);
    sky.setColorAt(0.0, Qt::white);
    sky.setColorAt(1.0, QColor(201, 214, 227));
    painter.fillRect(QRectF(0, 0, 801, 79), sky);

    // A faint frame around the hint and the four links.
    painter.setPen(QPen(QColor(27, 58, 102, 70), 1));
    painter.setBrush(QColor(255, 255, 255, 150));
    painter.drawRoundedRect(QRectF(412.5, 0.5, 300, 53), 6, 6);

    PipeSide(painter, 196, 300, 12, 15);
    PipeSide(painter, 184, 288, 32, 15);
    PipeStack(painter, QPointF(312, 72), 9.5, 4);

    painter.setFont(PixelFont(32, true));
    painter.setPen(QColor(255, 255, 255));
    painter.drawText(QPointF(15, 37), "Тесмарик");
    painter.setPen(kDeepBlue);
    painter.drawText(QPointF(14, 36), "Тесмарик");

    // Upright, in the size of the window's own texts: the banner needs no face of its own.
    painter.setFont(PixelFont(11, false));
    painter.setPen(kSteelDark.darker(130));
    painter.drawText(QPointF(16, 50), "трубный калькулятор");

    QLinearGradient stripe(0, 0, 801, 0);
    stripe.setColorAt(0.0, kDeepBlue);
    stripe.setColorAt(1.0, QColor(70, 110, 160));
    painter.fillRect(QRectF(0, 75, 801, 4), stripe);
}

// The seller's logo, square: a pipe end on a navy disc with the letter Т in the bore.
void PaintLogo(QPainter& painter) {
    QRadialGradient disc(QPointF(40, 36), 60);
    disc.setColorAt(0.0, QColor(70, 110, 160));
    disc.setColorAt(1.0, kDeepBlue);
    painter.setPen(QPen(kSteelLight, 2));
    painter.setBrush(disc);
    painter.drawEllipse(QPointF(50, 50), 47, 47);

    PipeEnd(painter, QPointF(50, 50), 34, 9);

    painter.setFont(PixelFont(34, true));
    painter.setPen(kSteelLight);
    painter.drawText(QRectF(16, 16, 68, 68), Qt::AlignCenter, "Т");
}

// The installer's side picture, 164 x 314, on its first and last page: the logo on a navy
// panel, the name under it and a stack of pipes at the foot.
void PaintInstallerSide(QPainter& painter) {
    QLinearGradient panel(0, 0, 0, 314);
    panel.setColorAt(0.0, kDeepBlue);
    panel.setColorAt(1.0, QColor(70, 110, 160));
    painter.fillRect(QRectF(0, 0, 164, 314), panel);

    painter.save();
    painter.translate(27, 36);
    painter.scale(1.1, 1.1);
    PaintLogo(painter);
    painter.restore();

    painter.setFont(PixelFont(22, true));
    painter.setPen(Qt::white);
    painter.drawText(QRectF(0, 160, 164, 30), Qt::AlignCenter, "Тесмарик");
    painter.setFont(PixelFont(12, false));
    painter.setPen(kSteelLight);
    painter.drawText(QRectF(0, 188, 164, 20), Qt::AlignCenter, "трубный калькулятор");

    PipeStack(painter, QPointF(38, 300), 11, 4);
}

// The installer's header picture, 150 x 57, right of the page's title: the logo at the
// right edge of the white header.
void PaintInstallerHeader(QPainter& painter) {
    painter.fillRect(QRectF(0, 0, 150, 57), Qt::white);
    painter.save();
    painter.translate(97, 3.5);
    painter.scale(0.5, 0.5);
    PaintLogo(painter);
    painter.restore();
}

}  // namespace

bool PaintInfoPicture(QPainter& painter, const QRect& area, const std::string& name) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    bool known = true;
    if (name == "info-banner") {
        UseDesignSize(painter, area, 801, 79);
        PaintBanner(painter);
    } else if (name == "info-logo") {
        UseDesignSize(painter, area, 100, 100);
        PaintLogo(painter);
    } else if (name == "info-installer-side") {
        UseDesignSize(painter, area, 164, 314);
        PaintInstallerSide(painter);
    } else if (name == "info-installer-header") {
        UseDesignSize(painter, area, 150, 57);
        PaintInstallerHeader(painter);
    } else {
        known = false;
    }
    painter.restore();
    return known;
}

}  // namespace tesmarik
