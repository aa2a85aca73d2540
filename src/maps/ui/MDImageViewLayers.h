#pragma once

#include "maps/MDGridSettingList.h"
#include "maps/MDImageViewTypes.h"
#include "maps/MDLabelSettingList.h"

#include <QImage>
#include <QPainter>
#include <QPicture>
#include <QWidget>

#include <optional>

class TMDImageViewScrollBox;

// A picture layer of the image view: shows an image (stretched to the layer's size when they
// differ) and, drawn by exclusive-or over it, the rubber band and the overview mark. Both are
// painted over a fresh copy of the image each time, so the picture itself is never touched.
// Mouse input goes to the view.
class TMDPictureLayer : public QWidget {
    Q_OBJECT
  public:
    TMDPictureLayer(TMDImageViewScrollBox* view, QWidget* parent);

    void SetImage(const QImage& image) {
        image_ = image;
        update();
    }
    const QImage& Image() const { return image_; }
    void ClearImage();
    // A 2-pixel yellow outline with an inverted inside, or none.
    void SetBand(std::optional<TMDRect> band) {
        band_ = band;
        update();
    }
    const std::optional<TMDRect>& Band() const { return band_; }
    // A 1-pixel white outline, or none.
    void SetMark(std::optional<TMDRect> mark) {
        mark_ = mark;
        update();
    }
    const std::optional<TMDRect>& Mark() const { return mark_; }

  protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    TMDImageViewScrollBox* view_;
    QImage image_;
    std::optional<TMDRect> band_;
    std::optional<TMDRect> mark_;
};

// An overlay layer: a vector picture recorded in picture coordinates (its logical size) and
// replayed stretched over the layer. It takes no mouse input. It is also the recording
// surface of the grid and label lists.
class TMDOverlayLayer : public QWidget, public IMDGridCanvas, public IMDLabelCanvas {
    Q_OBJECT
  public:
    explicit TMDOverlayLayer(QWidget* parent);

    void SetLogicalSize(TMDSize size) {
        logicalSize_ = size;
        update();
    }
    const QPicture& Picture() const { return picture_; }

    TMDSize LogicalSize() const override { return logicalSize_; }
    void BeginRecording() override;
    void Line(int x1, int y1, int x2, int y2, TMDColor color) override;
    void EndRecording() override;
    void Clear() override;
    void SelectFont(const TMDFont& font) override;
    TMDSize TextExtent(const std::string& text) override;
    void TextOut(int x, int y, const std::string& text, TMDColor color) override;

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    QPicture picture_;
    QPainter recorder_;
    TMDSize logicalSize_;
};

QFont ToQFont(const TMDFont& font);
TMDFont FromQFont(const QFont& font, TMDColor color);
