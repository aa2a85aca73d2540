#include "AppIcon.h"

#include "ImageFile.h"

#include <QPainter>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

void WriteAppIcon(const std::string& programFolder) {
    constexpr int Size = 256;
    QImage image(Size, Size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(Size / 2.0, Size / 2.0);

    QRadialGradient face(centre - QPointF(30, 30), 150);
    face.setColorAt(0, QColor(255, 252, 235));
    face.setColorAt(1, QColor(240, 215, 160));
    p.setPen(QPen(QColor(120, 80, 40), 12));
    p.setBrush(face);
    p.drawEllipse(centre, 112, 112);

    // Hour marks.
    for (int i = 0; i < 12; ++i) {
        const double a = i * std::numbers::pi / 6;
        const QPointF dir(std::sin(a), -std::cos(a));
        p.setPen(QPen(QColor(120, 80, 40), i % 3 == 0 ? 10 : 5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(centre + dir * 84, centre + dir * 96);
    }

    // A crescent moon in the upper half: the game clock runs through day and night.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 200, 60));
    p.drawEllipse(centre + QPointF(0, -46), 28, 28);
    p.setBrush(QColor(255, 250, 230));
    p.drawEllipse(centre + QPointF(12, -54), 24, 24);

    // Hands at ten past ten.
    auto hand = [&](double turns, double length, double width, QColor colour) {
        const double a = turns * 2 * std::numbers::pi;
        p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(centre, centre + QPointF(std::sin(a), -std::cos(a)) * length);
    };
    hand(10.17 / 12, 56, 14, QColor(70, 50, 40));
    hand(10.0 / 60, 82, 9, QColor(70, 50, 40));
    p.setBrush(QColor(200, 60, 60));
    p.setPen(Qt::NoPen);
    p.drawEllipse(centre, 11, 11);
    p.end();
    SaveImage(image, programFolder + "YorraPDA.png", "PNG");
}
