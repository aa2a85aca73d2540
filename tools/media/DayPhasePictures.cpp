#include "DayPhasePictures.h"

#include "ImageFile.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>

#include <cmath>

namespace {

constexpr int Width = 257;
constexpr int Height = 57;

struct TPhase {
    const char* FileName;
    QColor SkyTop;
    QColor SkyBottom;
    QColor Hills;
    QColor Light;  // sun or moon
    double LightX; // 0 left … 1 right
    double LightY; // 0 top … 1 bottom
    bool Moon;
};

void DrawStars(QPainter& p) {
    QRandomGenerator random(20050327); // the same sky on every build
    for (int i = 0; i < 40; ++i) {
        const int x = random.bounded(Width);
        const int y = random.bounded(Height - 18);
        p.setPen(QColor(255, 255, 230, 120 + random.bounded(135)));
        p.drawPoint(x, y);
    }
}

void DrawLight(QPainter& p, const TPhase& phase) {
    const QPointF centre(phase.LightX * Width, phase.LightY * Height);
    QRadialGradient glow(centre, 22);
    QColor halo = phase.Light;
    halo.setAlpha(110);
    glow.setColorAt(0, halo);
    glow.setColorAt(1, QColor(halo.red(), halo.green(), halo.blue(), 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(centre, 22, 22);
    p.setBrush(phase.Light);
    p.drawEllipse(centre, 8, 8);
    if (phase.Moon) { // a crescent: the sky covers part of the disc
        p.setBrush(phase.SkyTop);
        p.drawEllipse(centre + QPointF(4, -3), 7, 7);
    }
}

// Two rows of rolling hills along the bottom edge.
void DrawHills(QPainter& p, const QColor& colour) {
    for (int row = 0; row < 2; ++row) {
        QPainterPath hills;
        const double base = Height - 12 + row * 6;
        hills.moveTo(0, Height);
        for (int x = 0; x <= Width; x += 4) {
            const double y =
                base - 5 * std::sin(x / (23.0 - row * 7)) - 3 * std::sin(x / 9.0 + row);
            hills.lineTo(x, y);
        }
        hills.lineTo(Width, Height);
        hills.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(row == 0 ? colour : colour.darker(130));
        p.drawPath(hills);
    }
}

void WritePhase(const std::string& folder, const TPhase& phase) {
    QImage image(Width, Height, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, Height);
    sky.setColorAt(0, phase.SkyTop);
    sky.setColorAt(1, phase.SkyBottom);
    p.fillRect(image.rect(), sky);
    if (phase.Moon)
        DrawStars(p);
    DrawLight(p, phase);
    DrawHills(p, phase.Hills);
    p.end();
    SaveImage(image, folder + phase.FileName, "BMP");
}

} // namespace

void WriteDayPhasePictures(const std::string& programFolder) {
    const TPhase phases[] = {
        {"夜.bmp", QColor(8, 12, 48), QColor(36, 40, 96), QColor(20, 36, 40), QColor(250, 246, 200),
         0.78, 0.3, true},
        {"朝.bmp", QColor(70, 90, 160), QColor(250, 190, 150), QColor(60, 100, 70),
         QColor(255, 230, 170), 0.15, 0.8, false},
        {"午前.bmp", QColor(90, 160, 235), QColor(200, 230, 255), QColor(90, 160, 80),
         QColor(255, 250, 210), 0.3, 0.3, false},
        {"午後.bmp", QColor(60, 130, 225), QColor(170, 215, 250), QColor(80, 150, 70),
         QColor(255, 255, 225), 0.7, 0.22, false},
        {"夕焼け.bmp", QColor(120, 60, 110), QColor(250, 140, 60), QColor(70, 60, 50),
         QColor(255, 120, 50), 0.85, 0.72, false},
    };
    for (const TPhase& phase : phases)
        WritePhase(programFolder, phase);
}
