#include "shell/ui/KuDBGridDelegate.h"

#include "shell/ui/KuDBGrid.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPainter>

#include <exception>

namespace {

constexpr int CheckBoxWidth = 14;

QColor ToQColor(const TKuColor& c) {
    return QColor(c.r, c.g, c.b);
}

} // namespace

TKuDBGridDelegate::TKuDBGridDelegate(TKuDBGrid& grid) : QStyledItemDelegate(&grid), grid_(grid) {}

void TKuDBGridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const {
    painter->save();
    try {
        PaintCell(*painter, option, index);
    } catch (const std::exception& e) {
        grid_.ReportError(QString::fromUtf8("DrawCellメソッドでエラーが発生しました\r\n") +
                          QString::fromStdString(e.what()));
    }
    painter->restore();
}

void TKuDBGridDelegate::PaintCell(QPainter& painter, const QStyleOptionViewItem& option,
                                  const QModelIndex& index) const {
    const QRect rect = option.rect;
    const TKuCellLook look = grid_.CellLook(index.row(), index.column());
    const QPalette& colors = option.palette;
    QColor background = grid_.ColumnColor(index.column());
    QColor text = colors.color(QPalette::Text);
    if (look.SelectedLook) {
        background = colors.color(QPalette::Highlight);
        text = colors.color(QPalette::HighlightedText);
    }
    if (look.Fill)
        background = ToQColor(*look.Fill);
    painter.fillRect(rect, background);

    const bool checkBox = grid_.IsCheckBoxColumn(index.column());
    if (!checkBox) {
        const auto alignment = Qt::Alignment(index.data(Qt::TextAlignmentRole).toInt());
        painter.setPen(text);
        painter.setFont(option.font);
        painter.drawText(rect.adjusted(2, 0, -2, 0), alignment | Qt::TextSingleLine,
                         index.data(Qt::DisplayRole).toString());
    }
    grid_.RaiseDrawColumnCell(&painter, rect, index.column(), look.SelectedLook);
    if (checkBox) {
        painter.fillRect(rect, background);
        PaintCheckBox(painter, rect, index.data(Qt::CheckStateRole).toInt() == Qt::Checked);
    }
}

void TKuDBGridDelegate::PaintCheckBox(QPainter& painter, const QRect& rect, bool checked) const {
    QStyleOptionButton box;
    const int side = std::min(CheckBoxWidth, rect.height());
    box.rect = QRect(rect.left() + (rect.width() - CheckBoxWidth) / 2,
                     rect.top() + (rect.height() - side) / 2, CheckBoxWidth, side);
    box.state = QStyle::State_Enabled | (checked ? QStyle::State_On : QStyle::State_Off);
    box.palette = grid_.palette();
    QWidget* widget = &grid_;
    widget->style()->drawPrimitive(QStyle::PE_IndicatorCheckBox, &box, &painter, widget);
}

QWidget* TKuDBGridDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                         const QModelIndex& index) const {
    const TKuColumn& column = grid_.Columns().at(static_cast<std::size_t>(index.column()));
    if (column.PickList.isEmpty())
        return QStyledItemDelegate::createEditor(parent, option, index);
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QStringLiteral("KuDBGridPickList"));
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->addItems(column.PickList);
    // A choice from the list reaches the field at once, as typing does when the editor closes.
    auto* self = const_cast<TKuDBGridDelegate*>(this);
    connect(combo, &QComboBox::activated, self, [self, combo] { emit self->commitData(combo); });
    return combo;
}

void TKuDBGridDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        combo->setCurrentText(index.data(Qt::EditRole).toString());
        return;
    }
    QStyledItemDelegate::setEditorData(editor, index);
}

void TKuDBGridDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                     const QModelIndex& index) const {
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        model->setData(index, combo->currentText(), Qt::EditRole);
        return;
    }
    QStyledItemDelegate::setModelData(editor, model, index);
}
