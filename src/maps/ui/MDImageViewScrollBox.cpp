#include "maps/ui/MDImageViewScrollBox.h"

#include "maps/MDBmpFile.h"
#include "maps/MDImageViewMath.h"
#include "maps/MDJpeg.h"
#include "maps/ui/MDBitmapQImage.h"
#include "maps/ui/MDImageViewLayers.h"
#include "platform/MessageBox.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QFile>
#include <QMenu>
#include <QMouseEvent>
#include <QResizeEvent>
#include <QScrollBar>

#include <exception>

namespace {

constexpr int kScrollBarThickness = 16;

// The hourglass while the thread is busy resampling; the normal cursor returns in every case.
class TBusyCursor {
  public:
    TBusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~TBusyCursor() { QApplication::restoreOverrideCursor(); }
    TBusyCursor(const TBusyCursor&) = delete;
    TBusyCursor& operator=(const TBusyCursor&) = delete;
};

IMessageBox& DefaultMessageBox() {
    static TQtMessageBox box;
    return box;
}

TMDPoint ScreenPosition(const QMouseEvent* event) {
    const QPoint p = event->globalPosition().toPoint();
    return {p.x(), p.y()};
}

TMDPoint LayerPosition(const QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    return {p.x(), p.y()};
}

} // namespace

TMDImageViewScrollBox::TMDImageViewScrollBox(QWidget* parent)
    : QAbstractScrollArea(parent), messageBox_(&DefaultMessageBox()) {
    resize(169, 169);
    horizontalScrollBar()->setFixedHeight(kScrollBarThickness);
    verticalScrollBar()->setFixedWidth(kScrollBarThickness);
    // The layers, bottom to top.
    originMarker_ = new QWidget(viewport());
    originMarker_->setObjectName("OriginMarker");
    originMarker_->setGeometry(0, 0, 16, 16);
    sourcePicture_ = new TMDPictureLayer(this, viewport());
    sourcePicture_->setObjectName("SourcePicture");
    zoomedPicture_ = new TMDPictureLayer(this, viewport());
    zoomedPicture_->setObjectName("ZoomedPicture");
    gridPicture_ = new TMDOverlayLayer(viewport());
    gridPicture_->setObjectName("GridPicture");
    labelPicture_ = new TMDOverlayLayer(viewport());
    labelPicture_->setObjectName("LabelPicture");
    for (TMDPictureLayer* layer : {sourcePicture_, zoomedPicture_}) {
        layer->setMouseTracking(true);
        layer->resize(0, 0);
        layer->hide();
    }
    gridPicture_->resize(0, 0);
    labelPicture_->resize(0, 0);
    labelSettings_ = std::make_unique<TMDLabelSettingList>(*labelPicture_);
    labelSettings_->SetDefaultFont(FromQFont(font(), {0, 0, 0}));
    gridSettings_ = std::make_unique<TMDGridSettingList>(*gridPicture_);
    MeasureAvailable();
}

TMDImageViewScrollBox::~TMDImageViewScrollBox() {
    Unlink();
}

void TMDImageViewScrollBox::SetMessageBox(IMessageBox* messageBox) {
    messageBox_ = messageBox ? messageBox : &DefaultMessageBox();
}

void TMDImageViewScrollBox::SetImageMouseTool(TImageMouseTool tool) {
    imageMouseTool_ = tool;
    for (TMDPictureLayer* layer : {sourcePicture_, zoomedPicture_}) {
        switch (tool) {
        case mtmMouseMove:
            layer->setCursor(Qt::SizeAllCursor);
            break;
        case mtmMouseRect:
            layer->setCursor(Qt::CrossCursor);
            break;
        case mtmMouseClick:
            layer->setCursor(Qt::PointingHandCursor);
            break;
        case mtmNone:
        case mtmSynchroRect:
            layer->unsetCursor();
            break;
        }
    }
    if (OnImageMouseToolChenge)
        OnImageMouseToolChenge(this, tool);
}

void TMDImageViewScrollBox::SetImageZoomMode(TImageZoomMode mode) {
    imageZoomMode_ = mode;
    ApplyZoom(mode == izmWholeDisp ? -1 : imageZoom_);
}

void TMDImageViewScrollBox::SetImageZoom(int zoom) {
    ApplyZoom(zoom);
}

void TMDImageViewScrollBox::MeasureAvailable() {
    availableWidth_ = width() - 2 * frameWidth();
    availableHeight_ = height() - 2 * frameWidth();
}

TMDPictureLayer* TMDImageViewScrollBox::VisibleLayer() const {
    return sourcePicture_->isHidden() ? zoomedPicture_ : sourcePicture_;
}

TMDViewGeometry TMDImageViewScrollBox::Geometry() const {
    const TMDPictureLayer* layer = imageZoom_ == 100 ? sourcePicture_ : zoomedPicture_;
    return {imageZoom_,
            viewport()->width(),
            viewport()->height(),
            horizontalScrollBar()->value(),
            verticalScrollBar()->value(),
            layer->width(),
            layer->height()};
}

TMDLayerInfo TMDImageViewScrollBox::LayerInfo(const TMDPictureLayer* layer) const {
    return {layer == zoomedPicture_, imageZoom_, layer->width(), layer->height()};
}

void TMDImageViewScrollBox::ShowSourceOnly() {
    zoomed_ = TMDBitmap();
    zoomedPicture_->ClearImage();
    zoomedPicture_->resize(0, 0);
    zoomedPicture_->hide();
    sourcePicture_->show();
}

void TMDImageViewScrollBox::MakeZoomedCopy() {
    TBusyCursor busy;
    const int w = source_.Width(), h = source_.Height();
    try {
        const TMDSize size = ZoomedBitmapSize(imageZoom_, w, h);
        TMDBitmap copy;
        stretch_.StretchBitmap(size.Width, size.Height, w, h, source_, copy);
        zoomed_ = std::move(copy);
        zoomedPicture_->SetImage(BitmapToQImage(zoomed_));
        zoomedPicture_->resize(size.Width, size.Height);
    } catch (const std::exception&) {
        // Resampling failed: show the picture itself, stretched by the painter.
        zoomed_ = source_;
        zoomedPicture_->SetImage(BitmapToQImage(zoomed_));
        const TMDSize size = FallbackStretchSize(imageZoom_, w, h);
        zoomedPicture_->resize(size.Width, size.Height);
    }
    zoomedPicture_->show();
    sourcePicture_->hide();
}

void TMDImageViewScrollBox::ApplyZoom(int Z) {
    const TMDPoint center = GetViewCenter();
    if (imageZoomMode_ == izmWholeDisp && Z == -1) {
        imageZoom_ =
            FitImageZoom(availableWidth_, availableHeight_, source_.Width(), source_.Height());
        if (loaded_) {
            ForgetMark();
            if (imageZoom_ <= 0) {
                zoomed_ = TMDBitmap();
                zoomedPicture_->ClearImage();
                zoomedPicture_->resize(0, 0);
                zoomedPicture_->hide();
                sourcePicture_->hide();
            } else if (imageZoom_ == 100) {
                ShowSourceOnly();
            } else {
                MakeZoomedCopy();
            }
            const TMDPictureLayer* layer = VisibleLayer();
            layerOrigin_ = QPoint(CenteredLayerOffset(availableWidth_, layer->width(), 0),
                                  CenteredLayerOffset(availableHeight_, layer->height(), 0));
            SetScrollBarsShown(false);
        }
    } else {
        Z = ClampImageZoom(Z);
        imageZoomMode_ = izmZoomDisp;
        imageZoom_ = Z;
        if (loaded_) {
            ForgetMark();
            SetScrollBarsShown(true);
            if (Z == 100)
                ShowSourceOnly();
            else
                MakeZoomedCopy();
            layerOrigin_ = QPoint(0, 0);
        }
    }
    const TMDSize logical{source_.Width(), source_.Height()};
    gridPicture_->SetLogicalSize(logical);
    labelPicture_->SetLogicalSize(logical);
    UpdateScrollRanges();
    PlaceLayers();
    ScrollToCenter(center.X, center.Y);
    if (OnImageZoomChenge)
        OnImageZoomChenge(this, imageZoom_, imageZoomMode_);
}

void TMDImageViewScrollBox::SetScrollBarsShown(bool shown) {
    const Qt::ScrollBarPolicy policy = shown ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff;
    setHorizontalScrollBarPolicy(policy);
    setVerticalScrollBarPolicy(policy);
}

void TMDImageViewScrollBox::UpdateScrollRanges() {
    const bool shown = horizontalScrollBarPolicy() != Qt::ScrollBarAlwaysOff;
    const TMDPictureLayer* layer = VisibleLayer();
    const int contentWidth = layer->isHidden() ? 0 : layerOrigin_.x() + layer->width();
    const int contentHeight = layer->isHidden() ? 0 : layerOrigin_.y() + layer->height();
    QScrollBar* h = horizontalScrollBar();
    QScrollBar* v = verticalScrollBar();
    h->setRange(0, shown ? std::max(0, contentWidth - viewport()->width()) : 0);
    v->setRange(0, shown ? std::max(0, contentHeight - viewport()->height()) : 0);
    h->setPageStep(viewport()->width());
    v->setPageStep(viewport()->height());
    h->setSingleStep(16);
    v->setSingleStep(16);
}

void TMDImageViewScrollBox::PlaceLayers() {
    const QPoint scroll(horizontalScrollBar()->value(), verticalScrollBar()->value());
    originMarker_->move(-scroll);
    sourcePicture_->move(layerOrigin_ - scroll);
    zoomedPicture_->move(layerOrigin_ - scroll);
    const QRect shown = VisibleLayer()->geometry();
    gridPicture_->setGeometry(shown);
    labelPicture_->setGeometry(shown);
}

TMDPoint TMDImageViewScrollBox::GetViewCenter() const {
    if (!loaded_)
        return {0, 0};
    return ViewCenter(Geometry());
}

TMDRect TMDImageViewScrollBox::GetViewRect() const {
    if (!loaded_)
        return {};
    return ViewRect(Geometry());
}

void TMDImageViewScrollBox::ScrollToCenter(int X, int Y) {
    if (!loaded_)
        return;
    const TMDScrollPositions positions = ScrollPositionsForCenter(Geometry(), X, Y);
    if (positions.X)
        horizontalScrollBar()->setValue(*positions.X);
    if (positions.Y)
        verticalScrollBar()->setValue(*positions.Y);
    NotifyRegionChanged();
}

void TMDImageViewScrollBox::ClearImage() {
    loaded_ = false;
    source_ = TMDBitmap();
    zoomed_ = TMDBitmap();
    markLayer_ = nullptr;
    for (TMDPictureLayer* layer : {sourcePicture_, zoomedPicture_}) {
        layer->ClearImage();
        layer->resize(0, 0);
    }
    gridPicture_->Clear();
    labelPicture_->Clear();
    PlaceLayers();
    UpdateScrollRanges();
    NotifyPictureChanged();
}

void TMDImageViewScrollBox::LoadImageFile(const QString& FileName, bool KeepScroll) {
    const int keptX = horizontalScrollBar()->value();
    const int keptY = verticalScrollBar()->value();
    ClearImage();
    const int dot = FileName.lastIndexOf('.');
    const QString extension = dot < 0 ? QString() : FileName.mid(dot).toLower();
    const std::string path = QFile::encodeName(FileName).toStdString();
    try {
        if (extension == ".jpg") {
            source_ = LoadJpegFile(path);
            loaded_ = true;
        } else if (extension == ".bmp") {
            source_ = LoadBmpFile(path);
            loaded_ = true;
        }
    } catch (...) {
        ClearImage();
        throw;
    }
    if (loaded_) {
        sourcePicture_->SetImage(BitmapToQImage(source_));
        sourcePicture_->resize(source_.Width(), source_.Height());
    }
    ApplyZoom(imageZoomMode_ == izmWholeDisp ? -1 : imageZoom_);
    if (KeepScroll) {
        horizontalScrollBar()->setValue(keptX);
        verticalScrollBar()->setValue(keptY);
    }
    ForgetMark();
    NotifyPictureChanged();
    NotifyRegionChanged();
}

void TMDImageViewScrollBox::LoadImageBitmap(const TMDBitmap& Bitmap) {
    ClearImage();
    source_ = Bitmap;
    loaded_ = true;
    sourcePicture_->SetImage(BitmapToQImage(source_));
    sourcePicture_->resize(source_.Width(), source_.Height());
    ApplyZoom(imageZoomMode_ == izmWholeDisp ? -1 : imageZoom_);
    ForgetMark();
    NotifyPictureChanged();
    NotifyRegionChanged();
}

std::int64_t TMDImageViewScrollBox::GetJpegSize(const TMDBitmap& Graphic, int Quality) {
    return ::GetJpegSize(Graphic, Quality);
}

std::int64_t TMDImageViewScrollBox::GetSourceJpegSize(int Quality) const {
    return GetJpegSize(SourceGraphic(), Quality);
}

std::int64_t TMDImageViewScrollBox::GetDisplayedJpegSize(int Quality) const {
    return GetJpegSize(DisplayedGraphic(), Quality);
}

TMDBitmap TMDImageViewScrollBox::CreateZoomedBitmap(int Zoom) {
    if (Zoom == 100)
        return source_;
    TBusyCursor busy;
    const TMDSize size = ZoomedBitmapSize(Zoom, source_.Width(), source_.Height());
    TMDBitmap result;
    stretch_.StretchBitmap(size.Width, size.Height, source_.Width(), source_.Height(), source_,
                           result);
    return result;
}

std::int64_t TMDImageViewScrollBox::GetZoomedJpegSize(int Zoom, int Quality) {
    return GetJpegSize(CreateZoomedBitmap(Zoom), Quality);
}

const QPicture& TMDImageViewScrollBox::GetLabelPicture() const {
    return labelPicture_->Picture();
}

const QPicture& TMDImageViewScrollBox::GetGridPicture() const {
    return gridPicture_->Picture();
}

void TMDImageViewScrollBox::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollRanges();
    PlaceLayers();
    if (size() == lastSize_)
        return;
    lastSize_ = size();
    // The area to fit into follows the box, so that fit mode refits a resized window.
    MeasureAvailable();
    if (imageZoomMode_ == izmWholeDisp)
        ApplyZoom(-1);
    NotifyRegionChanged();
}

void TMDImageViewScrollBox::scrollContentsBy(int, int) {
    PlaceLayers();
    NotifyRegionChanged();
}

bool TMDImageViewScrollBox::viewportEvent(QEvent* event) {
    // Scroll bars coming and going change the client area, and with it the scroll ranges.
    if (event->type() == QEvent::Resize) {
        UpdateScrollRanges();
        PlaceLayers();
    }
    return QAbstractScrollArea::viewportEvent(event);
}

void TMDImageViewScrollBox::changeEvent(QEvent* event) {
    // The labels' default font is the view's font.
    if (event->type() == QEvent::FontChange)
        labelSettings_->SetDefaultFont(FromQFont(font(), {0, 0, 0}));
    QAbstractScrollArea::changeEvent(event);
}

void TMDImageViewScrollBox::contextMenuEvent(QContextMenuEvent* event) {
    if (popupMenu_)
        popupMenu_->popup(event->globalPos());
}

void TMDImageViewScrollBox::LayerMousePress(TMDPictureLayer* layer, QMouseEvent* event) {
    pressedLayer_ = layer;
    const TMDPoint p = LayerPosition(event);
    const TMDMouseActions actions =
        mouse_.Press(imageMouseTool_, LayerInfo(layer), p.X, p.Y, ScreenPosition(event),
                     {horizontalScrollBar()->value(), verticalScrollBar()->value()});
    if (actions.SteerTo)
        Steer(*actions.SteerTo);
}

void TMDImageViewScrollBox::LayerMouseMove(TMDPictureLayer* layer, QMouseEvent* event) {
    const TMDPoint p = LayerPosition(event);
    const TMDMouseActions actions =
        mouse_.Move(imageMouseTool_, LayerInfo(layer), p.X, p.Y, ScreenPosition(event));
    if (actions.MouseMove && OnImageMouseMove)
        OnImageMouseMove(this, event->modifiers(), actions.MouseMove->X, actions.MouseMove->Y);
    if (actions.Scroll) {
        horizontalScrollBar()->setValue(actions.Scroll->X);
        verticalScrollBar()->setValue(actions.Scroll->Y);
        NotifyRegionChanged();
    }
    if (actions.DrawBand)
        layer->SetBand(actions.DrawBand);
    if (actions.SteerTo)
        Steer(*actions.SteerTo);
}

void TMDImageViewScrollBox::LayerMouseRelease(TMDPictureLayer* layer, QMouseEvent* event) {
    const TMDPoint p = LayerPosition(event);
    // A press and release of the left button on the same layer is a click.
    if (event->button() == Qt::LeftButton && layer->rect().contains(p.X, p.Y))
        mouse_.Clicked();
    const TMDMouseActions actions = mouse_.Release(imageMouseTool_, LayerInfo(layer), p.X, p.Y,
                                                   source_.Width(), source_.Height());
    pressedLayer_ = nullptr;
    if (actions.EraseBand)
        layer->SetBand(std::nullopt);
    if (actions.Selected && OnImageRect) {
        const TMDRect& r = *actions.Selected;
        const TMDBitmap pixels = source_.Copy(r.Left, r.Top, r.Right, r.Bottom);
        OnImageRect(this, imageMouseTool_, r.Left, r.Top, r.Right, r.Bottom, pixels);
    }
    if (actions.Click && OnImageClick)
        OnImageClick(this, imageMouseTool_, actions.Click->X, actions.Click->Y);
}

void TMDImageViewScrollBox::Steer(TMDPoint point) {
    if (!synchro_ || !loaded_ || source_.Empty())
        return;
    const TMDPoint target = SteerTarget(point, source_.Width(), source_.Height(),
                                        synchro_->source_.Width(), synchro_->source_.Height());
    synchro_->ScrollToCenter(target.X, target.Y);
}

void TMDImageViewScrollBox::SetSynchroMDImageViewScrollBox(TMDImageViewScrollBox* view) {
    if (view == this) {
        messageBox_->Show(this, QStringLiteral("自分自身は指定出来ません"), TMsgType::Error,
                          TMsgButtons::Ok);
        return;
    }
    Unlink();
    synchro_ = view;
    if (view)
        view->follower_ = this;
}

void TMDImageViewScrollBox::Unlink() {
    if (synchro_ && synchro_->follower_ == this)
        synchro_->follower_ = nullptr;
    synchro_ = nullptr;
}

void TMDImageViewScrollBox::NotifyPictureChanged() {
    if (follower_)
        follower_->SynchroPictureChanged();
}

void TMDImageViewScrollBox::NotifyRegionChanged() {
    if (follower_)
        follower_->SynchroRegionChanged();
}

void TMDImageViewScrollBox::SynchroPictureChanged() {
    if (imageMouseTool_ != mtmSynchroRect || !synchro_)
        return;
    const TMDBitmap& large = synchro_->source_;
    if (!synchro_->loaded_ || large.Empty()) {
        ClearImage();
        return;
    }
    const long double scale = OverviewScale(imageZoomMode_, availableWidth_, availableHeight_,
                                            large.Width(), large.Height(), synchroImageZoom_);
    const TMDSize size = OverviewBitmapSize(scale, large.Width(), large.Height());
    TMDBitmap reduced;
    try {
        TBusyCursor busy;
        stretch_.StretchBitmap(size.Width, size.Height, large.Width(), large.Height(), large,
                               reduced);
    } catch (const std::exception&) {
        // An overview too small to hold a pixel shows nothing.
        ClearImage();
        return;
    }
    LoadImageBitmap(reduced);
}

void TMDImageViewScrollBox::SynchroRegionChanged() {
    if (imageMouseTool_ != mtmSynchroRect || !synchro_ || !synchro_->loaded_ ||
        synchro_->source_.Empty() || !loaded_)
        return;
    const int gw = synchro_->source_.Width(), gh = synchro_->source_.Height();
    const TMDPoint center =
        OverviewCenter(source_.Width(), source_.Height(), synchro_->GetViewCenter(), gw, gh);
    ScrollToCenter(center.X, center.Y);
    MarkRect(OverviewMark(source_.Width(), source_.Height(), synchro_->GetViewRect(), gw, gh));
}

void TMDImageViewScrollBox::MarkRect(const TMDRect& rect) {
    ForgetMark();
    if (imageZoom_ == 100 && !sourcePicture_->isHidden()) {
        markLayer_ = sourcePicture_;
        sourcePicture_->SetMark(rect);
    } else if (imageZoom_ != 100) {
        markLayer_ = zoomedPicture_;
        zoomedPicture_->SetMark(MarkOnLayer(rect, imageZoom_));
    }
}

void TMDImageViewScrollBox::ForgetMark() {
    if (markLayer_)
        markLayer_->SetMark(std::nullopt);
    markLayer_ = nullptr;
}
