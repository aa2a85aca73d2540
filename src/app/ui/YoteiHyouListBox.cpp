#include "app/ui/YoteiHyouListBox.h"

#include "app/DueList.h"
#include "shell/ui/ProgramFonts.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>

TYoteiHyouListBox::TYoteiHyouListBox(QWidget* parent) : QAbstractScrollArea(parent) {
    setFont(PGothicFont(12));
    setFrameShape(QFrame::NoFrame);
    viewport()->setMouseTracking(true);
    viewport()->setAutoFillBackground(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

void TYoteiHyouListBox::SetLines(const std::vector<TListLine>* lines) {
    lines_ = lines;
    LinesChanged();
}

int TYoteiHyouListBox::Count() const {
    return lines_ ? static_cast<int>(lines_->size()) : 0;
}

void TYoteiHyouListBox::LinesChanged() {
    if (itemIndex_ >= Count())
        itemIndex_ = -1;
    UpdateScrollBars();
    viewport()->update();
}

void TYoteiHyouListBox::SetColumns(int columns) {
    columns_ = std::max(1, columns);
    UpdateScrollBars();
    viewport()->update();
}

int TYoteiHyouListBox::RowsPerColumn() const {
    return columns_ > 1 ? std::max(1, viewport()->height() / ItemHeight) : std::max(1, Count());
}

int TYoteiHyouListBox::ColumnWidth() const {
    return columns_ > 1 ? viewport()->width() / columns_ : viewport()->width();
}

void TYoteiHyouListBox::UpdateScrollBars() {
    if (columns_ > 1) {
        const int rows = RowsPerColumn();
        const int needed = (Count() + rows - 1) / rows;
        horizontalScrollBar()->setRange(0, std::max(0, needed - columns_));
        horizontalScrollBar()->setPageStep(columns_);
        verticalScrollBar()->setRange(0, 0);
    } else {
        const int visible = std::max(1, viewport()->height() / ItemHeight);
        verticalScrollBar()->setRange(0, std::max(0, Count() - visible));
        verticalScrollBar()->setPageStep(visible);
        horizontalScrollBar()->setRange(0, 0);
    }
}

QRect TYoteiHyouListBox::ItemRect(int index) const {
    if (columns_ > 1) {
        const int rows = RowsPerColumn();
        const int column = index / rows - horizontalScrollBar()->value();
        return {column * ColumnWidth(), (index % rows) * ItemHeight, ColumnWidth(), ItemHeight};
    }
    return {0, (index - verticalScrollBar()->value()) * ItemHeight, viewport()->width(),
            ItemHeight};
}

int TYoteiHyouListBox::ItemAt(const QPoint& pos) const {
    if (pos.x() < 0 || pos.y() < 0)
        return -1;
    int index;
    if (columns_ > 1) {
        const int rows = RowsPerColumn();
        const int row = pos.y() / ItemHeight;
        if (row >= rows || ColumnWidth() <= 0)
            return -1;
        index = (pos.x() / ColumnWidth() + horizontalScrollBar()->value()) * rows + row;
    } else {
        index = pos.y() / ItemHeight + verticalScrollBar()->value();
    }
    return index < Count() ? index : -1;
}

void TYoteiHyouListBox::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    const QColor window = palette().color(QPalette::Base);
    painter.fillRect(viewport()->rect(), window);
    painter.setFont(font());
    const QFontMetrics metrics(font());
    for (int i = 0; i < Count(); ++i) {
        const QRect r = ItemRect(i);
        if (!r.intersects(viewport()->rect()))
            continue;
        const std::string& text = (*lines_)[static_cast<std::size_t>(i)].Text;
        const TDueLineColour c = DueLineColour(text);
        painter.setPen(QColor(c.R, c.G, c.B));
        painter.drawText(r.left(), r.top() + metrics.ascent(), QString::fromStdString(text));
    }
}

void TYoteiHyouListBox::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton)
        return;
    const int index = ItemAt(e->position().toPoint());
    if (index < 0)
        return;
    itemIndex_ = index;
    viewport()->update();
    emit LineClicked(index);
}

void TYoteiHyouListBox::mouseMoveEvent(QMouseEvent* e) {
    const int index = ItemAt(e->position().toPoint());
    const QString hint = index >= 0 && hintOf_ ? hintOf_(index) : QString();
    if (hint == toolTip())
        return;
    // A new hint replaces the one on screen at once.
    setToolTip(hint);
    QToolTip::hideText();
    if (!hint.isEmpty())
        QToolTip::showText(e->globalPosition().toPoint(), hint, viewport());
}

void TYoteiHyouListBox::resizeEvent(QResizeEvent* e) {
    QAbstractScrollArea::resizeEvent(e);
    UpdateScrollBars();
}

void TYoteiHyouListBox::scrollContentsBy(int, int) {
    viewport()->update();
}
