#include "ImageFile.h"

#include "storage/AtomicFile.h"

#include <QBuffer>
#include <stdexcept>

void SaveImage(const QImage& image, const std::string& file, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    // Bitmaps are saved without an alpha channel, as 24-bit pictures.
    const QImage saved =
        std::string(format) == "BMP" ? image.convertToFormat(QImage::Format_RGB888) : image;
    if (!saved.save(&buffer, format))
        throw std::runtime_error(file + ": the picture could not be encoded");
    WriteFileAtomic(file,
                    std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}
