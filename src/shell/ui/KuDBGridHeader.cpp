#include "shell/ui/KuDBGridHeader.h"

#include "shell/ui/KuDBGrid.h"

#include <QPainter>

#include <exception>

TKuDBGridHeader::TKuDBGridHeader(TKuDBGrid& grid)
    : QHeaderView(Qt::Horizontal, &grid), grid_(grid) {}

void TKuDBGridHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
    if (!rect.isValid())
        return;
    painter->save();
    try {
        PaintTitle(*painter, rect, logicalIndex);
    } catch (const std::exception& e) {
        grid_.ReportError(QString::fromUtf8("DrawCellメソッドでエラーが発生しました\r\n") +
                          QString::fromStdString(e.what()));
    }
    painter->restore();
}

void TKuDBGridHeader::PaintTitle(QPainter& painter, const QRect& rect, int logicalIndex) const {
    const TKuColumn& column = grid_.Columns().at(static_cast<std::size_t>(logicalIndex));
    const QColor background =
        column.Title.Color.isValid() ? column.Title.Color : palette().color(QPalette::Button);
    const bool raised = grid_.Options().Contains(TDBGridOption::dgColLines) &&
                        grid_.Options().Contains(TDBGridOption::dgRowLines);
    painter.setClipRect(rect);
    painter.fillRect(rect, background);

    QRect titleRect = rect;
    const auto run = FindKuTitleRun(grid_.TitleGroups(), logicalIndex, count());
    if (run) {
        // Every column of the run paints the whole group title, clipped to its own cell, so
        // the caption sits centred over the run.
        const QRect group = GroupRect(rect, run->First, run->Last);
        painter.fillRect(group, background);
        PaintText(painter, group, QString::fromStdString(run->Caption), Qt::AlignHCenter);
        if (raised)
            PaintRaisedBorder(painter, group);
        titleRect.setTop(group.bottom() + 1);
    }
    PaintText(painter, titleRect, column.Title.Caption, column.Title.Alignment);
    if (raised)
        PaintRaisedBorder(painter, titleRect);
}

QRect TKuDBGridHeader::GroupRect(const QRect& cell, int first, int last) const {
    int left = cell.left();
    int right = cell.right();
    bool any = false;
    for (int column = first; column <= last; ++column) {
        if (isSectionHidden(column))
            continue;
        const int x = sectionViewportPosition(column);
        const int columnLeft = std::max(x, 0);
        const int columnRight = std::min(x + sectionSize(column) - 1, viewport()->width() - 1);
        if (columnRight < columnLeft)
            continue; // scrolled out of sight
        left = any ? std::min(left, columnLeft) : columnLeft;
        right = any ? std::max(right, columnRight) : columnRight;
        any = true;
    }
    const int middle = cell.top() + cell.height() / 2;
    return QRect(QPoint(left, cell.top()), QPoint(right, middle - 1));
}

void TKuDBGridHeader::PaintText(QPainter& painter, const QRect& rect, const QString& text,
                                Qt::Alignment alignment) const {
    const QFontMetrics metrics(font());
    const int y =
        rect.top() + (rect.height() - metrics.boundingRect(QStringLiteral("Wg")).height()) / 2;
    const int width = metrics.horizontalAdvance(text);
    int x = rect.left() + 2;
    if (alignment & Qt::AlignRight)
        x = rect.right() + 1 - 3 - width;
    else if (alignment & Qt::AlignHCenter)
        x = rect.left() + (rect.width() - width) / 2;
    painter.save();
    painter.setClipRect(rect, Qt::IntersectClip);
    painter.setPen(palette().color(QPalette::ButtonText));
    painter.setFont(font());
    painter.drawText(x, y + metrics.ascent(), text);
    painter.restore();
}

void TKuDBGridHeader::PaintRaisedBorder(QPainter& painter, const QRect& rect) const {
    // The title row has no grid lines of its own, so the outer edge takes the last pixel row
    // and column of the cell and the inner raised edge lies just inside it.
    const QPalette& colors = palette();
    painter.setPen(colors.color(QPalette::Shadow));
    painter.drawLine(rect.bottomLeft(), rect.bottomRight());
    painter.drawLine(rect.topRight(), rect.bottomRight());
    const QRect inner = rect.adjusted(0, 0, -1, -1);
    painter.setPen(colors.color(QPalette::Light));
    painter.drawLine(inner.topLeft(), inner.topRight());
    painter.drawLine(inner.topLeft(), inner.bottomLeft());
    painter.setPen(colors.color(QPalette::Mid));
    painter.drawLine(inner.bottomLeft(), inner.bottomRight());
    painter.drawLine(inner.topRight(), inner.bottomRight());
}
