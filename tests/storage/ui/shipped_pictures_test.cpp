// The pictures of the shipped program folder open as pictures, have the sizes the windows
// expect, and hold what the map list and the shipped memos point at.

#include "platform/ApplicationIcon.h"
#include "storage/ClientDataSet.h"
#include "storage/YorraClockPathAndFile.h"

#include <QImage>
#include <QSet>
#include <QtTest>

#include <map>

namespace {

QString Q(const std::string& s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

QImage Load(const std::string& file) {
    QImage image;
    image.load(Q(file));
    return image;
}

// Distinct colours on a sparse lattice: a drawn picture has many, a blank one a single one.
int Colours(const QImage& image) {
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 3)
        for (int x = 0; x < image.width(); x += 3)
            colours.insert(image.pixel(x, y));
    return static_cast<int>(colours.size());
}

QStringList Lines(const std::string& text) {
    return Q(text).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
}

} // namespace

class ShippedPicturesTest : public QObject {
    Q_OBJECT

  private:
    const std::string build_ = std::string(YORRA_BUILD_DATA) + "/";
    TNoUserFolders noFolders_;
    // Map.ini comes from the committed files, the pictures from the build.
    TYorraClockPathAndFile source_{YORRA_SOURCE_DATA, noFolders_};

  private slots:
    void dayPhasePicturesFillTheClockStrip() {
        for (const char* name : {"夜.bmp", "朝.bmp", "午前.bmp", "午後.bmp", "夕焼け.bmp"}) {
            const QImage image = Load(build_ + name);
            QVERIFY2(!image.isNull(), name);
            QCOMPARE(image.size(), QSize(257, 57));
            QVERIFY2(Colours(image) > 50, name);
        }
    }

    void everyAreaHasAPictureThatFitsItsGrid() {
        const QStringList continents = Lines(source_.GetContinentNames());
        QVERIFY(continents.size() >= 2);
        for (const QString& continent : continents)
            for (const QString& area : Lines(source_.GetAreaNames(continent.toStdString()))) {
                const std::string name = area.toStdString();
                const QImage image = Load(build_ + "Map/" + name + ".bmp");
                QVERIFY2(!image.isNull(), qPrintable(area));
                int startX = 0, startY = 0, width = 0, height = 0;
                source_.GetAreaGrid(name, startX, startY, width, height);
                if (width > 0 && height > 0) // a whole number of cells each way
                    QCOMPARE(image.size(), QSize(10 * width, 8 * height));
                std::string ignored;
                int x = 0, y = 0;
                source_.GetAreaPosition(name, ignored, x, y);
                QVERIFY2(image.rect().contains(x, y), qPrintable(area));
                QVERIFY2(Colours(image) > 50, qPrintable(area));
            }
    }

    // The labels and points of the shipped memos lie on their area's picture.
    void shippedMemosPointIntoTheirPictures() {
        TClientDataSet memos;
        memos.LoadFromFile(std::string(YORRA_SOURCE_DATA) + "/DefaultDB/YorraPDAMemo17.xml");
        std::map<std::string, QSize> sizes;
        int placed = 0;
        for (memos.First(); !memos.Eof(); memos.Next()) {
            const std::string area = memos.FieldByName("MapAreaName").AsString();
            if (area.empty())
                continue;
            if (!sizes.count(area))
                sizes[area] = Load(build_ + "Map/" + area + ".bmp").size();
            const QRect picture(QPoint(0, 0), sizes[area]);
            for (const auto& [fx, fy] : {std::pair{"MapX", "MapY"}, {"MapPointX", "MapPointY"}}) {
                if (memos.FieldByName(fx).IsNull())
                    continue;
                const QPoint at(memos.FieldByName(fx).AsInteger(),
                                memos.FieldByName(fy).AsInteger());
                QVERIFY2(picture.contains(at),
                         qPrintable(Q(memos.FieldByName("MemoTitle").AsString())));
                ++placed;
            }
        }
        QVERIFY(placed >= 10);
    }

    void iconIsSquareWithATransparentCorner() {
        const QImage icon = Load(build_ + "YorraPDA.png");
        QVERIFY(!icon.isNull());
        QCOMPARE(icon.width(), icon.height());
        QVERIFY(icon.hasAlphaChannel());
        QCOMPARE(qAlpha(icon.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(icon.pixel(icon.width() / 2, icon.height() / 2)), 255);
        // What the windows load: the same file, scaled to the sizes they ask for.
        const QIcon windows = ApplicationIcon(build_);
        QVERIFY(!windows.isNull());
        QCOMPARE(windows.pixmap(32, 32).size(), QSize(32, 32));
        QVERIFY(ApplicationIcon(build_ + "Map/").isNull());
    }
};

QTEST_MAIN(ShippedPicturesTest)
#include "shipped_pictures_test.moc"
