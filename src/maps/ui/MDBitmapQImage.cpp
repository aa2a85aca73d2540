#include "maps/ui/MDBitmapQImage.h"

#include <cstring>

QImage BitmapToQImage(const TMDBitmap& bitmap) {
    if (bitmap.Empty())
        return {};
    QImage image(bitmap.Width(), bitmap.Height(),
                 bitmap.BitsPerPixel() == 32 ? QImage::Format_RGB32 : QImage::Format_BGR888);
    for (int y = 0; y < bitmap.Height(); ++y)
        std::memcpy(image.scanLine(y), bitmap.ScanLine(y), bitmap.RowBytes());
    return image;
}

TMDBitmap QImageToBitmap(const QImage& image) {
    if (image.isNull())
        return TMDBitmap(0, 0, 24);
    const QImage bgr = image.convertToFormat(QImage::Format_BGR888);
    TMDBitmap bitmap(bgr.width(), bgr.height(), 24);
    for (int y = 0; y < bgr.height(); ++y)
        std::memcpy(bitmap.ScanLine(y), bgr.constScanLine(y), bitmap.RowBytes());
    return bitmap;
}
