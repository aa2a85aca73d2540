#include "shell/ui/KuDBGridModel.h"

#include "shell/ui/DataSource.h"
#include "shell/ui/KuDBGrid.h"

#include <exception>

QString KuFieldValueText(const TFieldValue& value) {
    if (const auto* i = std::get_if<std::int32_t>(&value))
        return QString::number(*i);
    if (const auto* b = std::get_if<bool>(&value))
        return *b ? QStringLiteral("True") : QStringLiteral("False");
    if (const auto* s = std::get_if<std::string>(&value))
        return QString::fromStdString(*s);
    if (const auto* d = std::get_if<double>(&value))
        return QString::number(*d, 'g', 15);
    return {};
}

TKuDBGridModel::TKuDBGridModel(TKuDBGrid& grid) : QAbstractTableModel(&grid), grid_(grid) {}

int TKuDBGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int TKuDBGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(grid_.Columns().size());
}

TFieldValue TKuDBGridModel::CellValue(int row, int column) const {
    TField* field = grid_.ColumnField(column);
    if (!field)
        return {};
    const TClientDataSet& table = *grid_.DataSource()->DataSet();
    const bool editedRow = (table.State() == TDataSetState::Edit && row == table.RecNo() - 1) ||
                           (table.State() == TDataSetState::Insert && row == table.RecordCount());
    if (editedRow)
        return field->Value();
    if (row < 0 || row >= table.RecordCount())
        return {};
    return table.ViewValue(row, field->Index());
}

QVariant TKuDBGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        if (grid_.IsCheckBoxColumn(index.column()))
            return QString();
        return KuFieldValueText(CellValue(index.row(), index.column()));
    case Qt::EditRole:
        return KuFieldValueText(CellValue(index.row(), index.column()));
    case Qt::CheckStateRole:
        if (!grid_.IsCheckBoxColumn(index.column()))
            return {};
        {
            const TFieldValue value = CellValue(index.row(), index.column());
            const auto* b = std::get_if<bool>(&value);
            return b && *b ? Qt::Checked : Qt::Unchecked;
        }
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(
            grid_.Columns()[static_cast<std::size_t>(index.column())].Alignment | Qt::AlignVCenter);
    default:
        return {};
    }
}

bool TKuDBGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    TField* field = grid_.ColumnField(index.column());
    if (role != Qt::EditRole || !field || !grid_.IsCellEditable(index.column()))
        return false;
    const QString text = value.toString();
    if (text == data(index, Qt::EditRole).toString())
        return false; // leaving an editor unchanged does not start an edit
    try {
        grid_.DataSource()->SetFieldValue(*field, text.toStdString());
    } catch (const std::exception& e) {
        grid_.ReportError(QString::fromStdString(e.what()));
        return false;
    }
    return true;
}

QVariant TKuDBGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return IndicatorText(section);
    if (section < 0 || section >= columnCount())
        return {};
    return grid_.Columns()[static_cast<std::size_t>(section)].Title.Caption;
}

QString TKuDBGridModel::IndicatorText(int row) const {
    const TDataSource* source = grid_.DataSource();
    if (!source || !source->Active())
        return {};
    const TClientDataSet& table = *source->DataSet();
    switch (table.State()) {
    case TDataSetState::Insert:
        return row == table.RecordCount() ? QStringLiteral("*") : QString();
    case TDataSetState::Edit:
        return row == table.RecNo() - 1 ? QStringLiteral("I") : QString();
    default:
        return row == table.RecNo() - 1 ? QString::fromUtf8("▶") : QString();
    }
}

Qt::ItemFlags TKuDBGridModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags result = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (grid_.IsCellEditable(index.column()) && !grid_.IsCheckBoxColumn(index.column()))
        result |= Qt::ItemIsEditable;
    return result;
}

int TKuDBGridModel::CountRows() const {
    const TDataSource* source = grid_.DataSource();
    if (!source || !source->Active())
        return 0;
    const TClientDataSet& table = *source->DataSet();
    return table.RecordCount() + (table.State() == TDataSetState::Insert ? 1 : 0);
}

void TKuDBGridModel::Reset() {
    beginResetModel();
    rows_ = CountRows();
    endResetModel();
}

void TKuDBGridModel::Refresh() {
    if (CountRows() != rows_)
        Reset();
    else if (rows_ > 0 && columnCount() > 0) {
        emit dataChanged(index(0, 0), index(rows_ - 1, columnCount() - 1));
        emit headerDataChanged(Qt::Vertical, 0, rows_ - 1);
    }
}

void TKuDBGridModel::RefreshRow(int row) {
    if (row >= 0 && row < rows_ && columnCount() > 0) {
        emit dataChanged(index(row, 0), index(row, columnCount() - 1));
        emit headerDataChanged(Qt::Vertical, row, row);
    }
}
