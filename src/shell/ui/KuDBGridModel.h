#pragma once

#include "storage/TableTypes.h"

#include <QAbstractTableModel>

class TKuDBGrid;

// The rows of the grid's table as the view shows them (the row being inserted last) and the
// grid's columns; edits go through the grid's data source.
class TKuDBGridModel : public QAbstractTableModel {
  public:
    explicit TKuDBGridModel(TKuDBGrid& grid);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // The value of a cell: the edit buffer on the row being edited, the stored row otherwise.
    TFieldValue CellValue(int row, int column) const;
    // The table changed: new rows, or new values in the same rows.
    void Refresh();
    void RefreshRow(int row);
    // Columns or table replaced.
    void Reset();

  private:
    int CountRows() const;
    // The indicator column's mark of the current row: browsing, editing or inserting.
    QString IndicatorText(int row) const;

    TKuDBGrid& grid_;
    int rows_ = 0;
};

// A value as the grid shows it: numbers in decimal, booleans "True"/"False", null empty.
QString KuFieldValueText(const TFieldValue& value);
