#include "maps/ui/MDImageViewLayers.h"

#include "maps/ui/MDImageViewScrollBox.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPaintEvent>

#include <algorithm>

namespace {

QColor ToQColor(TMDColor c) {
    return QColor(c.R, c.G, c.B);
}

// The pixels from (Left, Top) up to but not including (Right, Bottom), corners in any order.
QRect Normalized(const TMDRect& r) {
    const int left = std::min(r.Left, r.Right), top = std::min(r.Top, r.Bottom);
    return QRect(left, top, std::max(r.Left, r.Right) - left, std::max(r.Top, r.Bottom) - top);
}

// Exclusive-or fills of disjoint strips, so that no pixel is combined twice.
void XorOutline(QPainter& painter, const QRect& r, int t, const QColor& color) {
    const int w = r.width(), h = r.height();
    if (w <= 0 || h <= 0)
        return;
    // A rectangle too small for an inside is all outline.
    if (w <= 2 * t || h <= 2 * t) {
        painter.fillRect(r, color);
        return;
    }
    painter.fillRect(r.x(), r.y(), w, t, color);
    painter.fillRect(r.x(), r.y() + h - t, w, t, color);
    painter.fillRect(r.x(), r.y() + t, t, h - 2 * t, color);
    painter.fillRect(r.x() + w - t, r.y() + t, t, h - 2 * t, color);
}

} // namespace

TMDPictureLayer::TMDPictureLayer(TMDImageViewScrollBox* view, QWidget* parent)
    : QWidget(parent), view_(view) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TMDPictureLayer::ClearImage() {
    image_ = QImage();
    band_.reset();
    mark_.reset();
    update();
}

void TMDPictureLayer::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (image_.isNull())
        return;
    if (image_.size() == size())
        painter.drawImage(0, 0, image_);
    else
        painter.drawImage(rect(), image_);
    if (!band_ && !mark_)
        return;
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    if (band_) {
        const QRect r = Normalized(*band_);
        if (r.width() > 4 && r.height() > 4)
            painter.fillRect(r.adjusted(2, 2, -2, -2), Qt::white);
        XorOutline(painter, r, 2, QColor(255, 255, 0));
    }
    if (mark_)
        XorOutline(painter, Normalized(*mark_), 1, Qt::white);
}

void TMDPictureLayer::mousePressEvent(QMouseEvent* event) {
    view_->LayerMousePress(this, event);
}

void TMDPictureLayer::mouseMoveEvent(QMouseEvent* event) {
    view_->LayerMouseMove(this, event);
}

void TMDPictureLayer::mouseReleaseEvent(QMouseEvent* event) {
    view_->LayerMouseRelease(this, event);
}

TMDOverlayLayer::TMDOverlayLayer(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setEnabled(false);
}

void TMDOverlayLayer::BeginRecording() {
    if (recorder_.isActive())
        recorder_.end();
    picture_ = QPicture();
    recorder_.begin(&picture_);
    recorder_.setBackgroundMode(Qt::TransparentMode);
}

void TMDOverlayLayer::Line(int x1, int y1, int x2, int y2, TMDColor color) {
    // A cosmetic pen stays one screen pixel wide at every zoom.
    QPen pen(ToQColor(color));
    pen.setCosmetic(true);
    recorder_.setPen(pen);
    recorder_.drawLine(x1, y1, x2, y2);
}

void TMDOverlayLayer::EndRecording() {
    recorder_.end();
    update();
}

void TMDOverlayLayer::Clear() {
    if (recorder_.isActive())
        recorder_.end();
    picture_ = QPicture();
    update();
}

void TMDOverlayLayer::SelectFont(const TMDFont& font) {
    recorder_.setFont(ToQFont(font));
}

TMDSize TMDOverlayLayer::TextExtent(const std::string& text) {
    const QFontMetrics metrics(recorder_.font(), &picture_);
    return {metrics.horizontalAdvance(QString::fromStdString(text)), metrics.height()};
}

void TMDOverlayLayer::TextOut(int x, int y, const std::string& text, TMDColor color) {
    const QFontMetrics metrics(recorder_.font(), &picture_);
    recorder_.setPen(ToQColor(color));
    recorder_.drawText(x, y + metrics.ascent(), QString::fromStdString(text));
}

void TMDOverlayLayer::paintEvent(QPaintEvent*) {
    if (logicalSize_.Width <= 0 || logicalSize_.Height <= 0 || picture_.isNull())
        return;
    QPainter painter(this);
    painter.scale(static_cast<qreal>(width()) / logicalSize_.Width,
                  static_cast<qreal>(height()) / logicalSize_.Height);
    painter.drawPicture(0, 0, picture_);
}

QFont ToQFont(const TMDFont& font) {
    QFont result(QString::fromStdString(font.Name));
    if (font.Size > 0)
        result.setPointSize(font.Size);
    result.setBold(font.Style & fsBold);
    result.setItalic(font.Style & fsItalic);
    result.setUnderline(font.Style & fsUnderline);
    result.setStrikeOut(font.Style & fsStrikeOut);
    return result;
}

TMDFont FromQFont(const QFont& font, TMDColor color) {
    TMDFont result;
    result.Name = font.family().toStdString();
    result.Size = font.pointSize();
    result.Color = color;
    result.Style = (font.bold() ? fsBold : 0u) | (font.italic() ? fsItalic : 0u) |
                   (font.underline() ? fsUnderline : 0u) | (font.strikeOut() ? fsStrikeOut : 0u);
    return result;
}
