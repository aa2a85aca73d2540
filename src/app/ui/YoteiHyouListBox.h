#pragma once

#include "core/YorraWeeksList.h"

#include <QAbstractScrollArea>
#include <functional>
#include <vector>

// The owner-drawn list of the main window: one line per item, 13 pixels high, each in the
// colour its text calls for, never highlighted. In several columns the lines run top to bottom
// and then on in the next column, with a horizontal scroll bar; in one column the scroll bar is
// vertical.
class TYoteiHyouListBox : public QAbstractScrollArea {
    Q_OBJECT
  public:
    static constexpr int ItemHeight = 13;

    explicit TYoteiHyouListBox(QWidget* parent = nullptr);

    // The lines shown; the vector belongs to the caller and must outlive the list.
    void SetLines(const std::vector<TListLine>* lines);
    // Redraws after the lines changed.
    void LinesChanged();
    int Count() const;

    int Columns() const { return columns_; }
    void SetColumns(int columns);

    // The selected line (-1 for none).
    int ItemIndex() const { return itemIndex_; }
    // The line under a point of the viewport, -1 where there is none.
    int ItemAt(const QPoint& pos) const;
    QRect ItemRect(int index) const;

    // The tooltip text of a line; the list shows it while the pointer rests on the line.
    void SetHintOf(std::function<QString(int)> hintOf) { hintOf_ = std::move(hintOf); }

  signals:
    void LineClicked(int index);

  protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void scrollContentsBy(int dx, int dy) override;

  private:
    int RowsPerColumn() const;
    int ColumnWidth() const;
    void UpdateScrollBars();

    const std::vector<TListLine>* lines_ = nullptr;
    int columns_ = 1;
    int itemIndex_ = -1;
    std::function<QString(int)> hintOf_;
};
