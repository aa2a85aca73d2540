#pragma once

#include <QHeaderView>

class TKuDBGrid;

// The title row: the grid paints each title itself, with the group title of its TitleLayout
// run in the upper half and a raised border when both line options are on.
class TKuDBGridHeader : public QHeaderView {
  public:
    explicit TKuDBGridHeader(TKuDBGrid& grid);

  protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;

  private:
    void PaintTitle(QPainter& painter, const QRect& rect, int logicalIndex) const;
    // The group title's rectangle: the visible columns of the run, upper half.
    QRect GroupRect(const QRect& cell, int first, int last) const;
    void PaintText(QPainter& painter, const QRect& rect, const QString& text,
                   Qt::Alignment alignment) const;
    void PaintRaisedBorder(QPainter& painter, const QRect& rect) const;

    TKuDBGrid& grid_;
};
