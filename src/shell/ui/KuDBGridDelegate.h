#pragma once

#include <QStyledItemDelegate>

class TKuDBGrid;

// Paints the data cells by the grid's colour rules (check boxes centred, 14 pixels wide) and
// makes the in-place editor: a combo box over the column's pick list, or a line edit.
class TKuDBGridDelegate : public QStyledItemDelegate {
  public:
    explicit TKuDBGridDelegate(TKuDBGrid& grid);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;

  private:
    void PaintCell(QPainter& painter, const QStyleOptionViewItem& option,
                   const QModelIndex& index) const;
    void PaintCheckBox(QPainter& painter, const QRect& rect, bool checked) const;

    TKuDBGrid& grid_;
};
