#include "MapPictures.h"

#include "ImageFile.h"

#include "storage/CommaText.h"
#include "storage/YorraClockPathAndFile.h"

#include <QFont>
#include <QPainter>
#include <QRandomGenerator>

#include <cmath>
#include <filesystem>
#include <sstream>

namespace {

QString Q(const std::string& utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// The same picture on every build: the random features are seeded from the area's name.
std::uint32_t Seed(const std::string& text) {
    std::uint32_t hash = 2166136261u;
    for (unsigned char c : text)
        hash = (hash ^ c) * 16777619u;
    return hash;
}

struct TEntry {
    std::string Target;
    std::string Caption;
    int X = 0;
    int Y = 0;
};

enum TSide { Top, Bottom, Left, Right };

struct TArea {
    std::string Name;
    std::string Continent;
    int X = 0, Y = 0;
    int GridWidth = 0, GridHeight = 0;
    std::vector<TEntry> Sides[4];
};

std::vector<TEntry> Entries(const std::vector<std::string>& fields) {
    std::vector<TEntry> entries;
    for (std::size_t i = 0; i + 4 <= fields.size(); i += 4) {
        TEntry e{fields[i], fields[i + 1]};
        e.X = std::atoi(fields[i + 2].c_str());
        e.Y = std::atoi(fields[i + 3].c_str());
        entries.push_back(e);
    }
    return entries;
}

double DistanceToSegment(QPointF p, QPointF a, QPointF b) {
    const QPointF ab = b - a;
    const double length2 = QPointF::dotProduct(ab, ab);
    const double t =
        length2 == 0 ? 0 : std::clamp(QPointF::dotProduct(p - a, ab) / length2, 0.0, 1.0);
    const QPointF d = p - (a + t * ab);
    return std::hypot(d.x(), d.y());
}

QPointF EdgePoint(TSide side, int w, int h) {
    switch (side) {
    case Top:
        return {w / 2.0, 0};
    case Bottom:
        return {w / 2.0, static_cast<double>(h)};
    case Left:
        return {0, h / 2.0};
    case Right:
        return {static_cast<double>(w), h / 2.0};
    }
    return {};
}

class TMapPainter {
  public:
    TMapPainter(const TArea& area, const TYorraClockPathAndFile& paths, QColor land)
        : area_(area), paths_(paths), land_(land), random_(Seed(area.Name)) {
        w_ = area.GridWidth > 0 ? area.GridWidth * 10 : 640;
        h_ = area.GridHeight > 0 ? area.GridHeight * 8 : 512;
        town_ = area.GridWidth > 0 && area.GridWidth <= 64;
    }

    QImage Paint() {
        QImage image(w_, h_, QImage::Format_RGB32);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.fillRect(image.rect(), land_);
        DrawTexture(p);
        CollectRoads();
        FindSea();
        DrawForests(p);
        DrawRoads(p);
        DrawSea(p);
        if (town_)
            DrawHouses(p);
        DrawPlaces(p);
        DrawLabels(p);
        return image;
    }

  private:
    bool IsInner(const TEntry& e) const { return e.Target == area_.Name; }

    bool OtherContinent(const TEntry& e) const {
        std::string continent;
        int x = 0, y = 0;
        paths_.GetAreaPosition(e.Target, continent, x, y);
        return !IsInner(e) && continent != area_.Continent;
    }

    void DrawTexture(QPainter& p) {
        p.setPen(Qt::NoPen);
        for (int i = 0; i < w_ * h_ / 400; ++i) {
            const int shade = random_.bounded(2) ? 108 : 94;
            QColor c = land_.lighter(shade);
            c.setAlpha(120);
            p.setBrush(c);
            p.drawEllipse(QPointF(random_.bounded(w_), random_.bounded(h_)), 3 + random_.bounded(6),
                          2 + random_.bounded(4));
        }
    }

    // Sea along a side whose neighbour lies on another continent: the crossing is by ship.
    void FindSea() {
        for (int side = 0; side < 4; ++side) {
            bool sea = false;
            for (const TEntry& e : area_.Sides[side])
                sea = sea || OtherContinent(e);
            if (!sea)
                continue;
            const int depth = (side == Top || side == Bottom ? h_ : w_) / 4;
            switch (side) {
            case Top:
                sea_.push_back({QRectF(0, 0, w_, depth), EdgePoint(Top, w_, h_)});
                break;
            case Bottom:
                sea_.push_back({QRectF(0, h_ - depth, w_, depth), EdgePoint(Bottom, w_, h_)});
                break;
            case Left:
                sea_.push_back({QRectF(0, 0, depth, h_), EdgePoint(Left, w_, h_)});
                break;
            case Right:
                sea_.push_back({QRectF(w_ - depth, 0, depth, h_), EdgePoint(Right, w_, h_)});
                break;
            }
        }
    }

    bool InSea(QPointF at) const {
        for (const auto& [rect, edge] : sea_)
            if (rect.adjusted(-12, -12, 12, 12).contains(at))
                return true;
        return false;
    }

    // The water, a pier where the road meets it and a ship at the pier's end.
    void DrawSea(QPainter& p) {
        for (const auto& [rect, edge] : sea_) {
            p.setPen(QPen(QColor(240, 230, 190), 10));
            p.setBrush(QColor(70, 130, 200));
            p.drawRect(rect);
            p.setPen(QPen(QColor(150, 200, 240), 1));
            for (int i = 0; i < 30; ++i) { // waves
                const QPointF at(rect.left() + random_.bounded(static_cast<int>(rect.width())),
                                 rect.top() + random_.bounded(static_cast<int>(rect.height())));
                p.drawLine(at, at + QPointF(8, 0));
            }
            const QPointF centre(area_.X, area_.Y);
            const QPointF coast = rect.contains(centre) ? centre : Clip(centre, edge, rect);
            const QPointF pierEnd = coast + (edge - coast) * 0.5;
            p.setPen(QPen(QColor(110, 80, 50), 12, Qt::SolidLine, Qt::FlatCap));
            p.drawLine(coast, pierEnd);
            p.setPen(QPen(QColor(60, 40, 30), 2));
            p.setBrush(QColor(150, 90, 50));
            const QPointF hull[] = {pierEnd + QPointF(-22, 14), pierEnd + QPointF(22, 14),
                                    pierEnd + QPointF(14, 26), pierEnd + QPointF(-14, 26)};
            p.drawPolygon(hull, 4);
            p.setBrush(QColor(250, 250, 240));
            const QPointF sail[] = {pierEnd + QPointF(0, -16), pierEnd + QPointF(0, 12),
                                    pierEnd + QPointF(18, 12)};
            p.drawPolygon(sail, 3);
        }
    }

    // Where the line from inside to the edge enters the rectangle.
    static QPointF Clip(QPointF from, QPointF to, const QRectF& rect) {
        QPointF at = from;
        for (int i = 0; i <= 200 && !rect.contains(at); ++i)
            at = from + (to - from) * (i / 200.0);
        return at;
    }

    void CollectRoads() {
        const QPointF centre(area_.X, area_.Y);
        for (int side = 0; side < 4; ++side)
            for (const TEntry& e : area_.Sides[side]) {
                if (IsInner(e))
                    roads_.push_back({centre, QPointF(e.X, e.Y)});
                else
                    roads_.push_back({centre, EdgePoint(static_cast<TSide>(side), w_, h_)});
            }
    }

    bool NearRoad(QPointF at, double margin) const {
        if (std::hypot(at.x() - area_.X, at.y() - area_.Y) < margin + 24)
            return true;
        for (const auto& [a, b] : roads_)
            if (DistanceToSegment(at, a, b) < margin)
                return true;
        return false;
    }

    void DrawForests(QPainter& p) {
        const int clumps = town_ ? 8 : 18;
        for (int i = 0; i < clumps; ++i) {
            const QPointF centre(random_.bounded(w_), random_.bounded(h_));
            for (int t = 0; t < 9; ++t) {
                const QPointF tree =
                    centre + QPointF(random_.bounded(50) - 25, random_.bounded(40) - 20);
                if (NearRoad(tree, 22) || (town_ && NearRoad(tree, 60)) || InSea(tree))
                    continue;
                p.setPen(QPen(QColor(30, 70, 30), 1));
                p.setBrush(QColor(50 + random_.bounded(30), 110 + random_.bounded(30), 50));
                p.drawEllipse(tree, 7, 7);
            }
        }
    }

    // A dark edge and a pale surface, so roads show on grass and on sand alike.
    void DrawRoads(QPainter& p) {
        const std::pair<QColor, int> layers[] = {{QColor(110, 85, 55), 14},
                                                 {QColor(240, 228, 196), 10}};
        for (const auto& [colour, width] : layers) {
            p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
            for (const auto& [a, b] : roads_)
                p.drawLine(a, b);
        }
    }

    void DrawHouses(QPainter& p) {
        int placed = 0;
        for (int attempt = 0; attempt < 400 && placed < 14; ++attempt) {
            const double angle = random_.bounded(360) * 3.14159265 / 180;
            const double distance = 50 + random_.bounded(110);
            const QPointF at(area_.X + distance * std::cos(angle),
                             area_.Y + distance * std::sin(angle));
            if (NearRoad(at, 24) || InSea(at) || at.x() < 20 || at.y() < 40 || at.x() > w_ - 30 ||
                at.y() > h_ - 30)
                continue;
            const QRectF wall(at.x() - 10, at.y() - 4, 20, 14);
            p.setPen(QPen(QColor(90, 70, 50), 1));
            p.setBrush(QColor(235, 225, 200));
            p.drawRect(wall);
            const QPointF roof[] = {{wall.left() - 3, wall.top()},
                                    {wall.right() + 3, wall.top()},
                                    {at.x(), wall.top() - 10}};
            p.setBrush(QColor(170, 70, 50));
            p.drawPolygon(roof, 3);
            ++placed;
        }
    }

    // The square in the middle and the places reachable inside the area.
    void DrawPlaces(QPainter& p) {
        p.setPen(QPen(QColor(130, 120, 100), 2));
        p.setBrush(QColor(215, 205, 180));
        p.drawEllipse(QPointF(area_.X, area_.Y), town_ ? 26 : 14, town_ ? 26 : 14);
        QFont font(QStringLiteral("IPAGothic"));
        font.setPixelSize(13);
        p.setFont(font);
        for (const auto& side : area_.Sides)
            for (const TEntry& e : side)
                if (IsInner(e)) {
                    p.setPen(QPen(QColor(130, 120, 100), 2));
                    p.setBrush(QColor(215, 205, 180));
                    p.drawEllipse(QPointF(e.X, e.Y), 12, 12);
                    Caption(p, QPointF(e.X, e.Y + 26), Q(e.Caption.empty() ? e.Target : e.Caption));
                }
    }

    void Caption(QPainter& p, QPointF centre, const QString& text) {
        const QRectF box = p.fontMetrics().boundingRect(text).adjusted(-4, -2, 4, 2);
        QRectF at = box.translated(centre - box.center());
        at.moveLeft(std::clamp(at.left(), 2.0, w_ - at.width() - 2));
        at.moveTop(std::clamp(at.top(), 2.0, h_ - at.height() - 2));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 190));
        p.drawRoundedRect(at, 4, 4);
        p.setPen(QColor(40, 40, 40));
        p.drawText(at, Qt::AlignCenter, text);
    }

    void DrawLabels(QPainter& p) {
        QFont font(QStringLiteral("IPAGothic"));
        font.setPixelSize(13);
        p.setFont(font);
        static const char* const arrows[] = {"▲ ", "▼ ", "◀ ", "▶ "};
        for (int side = 0; side < 4; ++side)
            for (const TEntry& e : area_.Sides[side])
                if (!IsInner(e)) {
                    const QPointF edge = EdgePoint(static_cast<TSide>(side), w_, h_);
                    const QPointF inward =
                        (QPointF(area_.X, area_.Y) - edge) *
                        (40.0 / std::hypot(area_.X - edge.x(), area_.Y - edge.y()));
                    Caption(p,
                            edge + inward + QPointF(side >= Left ? 0 : 70, side >= Left ? -24 : 0),
                            Q(arrows[side] + (e.Caption.empty() ? e.Target : e.Caption)));
                }

        QFont title(QStringLiteral("IPAGothic"));
        title.setPixelSize(22);
        title.setBold(true);
        p.setFont(title);
        const QString name = Q(area_.Name);
        QRectF box = p.fontMetrics().boundingRect(name).adjusted(-10, -5, 10, 5);
        box.moveTopLeft(QPointF(10, 10));
        p.setPen(QPen(QColor(90, 70, 40), 2));
        p.setBrush(QColor(255, 248, 225, 230));
        p.drawRoundedRect(box, 6, 6);
        p.setPen(QColor(60, 40, 20));
        p.drawText(box, Qt::AlignCenter, name);

        // Scale: one grid cell, and north at the top.
        p.setFont(font);
        p.setPen(QPen(QColor(40, 40, 40), 2));
        const int cell = area_.GridWidth > 0 ? area_.GridWidth : 64;
        const QPointF right(w_ - 14, h_ - 14);
        p.drawLine(right - QPointF(cell, 0), right);
        p.drawLine(right - QPointF(cell, 4), right - QPointF(cell, -4));
        p.drawLine(right - QPointF(0, 4), right + QPointF(0, 4));
        p.drawText(QRectF(right.x() - cell, right.y() - 20, cell, 16), Qt::AlignCenter,
                   area_.GridWidth > 0 ? QStringLiteral("1マス") : QStringLiteral("64 px"));
        p.drawText(QRectF(w_ - 40, 10, 30, 20), Qt::AlignCenter, QStringLiteral("N↑"));
    }

    const TArea& area_;
    const TYorraClockPathAndFile& paths_;
    QColor land_;
    QRandomGenerator random_;
    int w_ = 640, h_ = 512;
    bool town_ = false;
    std::vector<std::pair<QPointF, QPointF>> roads_;
    std::vector<std::pair<QRectF, QPointF>> sea_; // water and the middle of its map edge
};

} // namespace

void WriteMapPictures(const std::string& sourceFolder, const std::string& outputFolder) {
    TNoUserFolders noFolders;
    const TYorraClockPathAndFile paths(sourceFolder, noFolders);
    const std::string mapFolder = outputFolder + "Map/";
    std::filesystem::create_directories(mapFolder);
    const QColor lands[] = {QColor(212, 194, 140), QColor(126, 176, 94), QColor(150, 170, 120)};
    const std::vector<std::string> continents = SplitListLines(paths.GetContinentNames());
    for (std::size_t c = 0; c < continents.size(); ++c)
        for (const std::string& name : SplitListLines(paths.GetAreaNames(continents[c]))) {
            TArea area;
            area.Name = name;
            paths.GetAreaPosition(name, area.Continent, area.X, area.Y);
            int startX = 0, startY = 0;
            paths.GetAreaGrid(name, startX, startY, area.GridWidth, area.GridHeight);
            std::vector<std::string> sides[4];
            paths.GetAreaNeighbours(name, sides[Top], sides[Bottom], sides[Left], sides[Right]);
            for (int s = 0; s < 4; ++s)
                area.Sides[s] = Entries(sides[s]);
            TMapPainter painter(area, paths, lands[c % 3]);
            SaveImage(painter.Paint(), mapFolder + name + ".bmp", "BMP");
        }
}
