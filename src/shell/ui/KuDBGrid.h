#pragma once

#include "shell/FieldEditLists.h"
#include "shell/KuDBGridColors.h"
#include "shell/KuDBGridOptions.h"
#include "shell/KuTitleLayout.h"
#include "shell/ui/DataSource.h"
#include "shell/ui/KuColumn.h"

#include <QPointer>
#include <QStringList>
#include <QTableView>
#include <QTimer>

#include <memory>
#include <set>
#include <vector>

class IMessageBox;
class QPainter;
class TKuDBGridHeader;
class TKuDBGridModel;

// The table view of every list window: columns bound to the fields of a table through a data
// source, an in-place editor (a line edit, or a combo box with the column's pick list), the
// current row kept in step with the table's cursor, posting on leaving a row and cancelling on
// Esc. On top of that: striped rows, colours for the selected cell and multi-selected rows,
// boolean fields shown and toggled as check boxes, a title row of chosen height with group
// titles over runs of columns, the mouse wheel stepping one record, and Ctrl+Delete blocked on
// request.
class TKuDBGrid : public QTableView {
    Q_OBJECT
  public:
    explicit TKuDBGrid(QWidget* parent = nullptr);
    ~TKuDBGrid() override;

    // Height of the title row; -1 (any negative value) for the default row height.
    int TitleHeight() const { return titleHeight_; }
    void SetTitleHeight(int value);
    // Lines "start,count,caption": a group title over count data columns from start (from 0).
    // Throws std::runtime_error for a malformed line and keeps the previous layout.
    QStringList TitleLayout() const { return titleLayout_; }
    void SetTitleLayout(const QStringList& lines);
    const TStripeRowColors& StripeRowColors() const { return stripeRowColors_; }
    void SetStripeRowColors(const TStripeRowColors& value);
    const TSelectRowColors& SelectRowColors() const { return selectRowColors_; }
    void SetSelectRowColors(const TSelectRowColors& value);
    // dgEditing reads back as last set, even where check boxes switch in-place editing off.
    TDBGridOptions Options() const { return options_.Options(); }
    void SetOptions(TDBGridOptions value);
    TDataSource* DataSource() const { return dataSource_; }
    void SetDataSource(TDataSource* value);
    TDBGridOptionsKu OptionsKu() const { return options_.OptionsKu(); }
    void SetOptionsKu(TDBGridOptionsKu value);
    // Width of the indicator column, shown with dgIndicator.
    int IndicatorWidth() const { return indicatorWidth_; }
    void SetIndicatorWidth(int value);

    // The grid's own background, the colour of columns without a colour of their own.
    QColor Color() const { return color_; }
    void SetColor(const QColor& value);
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool value);
    // Check boxes are drawn only while default drawing is on.
    bool DefaultDrawing() const { return defaultDrawing_; }
    void SetDefaultDrawing(bool value);

    const std::vector<TKuColumn>& Columns() const { return columns_; }
    void SetColumns(std::vector<TKuColumn> columns);
    void SetColumn(int index, TKuColumn column);
    // The field a column shows; null when the table lacks it or no table is attached.
    TField* ColumnField(int column) const;
    // The column of the current cell (-1 with none) and its field.
    int SelectedIndex() const;
    TField* SelectedField() const;

    // Rows multi-selected (positions in the view, from 0), with dgMultiSelect; cleared when the
    // number of rows changes.
    const std::set<int>& SelectedRows() const { return selectedRows_; }
    void ToggleRowSelected(int row);
    void ClearSelectedRows();

    // Where error reports go; the program's real boxes when none is set.
    void SetMessageBox(IMessageBox* box) { messageBox_ = box; }

    // For the cell painter and the model.
    bool IsCheckBoxColumn(int column) const;
    bool IsCellEditable(int column) const;
    QColor ColumnColor(int column) const;
    TKuCellLook CellLook(int row, int column) const;
    void ReportError(const QString& text);
    void RaiseDrawColumnCell(QPainter* painter, const QRect& rect, int column, bool selected);
    // The group-title rules parsed from TitleLayout.
    const std::vector<TKuTitleGroup>& TitleGroups() const { return titleGroups_; }

  signals:
    // Runs after the grid chose a cell's colour and drew its text, before a check box is drawn.
    void OnDrawColumnCell(QPainter* painter, const QRect& rect, int column, bool selected);
    // Runs before the grid handles a key; setting key to 0 stops the grid's own handling.
    void OnKeyDown(int& key, Qt::KeyboardModifiers shift);
    void OnTopLeftChanged();
    void OnCellDblClick(int column);
    void OnTitleDblClick(int column);
    // The ordinary double-click, after the cell or title event.
    void OnDblClick();
    // With dgxEditMultiSelect: an edit posted in one row is being copied to the selected rows;
    // OnDataChangeEditMultiSelect runs for each copied value before it is posted, with the
    // running row number from 1 and the number of selected rows.
    void OnStartEditMultiSelect();
    void OnDataChangeEditMultiSelect(TField* field, int updateIndex, int updateCount);
    void OnEndEditMultiSelect();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

  private:
    void DataChanged(TField* field);
    void StateChanged();
    void AfterPost();
    void CopyEditToSelectedRows();
    bool IndicatorMouse(QEvent* event);
    void DragStep(int direction);
    void DragTimerTimer();
    void SyncCurrentRow();
    void ApplyOptions();
    void ApplyColumns();
    void ApplyTitleHeight();
    void UpdateRealEditing();
    void ToggleCheckBox(const QModelIndex& index);
    void DeleteCurrentRecord();
    void MultiSelectKey(int key, Qt::KeyboardModifiers modifiers);
    bool HasOption(TDBGridOption option) const { return Options().Contains(option); }

    TKuDBGridModel* model_;
    TKuDBGridHeader* header_;
    QPointer<TDataSource> dataSource_;
    std::unique_ptr<IMessageBox> ownMessageBox_;
    IMessageBox* messageBox_ = nullptr;
    std::vector<TKuColumn> columns_;
    std::set<int> selectedRows_;
    TFieldEditLists fieldEditLists_;
    QTimer dragTimer_;
    int dragDirection_ = 0;

    int titleHeight_ = -1;
    QStringList titleLayout_;
    std::vector<TKuTitleGroup> titleGroups_;
    TStripeRowColors stripeRowColors_;
    TSelectRowColors selectRowColors_;
    TKuGridOptions options_;
    int indicatorWidth_ = 11;
    QColor color_{Qt::white};
    bool readOnly_ = false;
    bool defaultDrawing_ = true;
    bool dragging_ = false;      // a drag selection from the indicator column
    bool copyingEdit_ = false;   // copying an edit to the selected rows
    bool syncing_ = false;       // moving the view to the cursor, not the cursor to the view
    bool reportPending_ = false; // one error box at a time
};
