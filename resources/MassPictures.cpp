#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>
#include <algorithm>
#include <cmath>

#include "resources/DrawingKit.h"
#include "resources/Pictures.h"

namespace tesmarik {

namespace {

// The picture of the result area is designed at the size it has on the mass tab.
constexpr double kWidth = 321;
constexpr double kHeight = 262;
// Where the reference box of the tab lies over the picture: the formula band.
constexpr double kFormulaTop = 164;

const QColor kDeepBlue(27, 58, 102);
const QColor kSteelLight(236, 241, 246);
const QColor kSteelMid(176, 190, 204);
const QColor kSteelDark(92, 108, 126);
const QColor kBore(22, 26, 32);

// Colours of a pipe's surface from its dark edge over its highlight to its lower edge.
struct Surface {
    QColor edge;
    QColor highlight;
    QColor middle;
};

const Surface kBrightSteel{QColor(120, 132, 146), QColor(252, 253, 255), QColor(196, 206, 216)};
const Surface kScaleSteel{QColor(38, 42, 50), QColor(132, 138, 150), QColor(74, 80, 92)};
const Surface kBoilerSteel{QColor(70, 40, 36), QColor(188, 120, 100), QColor(128, 70, 60)};
const Surface kWeldedSteel{QColor(86, 100, 116), QColor(226, 232, 238), QColor(160, 174, 188)};

// One pipe seen end-on: a ring of steel around a dark bore; wall is a share of the radius.
void PipeEnd(QPainter& painter, QPointF centre, double radius, double wall, const Surface& s) {
    QRadialGradient steel(centre - QPointF(radius * 0.35, radius * 0.35), radius * 1.5);
    steel.setColorAt(0.0, s.highlight);
    steel.setColorAt(0.5, s.middle);
    steel.setColorAt(1.0, s.edge);
    painter.setPen(QPen(s.edge.darker(140), 0.8));
    painter.setBrush(steel);
    painter.drawEllipse(centre, radius, radius);
    const double bore = radius * (1 - wall);
    QRadialGradient dark(centre + QPointF(bore * 0.25, bore * 0.25), bore * 1.2);
    dark.setColorAt(0.0, QColor(70, 76, 86));
    dark.setColorAt(1.0, kBore);
    painter.setPen(QPen(s.edge.darker(170), 0.6));
    painter.setBrush(dark);
    painter.drawEllipse(centre, bore, bore);
}

// A pipe lying from left to right, seen from the side, its open end towards the right.
void PipeSide(QPainter& painter, const QRectF& body, double wall, const Surface& s) {
    QLinearGradient shade(0, body.top(), 0, body.bottom());
    shade.setColorAt(0.0, s.edge);
    shade.setColorAt(0.28, s.highlight);
    shade.setColorAt(0.62, s.middle);
    shade.setColorAt(1.0, s.edge.darker(115));
    const double r = body.height() / 2;
    const double depth = r * 0.42;  // half width of the end ellipse
    QPainterPath outline;
    outline.moveTo(body.left() + depth, body.top());
    outline.lineTo(body.right(), body.top());
    outline.lineTo(body.right(), body.bottom());
    outline.lineTo(body.left() + depth, body.bottom());
    outline.arcTo(QRectF(body.left(), body.top(), 2 * depth, body.height()), 270, -180);
    painter.setPen(QPen(s.edge.darker(140), 0.7));
    painter.setBrush(shade);
    painter.drawPath(outline);

    const QRectF end(body.right() - depth, body.top(), 2 * depth, body.height());
    painter.setBrush(s.middle);
    painter.drawEllipse(end);
    const double inset = wall * r;
    painter.setBrush(kBore);
    painter.drawEllipse(end.adjusted(inset * depth / r, inset, -inset * depth / r, -inset));
}

void Caption(QPainter& painter, const QRectF& box, const QString& text) {
    painter.setPen(kDeepBlue);
    painter.setFont(PixelFont(10.5, true));
    painter.drawText(box, Qt::AlignHCenter | Qt::AlignVCenter, text);
}

// Boiler pipes: thick walls, a stack of pipe ends warmed by the boiler's fire.
void BoilerPipes(QPainter& painter, const QRectF& area) {
    QRadialGradient glow(area.center() + QPointF(0, area.height() * 0.35), area.width() * 0.5);
    glow.setColorAt(0.0, QColor(255, 170, 70, 150));
    glow.setColorAt(1.0, QColor(255, 170, 70, 0));
    painter.fillRect(area, glow);
    const double radius = area.height() * 0.21;
    const QPointF base(area.center().x(), area.bottom() - radius - 2);
    const double step = radius * 2.02;
    for (int i = -1; i <= 1; ++i) {
        PipeEnd(painter, base + QPointF(i * step, 0), radius, 0.45, kBoilerSteel);
    }
    for (int i = 0; i < 2; ++i) {
        PipeEnd(painter, base + QPointF((i - 0.5) * step, -radius * 1.74), radius, 0.45,
                kBoilerSteel);
    }
}

// Hot-deformed pipes: dark mill scale, the far end still glowing from the rolling mill.
void HotDeformedPipes(QPainter& painter, const QRectF& area) {
    const double h = area.height() * 0.36;
    for (int i = 0; i < 2; ++i) {
        const QRectF body(area.left() + 6 + i * 10, area.top() + 4 + i * (h + 4), area.width() - 22,
                          h);
        QRadialGradient heat(body.left() + h * 0.4, body.center().y(), h * 1.6);
        heat.setColorAt(0.0, QColor(255, 120, 20, 220));
        heat.setColorAt(1.0, QColor(255, 60, 0, 0));
        PipeSide(painter, body, 0.22, kScaleSteel);
        painter.setPen(Qt::NoPen);
        painter.setBrush(heat);
        painter.drawEllipse(QPointF(body.left() + h * 0.4, body.center().y()), h * 1.2, h * 0.55);
    }
}

// Cold-deformed pipes: bright, thin-walled tubes in a neat bundle.
void ColdDeformedPipes(QPainter& painter, const QRectF& area) {
    const double h = area.height() * 0.2;
    for (int i = 0; i < 4; ++i) {
        const QRectF body(area.left() + 4 + (i % 2) * 8, area.top() + 3 + i * (h + 1.5),
                          area.width() - 16, h);
        PipeSide(painter, body, 0.14, kBrightSteel);
    }
}

// Electric-welded pipes: a large pipe with its straight weld seam and the welding arc.
void ElectricWeldedPipes(QPainter& painter, const QRectF& area) {
    const QRectF body(area.left() + 4, area.top() + 6, area.width() - 14, area.height() * 0.72);
    PipeSide(painter, body, 0.08, kWeldedSteel);
    const double seamY = body.top() + body.height() * 0.2;
    painter.setPen(QPen(QColor(90, 80, 70), 2.2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(body.left() + 12, seamY), QPointF(body.right() - 14, seamY));
    painter.setPen(QPen(QColor(200, 190, 170), 0.8, Qt::DotLine));
    painter.drawLine(QPointF(body.left() + 12, seamY), QPointF(body.right() - 14, seamY));
    const QPointF arc(body.left() + body.width() * 0.55, seamY);
    QRadialGradient flash(arc, 9);
    flash.setColorAt(0.0, QColor(255, 255, 255));
    flash.setColorAt(0.35, QColor(140, 200, 255, 230));
    flash.setColorAt(1.0, QColor(80, 160, 255, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(flash);
    painter.drawEllipse(arc, 9, 9);
    painter.setPen(QPen(QColor(255, 220, 120), 0.9));
    for (int i = 0; i < 7; ++i) {
        const double angle = -2.6 + i * 0.38;
        painter.drawLine(arc + QPointF(std::cos(angle) * 4, std::sin(angle) * 4),
                         arc + QPointF(std::cos(angle) * 12, std::sin(angle) * 12));
    }
}

// The mass formula with a pipe section that names D and s, in the band below the kinds.
void FormulaBand(QPainter& painter, const QRectF& band) {
    QLinearGradient plate(0, band.top(), 0, band.bottom());
    plate.setColorAt(0.0, QColor(244, 247, 250));
    plate.setColorAt(1.0, QColor(214, 224, 234));
    painter.fillRect(band, plate);

    const double radius = band.height() * 0.3;
    const double wall = 0.24;
    const QPointF centre(band.left() + 46, band.top() + band.height() * 0.42);
    PipeEnd(painter, centre, radius, wall, kBrightSteel);
    // D under the section, s across the wall on its right.
    const double below = centre.y() + radius + 5;
    painter.setPen(QPen(kDeepBlue, 1));
    painter.drawLine(QPointF(centre.x() - radius, below), QPointF(centre.x() + radius, below));
    painter.drawLine(QPointF(centre.x() - radius, below - 3),
                     QPointF(centre.x() - radius, below + 3));
    painter.drawLine(QPointF(centre.x() + radius, below - 3),
                     QPointF(centre.x() + radius, below + 3));
    painter.setFont(PixelFont(10, true));
    painter.drawText(QRectF(centre.x() - 10, below + 1, 20, 13), Qt::AlignCenter, "D");
    painter.setPen(QPen(QColor(220, 110, 20), 2));
    painter.drawLine(QPointF(centre.x() + radius * (1 - wall), centre.y()),
                     QPointF(centre.x() + radius + 6, centre.y()));
    painter.setPen(kDeepBlue);
    painter.drawText(QRectF(centre.x() + radius + 7, centre.y() - 7, 12, 13), Qt::AlignCenter, "s");

    const QRectF text(band.left() + 100, band.top() + 8, band.width() - 108, band.height() - 16);
    painter.setPen(kDeepBlue);
    painter.setFont(PixelFont(13, true));
    painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter,
                     QString::fromUtf8("m = (D − s) · s · 0,02466\nкг на метр трубы"));
}

void PaintPipeKinds(QPainter& painter) {
    painter.fillRect(QRectF(0, 0, kWidth, kHeight), kSteelLight);

    const QRectF title(0, 0, kWidth, 30);
    QLinearGradient band(0, 0, 0, title.height());
    band.setColorAt(0.0, kDeepBlue.lighter(140));
    band.setColorAt(1.0, kDeepBlue);
    painter.fillRect(title, band);
    painter.setPen(Qt::white);
    painter.setFont(PixelFont(15, true));
    painter.drawText(title, Qt::AlignCenter, QString::fromUtf8("Расчёт теоретической массы"));

    struct Kind {
        const char* name;
        void (*draw)(QPainter&, const QRectF&);
    };
    const Kind kinds[] = {{"котельные", BoilerPipes},
                          {"горячедеформированные", HotDeformedPipes},
                          {"холоднодеформированные", ColdDeformedPipes},
                          {"электросварные", ElectricWeldedPipes}};
    const double tileWidth = (kWidth - 12) / 2;
    const double tileHeight = (kFormulaTop - title.height() - 8) / 2;
    for (int i = 0; i < 4; ++i) {
        const QRectF tile(4 + (i % 2) * (tileWidth + 4),
                          title.height() + 3 + (i / 2) * (tileHeight + 2), tileWidth, tileHeight);
        painter.setPen(QPen(kSteelMid, 1));
        painter.setBrush(Qt::white);
        painter.drawRoundedRect(tile, 4, 4);
        const QRectF picture = tile.adjusted(4, 2, -4, -15);
        painter.save();
        painter.setClipRect(picture);
        kinds[i].draw(painter, picture);
        painter.restore();
        Caption(painter, QRectF(tile.left(), tile.bottom() - 15, tile.width(), 14),
                QString::fromUtf8(kinds[i].name));
    }
    FormulaBand(painter, QRectF(0, kFormulaTop, kWidth, kHeight - kFormulaTop));
}

// A sheet with text lines in front of a small grid: the switch between grid and report.
void PaintReportGlyph(QPainter& painter) {
    painter.setPen(QPen(kSteelDark, 1));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(1.5, 1.5, 9, 11));
    painter.drawLine(QPointF(6, 1.5), QPointF(6, 12.5));
    for (double y = 4.5; y < 12; y += 3) {
        painter.drawLine(QPointF(1.5, y), QPointF(10.5, y));
    }
    QPainterPath sheet;
    sheet.moveTo(6.5, 5.5);
    sheet.lineTo(13, 5.5);
    sheet.lineTo(15.5, 8);
    sheet.lineTo(15.5, 15.5);
    sheet.lineTo(6.5, 15.5);
    sheet.closeSubpath();
    painter.setPen(QPen(kDeepBlue, 1));
    painter.setBrush(QColor(255, 252, 228));
    painter.drawPath(sheet);
    for (double y = 9; y < 15; y += 2) {
        painter.drawLine(QPointF(8.5, y), QPointF(13.5, y));
    }
}

// A log book in front of a result panel: the switch between result and log.
void PaintLogGlyph(QPainter& painter) {
    painter.setPen(QPen(kSteelDark, 1));
    painter.setBrush(kSteelMid);
    painter.drawRect(QRectF(1.5, 1.5, 10, 8));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(3, 3, 7, 2));
    painter.setPen(QPen(kDeepBlue, 1));
    painter.setBrush(QColor(255, 252, 228));
    painter.drawRect(QRectF(5.5, 5.5, 10, 10));
    for (double y = 8; y < 15; y += 2) {
        painter.drawLine(QPointF(7.5, y), QPointF(13.5, y));
    }
    painter.setPen(QPen(QColor(180, 40, 40), 1.2));
    for (double y = 7; y < 15; y += 3) {
        painter.drawPoint(QPointF(5.5, y));
    }
}

// The glyphs are drawn on a 17 x 17 design square.
void PaintGlyph(QPainter& painter, const QRect& area, void (*draw)(QPainter&)) {
    const double side = std::min(area.width(), area.height());
    painter.translate(area.left() + (area.width() - side) / 2,
                      area.top() + (area.height() - side) / 2);
    painter.scale(side / 17, side / 17);
    draw(painter);
}

}  // namespace

bool PaintMassPicture(QPainter& painter, const QRect& area, const std::string& name) {
    painter.save();
    bool known = true;
    if (name == "mass-pipe-kinds") {
        UseDesignSize(painter, area, kWidth, kHeight);
        PaintPipeKinds(painter);
    } else if (name == "mass-glyph-report") {
        PaintGlyph(painter, area, PaintReportGlyph);
    } else if (name == "mass-glyph-log") {
        PaintGlyph(painter, area, PaintLogGlyph);
    } else {
        known = false;
    }
    painter.restore();
    return known;
}

}  // namespace tesmarik
