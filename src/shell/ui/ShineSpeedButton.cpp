#include "shell/ui/ShineSpeedButton.h"

#include "shell/ShineFace.h"
#include "shell/ShineGlyph.h"
#include "shell/ShineLayout.h"

#include <QAction>
#include <QCursor>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcutEvent>

namespace {

TShineRgb ToRgb(const QColor& c) {
    return {static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
            static_cast<std::uint8_t>(c.blue())};
}

QColor ToQColor(TShineRgb c) {
    return QColor(c.r, c.g, c.b);
}

TShineBtnColors ColorSet(const QPalette& palette, const QColor& color) {
    TShineBtnColors set;
    set.Color = ToRgb(color);
    set.Highlight = ToRgb(palette.color(QPalette::Light));
    set.Shadow = ToRgb(palette.color(QPalette::Dark));
    set.DarkShadow = ToRgb(palette.color(QPalette::Shadow));
    return set;
}

bool IsOneBit(const QImage& image) {
    return image.format() == QImage::Format_Mono || image.format() == QImage::Format_MonoLSB;
}

// The glyph as the logic sees it; a one-bit glyph gets its colours now, so that it follows
// later colour changes.
TShineBitmap ToShineBitmap(const QImage& image, TShineRgb setColor, TShineRgb clearColor) {
    if (image.isNull())
        return {};
    if (IsOneBit(image)) {
        std::vector<bool> bits;
        bits.reserve(static_cast<std::size_t>(image.width()) * image.height());
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                bits.push_back(image.pixelIndex(x, y) == 1);
        return ExpandMonochromeGlyph(bits, image.width(), image.height(), setColor, clearColor);
    }
    TShineBitmap bitmap(image.width(), image.height());
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            bitmap.At(x, y) = {static_cast<std::uint8_t>(qRed(line[x])),
                               static_cast<std::uint8_t>(qGreen(line[x])),
                               static_cast<std::uint8_t>(qBlue(line[x]))};
    }
    return bitmap;
}

QImage ToQImage(const TShineBitmap& bitmap) {
    QImage image(bitmap.width, bitmap.height, QImage::Format_RGB32);
    for (int y = 0; y < bitmap.height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < bitmap.width; ++x) {
            const TShineRgb c = bitmap.At(x, y);
            line[x] = qRgb(c.r, c.g, c.b);
        }
    }
    return image;
}

// Pixels of the transparent colour become see-through; with `ink` valid every other pixel is
// drawn in that colour (the edge mask of the embossed look).
QImage MaskedImage(const TShineBitmap& bitmap, TShineRgb transparent, const QColor& ink = {}) {
    QImage image(bitmap.width, bitmap.height, QImage::Format_ARGB32);
    for (int y = 0; y < bitmap.height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < bitmap.width; ++x) {
            const TShineRgb c = bitmap.At(x, y);
            if (c == transparent)
                line[x] = qRgba(0, 0, 0, 0);
            else
                line[x] = ink.isValid() ? ink.rgb() : qRgb(c.r, c.g, c.b);
        }
    }
    return image;
}

bool PressedLook(TShineState s) {
    return s == TShineState::ssPressedHot || s == TShineState::ssDown;
}

bool ActiveLook(TShineState s) {
    return s == TShineState::ssPressedHot || s == TShineState::ssHot;
}

int Sign(int v) {
    return (v > 0) - (v < 0);
}

} // namespace

void TShineSpeedButton::TStateHost::Repaint() {
    button_.repaint();
}

void TShineSpeedButton::TStateHost::Click() {
    emit button_.OnClick();
    if (button_.action_)
        button_.action_->trigger();
}

void TShineSpeedButton::TStateHost::StartHoverTimer() {
    button_.hoverTimer_.start();
}

void TShineSpeedButton::TStateHost::StopHoverTimer() {
    button_.hoverTimer_.stop();
}

void TShineSpeedButton::TStateHost::BroadcastButtonPressed(int groupIndex) {
    QWidget* parent = button_.parentWidget();
    if (!parent)
        return;
    for (QObject* child : parent->children())
        if (auto* sibling = qobject_cast<TShineSpeedButton*>(child))
            sibling->state_.ButtonPressed(groupIndex, button_.state_);
}

TShineSpeedButton::TShineSpeedButton(QWidget* parent) : QWidget(parent) {
    const QPalette& pal = palette();
    colors_ = ColorSet(pal, pal.color(QPalette::Button));
    pressedColors_ = ColorSet(pal, pal.color(QPalette::Light));
    activeColors_ = ColorSet(pal, pal.color(QPalette::HighlightedText));
    disabledHighlight_ = pal.color(QPalette::Light);
    disabledShadow_ = pal.color(QPalette::Dark);
    fontColor_ = pal.color(QPalette::ButtonText);
    activeFont_ = font();
    activeFontColor_ = pal.color(QPalette::Highlight);
    setMouseTracking(true); // moves without a button re-check the pointer
    setAttribute(Qt::WA_OpaquePaintEvent);
    hoverTimer_.setInterval(200);
    connect(&hoverTimer_, &QTimer::timeout, this,
            [this] { state_.HoverTimerTick(PointerInClient()); });
    resize(25, 25);
}

void TShineSpeedButton::Changed() {
    update();
}

void TShineSpeedButton::SetActionCheckedDown(bool value) {
    actionCheckedDown_ = value;
    if (action_ && value)
        SetDown(action_->isChecked());
}

void TShineSpeedButton::SetCaption(const QString& value) {
    caption_ = value;
    UpdateShortcut();
    Changed();
}

void TShineSpeedButton::SetShowAccelChar(bool value) {
    showAccelChar_ = value;
    UpdateShortcut();
    Changed();
}

void TShineSpeedButton::SetAlignment(Qt::Alignment value) {
    alignment_ = value;
    Changed();
}

void TShineSpeedButton::SetAlMargin(int value) {
    alMargin_ = value;
    Changed();
}

void TShineSpeedButton::SetLayout(TButtonLayout value) {
    layout_ = value;
    Changed();
}

void TShineSpeedButton::SetMargin(int value) {
    margin_ = value;
    Changed();
}

void TShineSpeedButton::SetSpacing(int value) {
    spacing_ = value;
    Changed();
}

void TShineSpeedButton::SetGlyph(const QImage& value) {
    // Alpha is not used: the bottom-left colour marks the see-through pixels.
    glyph_ =
        value.isNull() || IsOneBit(value) ? value : value.convertToFormat(QImage::Format_RGB32);
    Changed();
}

void TShineSpeedButton::SetFrameType(TFrameType value) {
    frameType_ = value;
    Changed();
}

void TShineSpeedButton::SetTransparent(bool value) {
    transparent_ = value;
    setAttribute(Qt::WA_OpaquePaintEvent, !value);
    Changed();
}

void TShineSpeedButton::SetActiveFrame(bool value) {
    activeFrame_ = value;
    Changed();
}

void TShineSpeedButton::SetUpFrame(bool value) {
    upFrame_ = value;
    Changed();
}

void TShineSpeedButton::SetDownFrame(bool value) {
    downFrame_ = value;
    Changed();
}

void TShineSpeedButton::SetActiveImage(TActiveImageType value) {
    activeImage_ = value;
    Changed();
}

void TShineSpeedButton::SetUpImage(TDecorationImageType value) {
    upImage_ = value;
    Changed();
}

void TShineSpeedButton::SetDownImage(TDecorationImageType value) {
    downImage_ = value;
    Changed();
}

void TShineSpeedButton::SetDisabledImage(TDecorationImageType value) {
    disabledImage_ = value;
    Changed();
}

void TShineSpeedButton::SetDisabledHighlight(const QColor& value) {
    disabledHighlight_ = value;
    Changed();
}

void TShineSpeedButton::SetDisabledShadow(const QColor& value) {
    disabledShadow_ = value;
    Changed();
}

void TShineSpeedButton::SetShineColor(const QColor& value) {
    shineColor_ = value;
    Changed();
}

void TShineSpeedButton::SetColors(const TShineBtnColors& value) {
    colors_ = value;
    Changed();
}

void TShineSpeedButton::SetPressedColors(const TShineBtnColors& value) {
    pressedColors_ = value;
    Changed();
}

void TShineSpeedButton::SetActiveColors(const TShineBtnColors& value) {
    activeColors_ = value;
    Changed();
}

void TShineSpeedButton::SetActiveColorsEnabled(bool value) {
    activeColorsEnabled_ = value;
    Changed();
}

void TShineSpeedButton::SetFontColor(const QColor& value) {
    fontColor_ = value;
    Changed();
}

void TShineSpeedButton::SetActiveFont(const QFont& value) {
    activeFont_ = value;
    Changed();
}

void TShineSpeedButton::SetActiveFontColor(const QColor& value) {
    activeFontColor_ = value;
    Changed();
}

void TShineSpeedButton::SetFontHighlight(const QColor& value) {
    fontHighlight_ = value;
    Changed();
}

void TShineSpeedButton::SetFontShadow(const QColor& value) {
    fontShadow_ = value;
    Changed();
}

void TShineSpeedButton::SetAction(QAction* value) {
    if (action_)
        disconnect(action_, nullptr, this, nullptr);
    action_ = value;
    if (action_) {
        connect(action_, &QAction::changed, this, &TShineSpeedButton::ActionChanged);
        ActionChanged();
    }
}

void TShineSpeedButton::ActionChanged() {
    SetCaption(action_->text());
    setEnabled(action_->isEnabled());
    setToolTip(action_->toolTip());
    if (glyph_.isNull() && !action_->icon().isNull()) {
        const QList<QSize> sizes = action_->icon().availableSizes();
        const QSize size = sizes.isEmpty() ? QSize(16, 16) : sizes.first();
        // Magenta in the bottom-left corner becomes the see-through colour.
        QImage image(size, QImage::Format_RGB32);
        image.fill(QColor(255, 0, 255));
        QPainter painter(&image);
        action_->icon().paint(&painter, image.rect());
        painter.end();
        SetGlyph(image);
    }
    if (actionCheckedDown_)
        SetDown(action_->isChecked());
}

void TShineSpeedButton::Click() {
    state_.Click();
}

void TShineSpeedButton::UpdateShortcut() {
    if (shortcutId_ != 0)
        releaseShortcut(shortcutId_);
    shortcutId_ = 0;
    const QKeySequence key = QKeySequence::mnemonic(caption_);
    if (showAccelChar_ && !key.isEmpty())
        shortcutId_ = grabShortcut(key);
}

bool TShineSpeedButton::event(QEvent* e) {
    if (e->type() == QEvent::Shortcut &&
        static_cast<QShortcutEvent*>(e)->shortcutId() == shortcutId_) {
        if (showAccelChar_ && isEnabled() && isVisible())
            state_.Accelerator();
        return true;
    }
    return QWidget::event(e);
}

bool TShineSpeedButton::PointerInClient() const {
    return rect().contains(mapFromGlobal(QCursor::pos()));
}

void TShineSpeedButton::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton)
        state_.LeftButtonDown();
}

void TShineSpeedButton::mouseDoubleClickEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton)
        return;
    if (state_.AcceptsDoubleClick())
        emit OnDblClick();
    state_.LeftButtonDown(); // the second press of the pair
}

void TShineSpeedButton::mouseMoveEvent(QMouseEvent* e) {
    const QPoint p = e->position().toPoint();
    state_.MouseMove(p.x(), p.y(), width(), height(), rect().contains(p));
}

void TShineSpeedButton::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton)
        return;
    const QPoint p = e->position().toPoint();
    state_.LeftButtonUp(p.x(), p.y(), width(), height(), rect().contains(p));
}

void TShineSpeedButton::enterEvent(QEnterEvent*) {
    emit OnMouseEnter();
    QWidget* grabber = QWidget::mouseGrabber();
    state_.MouseEnter(grabber != nullptr && grabber != this);
}

void TShineSpeedButton::leaveEvent(QEvent*) {
    emit OnMouseLeave();
    state_.MouseLeave();
}

void TShineSpeedButton::changeEvent(QEvent* e) {
    if (e->type() == QEvent::EnabledChange)
        state_.SetEnabled(isEnabled());
    QWidget::changeEvent(e);
}

void TShineSpeedButton::paintEvent(QPaintEvent*) {
    const TShineState state = state_.StateForPaint();
    if (transparent_) {
        // Straight onto the parent's picture, which shows through.
        QPainter painter(this);
        PaintButton(painter, state);
        return;
    }
    if (width() <= 0 || height() <= 0)
        return;
    QImage buffer(size(), QImage::Format_RGB32);
    {
        QPainter painter(&buffer);
        PaintButton(painter, state);
    }
    QPainter(this).drawImage(0, 0, buffer);
}

TShinePaintLook TShineSpeedButton::PaintLook() const {
    TShinePaintLook look;
    look.Colors = colors_;
    look.PressedColors = pressedColors_;
    look.ActiveColors = activeColors_;
    look.ActiveColorsEnabled = activeColorsEnabled_;
    look.FrameType = frameType_;
    look.ActiveFrame = activeFrame_;
    look.UpFrame = upFrame_;
    look.DownFrame = downFrame_;
    return look;
}

void TShineSpeedButton::PaintButton(QPainter& painter, TShineState state) {
    const TShinePaintLook look = PaintLook();
    if (!transparent_ && width() > 0 && height() > 0)
        painter.drawImage(0, 0,
                          ToQImage(PaintShineFace(FaceColorSet(look, state), width(), height())));

    const QFont& captionFont = ActiveLook(state) ? activeFont_ : font();
    const int flags = Qt::TextSingleLine | (showAccelChar_ ? Qt::TextShowMnemonic : 0);
    TShineLayoutInput in;
    in.clientWidth = width();
    in.clientHeight = height();
    in.glyphWidth = glyph_.width();
    in.glyphHeight = glyph_.height();
    in.hasCaption = !caption_.isEmpty();
    if (in.hasCaption) {
        const QSize textSize = QFontMetrics(captionFont).size(flags, caption_);
        in.captionWidth = textSize.width();
        in.captionHeight = textSize.height();
    }
    in.layout = layout_;
    in.margin = margin_;
    in.spacing = spacing_;
    in.alMargin = alMargin_;
    const TShineLayout layout = CalcShineLayout(in);
    const QPoint shift = PressedLook(state) ? QPoint(1, 1) : QPoint(0, 0);

    if (!glyph_.isNull())
        PaintGlyph(painter, state, QPoint(layout.glyphX, layout.glyphY) + shift);
    if (in.hasCaption) {
        painter.setFont(captionFont);
        PaintCaption(
            painter, state,
            QRect(layout.captionX, layout.captionY, layout.captionWidth, layout.captionHeight)
                .translated(shift));
    }
    PaintFrame(painter, state);
}

void TShineSpeedButton::PaintGlyph(QPainter& painter, TShineState state, QPoint at) {
    TShineGlyphLook look;
    look.ActiveImage = activeImage_;
    look.UpImage = upImage_;
    look.DownImage = downImage_;
    look.DisabledImage = disabledImage_;
    look.ShineColor = ToRgb(shineColor_);
    look.FaceColor = colors_.Color;
    const TPreparedGlyph glyph =
        PrepareGlyph(ToShineBitmap(glyph_, colors_.Color, ToRgb(fontColor_)), state, look);
    if (glyph.edgeMask) {
        painter.drawImage(at + QPoint(1, 1),
                          MaskedImage(glyph.bitmap, glyph.transparent, disabledHighlight_));
        painter.drawImage(at, MaskedImage(glyph.bitmap, glyph.transparent, disabledShadow_));
        return;
    }
    painter.drawImage(at, MaskedImage(glyph.bitmap, glyph.transparent));
}

void TShineSpeedButton::PaintCaption(QPainter& painter, TShineState state, QRect rect) {
    const int flags = Qt::TextSingleLine | static_cast<int>(alignment_) | Qt::AlignTop |
                      (showAccelChar_ ? Qt::TextShowMnemonic : 0);
    auto draw = [&](const QColor& color, QPoint offset) {
        painter.setPen(color);
        painter.drawText(rect.translated(offset), flags, caption_);
    };
    if (state == TShineState::ssDisabled) {
        draw(disabledHighlight_, {1, 1});
        draw(disabledShadow_, {0, 0});
        return;
    }
    if (fontShadow_.isValid())
        draw(fontShadow_, {1, 1});
    if (fontHighlight_.isValid())
        draw(fontHighlight_, {-1, -1});
    draw(ActiveLook(state) ? activeFontColor_ : fontColor_, {0, 0});
}

void TShineSpeedButton::PaintFrame(QPainter& painter, TShineState state) {
    const TShineFrame frame = ShineFrameFor(PaintLook(), state, width(), height());
    painter.setBrush(Qt::NoBrush);
    for (const TFrameLine& line : frame.lines) {
        const QPoint from(line.x1, line.y1);
        const QPoint to(line.x2, line.y2);
        if (from == to)
            continue;
        // The end point is not part of the line.
        const QPoint last = to - QPoint(Sign(line.x2 - line.x1), Sign(line.y2 - line.y1));
        painter.setPen(QPen(ToQColor(line.color), 0));
        painter.drawLine(from, last);
    }
    if (frame.outline) {
        painter.setPen(QPen(ToQColor(frame.outlineColor), 0));
        painter.drawRect(0, 0, width() - 1, height() - 1);
    }
}
