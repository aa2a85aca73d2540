#pragma once

#include "maps/MDBitmapStretch.h"
#include "maps/MDGridSettingList.h"
#include "maps/MDImageMouseTracker.h"
#include "maps/MDLabelSettingList.h"

#include <QAbstractScrollArea>
#include <QMenu>
#include <QPicture>
#include <QPointer>

#include <cstdint>
#include <functional>
#include <memory>

class IMessageBox;
class TMDOverlayLayer;
class TMDPictureLayer;

class TMDImageViewScrollBox;

using TImageZoomChengeEvent = std::function<void(TMDImageViewScrollBox* Sender, int AImageZoom,
                                                 TImageZoomMode AImageZoomMode)>;
using TImageMouseToolChengeEvent =
    std::function<void(TMDImageViewScrollBox* Sender, TImageMouseTool AImageMouseTool)>;
using TImageClickEvent = std::function<void(TMDImageViewScrollBox* Sender,
                                            TImageMouseTool AImageMouseTool, int AX, int AY)>;
// ATempBitmap lives only during the call; a handler that needs the pixels copies them.
using TImageRectEvent =
    std::function<void(TMDImageViewScrollBox* Sender, TImageMouseTool AImageMouseTool, int AX1,
                       int AY1, int AX2, int AY2, const TMDBitmap& ATempBitmap)>;
using TImageMouseMoveEvent =
    std::function<void(TMDImageViewScrollBox* Sender, Qt::KeyboardModifiers Shift, int X, int Y)>;

// The picture viewer: one picture at a zoom of 10 ... 200 percent or fitted to the box, mouse
// tools that scroll, select a rectangle or pick a point (reported in picture coordinates),
// label and grid overlays that scale with the picture, and an overview mode that follows a
// large view. The arithmetic lives in maps/MDImageViewMath.h; this class moves widgets.
class TMDImageViewScrollBox : public QAbstractScrollArea {
    Q_OBJECT
  public:
    explicit TMDImageViewScrollBox(QWidget* parent = nullptr);
    ~TMDImageViewScrollBox() override;

    TImageMouseTool ImageMouseTool() const { return imageMouseTool_; }
    void SetImageMouseTool(TImageMouseTool tool);
    TImageZoomMode ImageZoomMode() const { return imageZoomMode_; }
    void SetImageZoomMode(TImageZoomMode mode);
    int ImageZoom() const { return imageZoom_; }
    void SetImageZoom(int zoom);
    int SynchroImageZoom() const { return synchroImageZoom_; }
    void SetSynchroImageZoom(int zoom) { synchroImageZoom_ = zoom; }
    TMDImageViewScrollBox* SynchroMDImageViewScrollBox() const { return synchro_; }
    // Follow a large view as its overview; a view cannot follow itself.
    void SetSynchroMDImageViewScrollBox(TMDImageViewScrollBox* view);
    QMenu* PopupMenu() const { return popupMenu_; }
    void SetPopupMenu(QMenu* menu) { popupMenu_ = menu; }
    // The box that reports errors to the user; the real one unless a test sets another.
    void SetMessageBox(IMessageBox* messageBox);

    TImageZoomChengeEvent OnImageZoomChenge;
    TImageMouseToolChengeEvent OnImageMouseToolChenge;
    TImageClickEvent OnImageClick;
    TImageRectEvent OnImageRect;
    TImageMouseMoveEvent OnImageMouseMove;

    // Loads a ".jpg" or ".bmp" file (other extensions leave the view empty). Throws
    // std::runtime_error, with the view left empty, when the file cannot be read or decoded.
    void LoadImageFile(const QString& FileName, bool KeepScroll);
    void LoadImageBitmap(const TMDBitmap& Bitmap);
    void ClearImage();
    bool HasImage() const { return loaded_; }

    void ScrollToCenter(int X, int Y);
    TMDPoint GetViewCenter() const;
    TMDRect GetViewRect() const;

    const TMDBitmap& SourceGraphic() const { return source_; }
    const TMDBitmap& DisplayedGraphic() const { return imageZoom_ == 100 ? source_ : zoomed_; }
    static std::int64_t GetJpegSize(const TMDBitmap& Graphic, int Quality);
    std::int64_t GetSourceJpegSize(int Quality) const;
    std::int64_t GetDisplayedJpegSize(int Quality) const;
    // The source picture at Zoom percent: a plain copy at 100, else resampled to
    // Trunc(Zoom / 100 x side).
    TMDBitmap CreateZoomedBitmap(int Zoom);
    std::int64_t GetZoomedJpegSize(int Zoom, int Quality);

    TMDLabelSettingList& LabelSettings() { return *labelSettings_; }
    TMDGridSettingList& GridSettings() { return *gridSettings_; }
    const QPicture& GetLabelPicture() const;
    const QPicture& GetGridPicture() const;

    int AvailableWidth() const { return availableWidth_; }
    int AvailableHeight() const { return availableHeight_; }
    // The layers, for windows and tests that look at what is shown.
    TMDPictureLayer* SourcePicture() const { return sourcePicture_; }
    TMDPictureLayer* ZoomedPicture() const { return zoomedPicture_; }
    TMDOverlayLayer* GridPicture() const { return gridPicture_; }
    TMDOverlayLayer* LabelPicture() const { return labelPicture_; }
    QWidget* OriginMarker() const { return originMarker_; }

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    bool viewportEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    friend class TMDPictureLayer;
    void LayerMousePress(TMDPictureLayer* layer, QMouseEvent* event);
    void LayerMouseMove(TMDPictureLayer* layer, QMouseEvent* event);
    void LayerMouseRelease(TMDPictureLayer* layer, QMouseEvent* event);

    void ApplyZoom(int Z);
    void MakeZoomedCopy();
    void ShowSourceOnly();
    TMDPictureLayer* VisibleLayer() const;
    TMDViewGeometry Geometry() const;
    TMDLayerInfo LayerInfo(const TMDPictureLayer* layer) const;
    void MeasureAvailable();
    // Places every layer at its content position less the scroll positions.
    void PlaceLayers();
    void UpdateScrollRanges();
    void SetScrollBarsShown(bool shown);

    // Linking: this view as the overview of synchro_.
    void SynchroPictureChanged();
    void SynchroRegionChanged();
    void NotifyPictureChanged();
    void NotifyRegionChanged();
    // Scrolls the large view to the point matching picture point `point` of this overview.
    void Steer(TMDPoint point);
    void MarkRect(const TMDRect& rect);
    void ForgetMark();
    void Unlink();

    TImageMouseTool imageMouseTool_ = mtmNone;
    TImageZoomMode imageZoomMode_ = izmZoomDisp;
    int imageZoom_ = 100;
    int synchroImageZoom_ = 50;
    QPointer<TMDImageViewScrollBox> synchro_;  // the large view this one follows
    QPointer<TMDImageViewScrollBox> follower_; // the overview following this one
    QPointer<QMenu> popupMenu_;
    IMessageBox* messageBox_;

    QWidget* originMarker_;
    TMDPictureLayer* sourcePicture_;
    TMDPictureLayer* zoomedPicture_;
    TMDOverlayLayer* gridPicture_;
    TMDOverlayLayer* labelPicture_;
    std::unique_ptr<TMDLabelSettingList> labelSettings_;
    std::unique_ptr<TMDGridSettingList> gridSettings_;
    TMDBitmapStretch stretch_;

    bool loaded_ = false;
    TMDBitmap source_;
    TMDBitmap zoomed_;
    // Content positions of the picture layers (all layers share the visible one's).
    QPoint layerOrigin_;
    int availableWidth_ = 0;
    int availableHeight_ = 0;
    QSize lastSize_;
    TMDImageMouseTracker mouse_;
    TMDPictureLayer* pressedLayer_ = nullptr;
    TMDPictureLayer* markLayer_ = nullptr;
};
