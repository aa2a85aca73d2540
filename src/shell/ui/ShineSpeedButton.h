#pragma once

#include "shell/ShineButtonState.h"
#include "shell/ShineButtonTypes.h"
#include "shell/ShinePaint.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPointer>
#include <QTimer>
#include <QWidget>

class QAction;

// The flat push button of every window: a solid or gradient face, a glyph recoloured by state
// (lit under the pointer), a caption with optional shadow and highlight, three frame types and
// separate colour sets for the normal, hot and pressed looks. With a GroupIndex it is a toggle
// among the buttons of the same parent. Setting a property repaints the button.
class TShineSpeedButton : public QWidget {
    Q_OBJECT
  public:
    explicit TShineSpeedButton(QWidget* parent = nullptr);

    // Groups: Down means something only with GroupIndex != 0.
    int GroupIndex() const { return state_.GroupIndex(); }
    void SetGroupIndex(int value) { state_.SetGroupIndex(value); }
    bool AllowAllUp() const { return state_.AllowAllUp(); }
    void SetAllowAllUp(bool value) { state_.SetAllowAllUp(value); }
    bool Down() const { return state_.Down(); }
    void SetDown(bool value) { state_.SetDown(value); }
    bool ClickDownHook() const { return state_.ClickDownHook(); }
    void SetClickDownHook(bool value) { state_.SetClickDownHook(value); }
    bool AccelCharDown() const { return state_.AccelCharDown(); }
    void SetAccelCharDown(bool value) { state_.SetAccelCharDown(value); }
    bool ActionCheckedDown() const { return actionCheckedDown_; }
    void SetActionCheckedDown(bool value);

    // Caption; "&x" marks the accelerator when ShowAccelChar is on.
    QString Caption() const { return caption_; }
    void SetCaption(const QString& value);
    bool ShowAccelChar() const { return showAccelChar_; }
    void SetShowAccelChar(bool value);
    // Qt::AlignLeft, Qt::AlignHCenter or Qt::AlignRight within the caption rectangle.
    Qt::Alignment Alignment() const { return alignment_; }
    void SetAlignment(Qt::Alignment value);
    int AlMargin() const { return alMargin_; }
    void SetAlMargin(int value);

    // Layout of glyph and caption.
    TButtonLayout Layout() const { return layout_; }
    void SetLayout(TButtonLayout value);
    int Margin() const { return margin_; }
    void SetMargin(int value);
    int Spacing() const { return spacing_; }
    void SetSpacing(int value);

    // The glyph; its bottom-left pixel is its transparent colour. A one-bit image is drawn in
    // Colors.Color (set bits) and FontColor (clear bits).
    QImage Glyph() const { return glyph_; }
    void SetGlyph(const QImage& value);

    // Looks.
    TFrameType FrameType() const { return frameType_; }
    void SetFrameType(TFrameType value);
    // Nothing is painted behind glyph and caption: the parent shows through.
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value);
    bool ActiveFrame() const { return activeFrame_; }
    void SetActiveFrame(bool value);
    bool UpFrame() const { return upFrame_; }
    void SetUpFrame(bool value);
    bool DownFrame() const { return downFrame_; }
    void SetDownFrame(bool value);
    TActiveImageType ActiveImage() const { return activeImage_; }
    void SetActiveImage(TActiveImageType value);
    TDecorationImageType UpImage() const { return upImage_; }
    void SetUpImage(TDecorationImageType value);
    TDecorationImageType DownImage() const { return downImage_; }
    void SetDownImage(TDecorationImageType value);
    TDecorationImageType DisabledImage() const { return disabledImage_; }
    void SetDisabledImage(TDecorationImageType value);
    QColor DisabledHighlight() const { return disabledHighlight_; }
    void SetDisabledHighlight(const QColor& value);
    QColor DisabledShadow() const { return disabledShadow_; }
    void SetDisabledShadow(const QColor& value);
    QColor ShineColor() const { return shineColor_; }
    void SetShineColor(const QColor& value);

    // Colour sets: Colors up, PressedColors pressed or down, ActiveColors (when enabled) hot.
    const TShineBtnColors& Colors() const { return colors_; }
    void SetColors(const TShineBtnColors& value);
    const TShineBtnColors& PressedColors() const { return pressedColors_; }
    void SetPressedColors(const TShineBtnColors& value);
    const TShineBtnColors& ActiveColors() const { return activeColors_; }
    void SetActiveColors(const TShineBtnColors& value);
    bool ActiveColorsEnabled() const { return activeColorsEnabled_; }
    void SetActiveColorsEnabled(bool value);

    // Caption fonts: Font (QWidget::font) in FontColor, ActiveFont in ActiveFontColor while
    // hot or pressed. FontHighlight and FontShadow are off while invalid.
    QColor FontColor() const { return fontColor_; }
    void SetFontColor(const QColor& value);
    QFont ActiveFont() const { return activeFont_; }
    void SetActiveFont(const QFont& value);
    QColor ActiveFontColor() const { return activeFontColor_; }
    void SetActiveFontColor(const QColor& value);
    QColor FontHighlight() const { return fontHighlight_; }
    void SetFontHighlight(const QColor& value);
    QColor FontShadow() const { return fontShadow_; }
    void SetFontShadow(const QColor& value);

    // The action supplies caption, hint, enabled state, the glyph (when none is set) and, with
    // ActionCheckedDown, Down; a click triggers it.
    QAction* Action() const { return action_; }
    void SetAction(QAction* value);

    QString Hint() const { return toolTip(); }
    void SetHint(const QString& value) { setToolTip(value); }

    // The visual state now (0 pressed and hot ... 4 disabled).
    TShineState State() const { return state_.State(); }
    bool Hot() const { return state_.Hot(); }

    // Raises OnClick (and the action); with ClickDownHook the pressed look shows meanwhile.
    void Click();

    QSize sizeHint() const override { return {25, 25}; }

  signals:
    void OnClick();
    void OnDblClick();
    void OnMouseEnter();
    void OnMouseLeave();

  protected:
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void enterEvent(QEnterEvent* e) override;
    void leaveEvent(QEvent* e) override;
    void changeEvent(QEvent* e) override;

  private:
    // Connects the state machine to this widget.
    class TStateHost : public IShineButtonHost {
      public:
        explicit TStateHost(TShineSpeedButton& button) : button_(button) {}
        void Repaint() override;
        void Click() override;
        void StartHoverTimer() override;
        void StopHoverTimer() override;
        void BroadcastButtonPressed(int groupIndex) override;

      private:
        TShineSpeedButton& button_;
    };

    void Changed();
    void UpdateShortcut();
    void ActionChanged();
    bool PointerInClient() const;
    TShinePaintLook PaintLook() const;
    void PaintButton(QPainter& painter, TShineState state);
    void PaintGlyph(QPainter& painter, TShineState state, QPoint at);
    void PaintCaption(QPainter& painter, TShineState state, QRect rect);
    void PaintFrame(QPainter& painter, TShineState state);

    TStateHost host_{*this};
    TShineButtonState state_{host_};
    QTimer hoverTimer_;
    int shortcutId_ = 0;
    QPointer<QAction> action_;

    bool actionCheckedDown_ = false;
    QString caption_;
    bool showAccelChar_ = true;
    Qt::Alignment alignment_ = Qt::AlignHCenter;
    int alMargin_ = -1;
    TButtonLayout layout_ = TButtonLayout::blGlyphLeft;
    int margin_ = -1;
    int spacing_ = 4;
    QImage glyph_;
    TFrameType frameType_ = TFrameType::ftNormalFrame;
    bool transparent_ = false;
    bool activeFrame_ = true;
    bool upFrame_ = true;
    bool downFrame_ = true;
    TActiveImageType activeImage_ = TActiveImageType::aiFrameLight;
    TDecorationImageType upImage_ = TDecorationImageType::diDefault;
    TDecorationImageType downImage_ = TDecorationImageType::diDefault;
    TDecorationImageType disabledImage_ = TDecorationImageType::diDefault;
    QColor disabledHighlight_;
    QColor disabledShadow_;
    QColor shineColor_{255, 255, 0};
    TShineBtnColors colors_;
    TShineBtnColors pressedColors_;
    TShineBtnColors activeColors_;
    bool activeColorsEnabled_ = false;
    QColor fontColor_;
    QFont activeFont_;
    QColor activeFontColor_;
    QColor fontHighlight_;
    QColor fontShadow_;
};
