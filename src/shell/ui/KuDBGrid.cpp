#include "shell/ui/KuDBGrid.h"

#include "platform/MessageBox.h"
#include "shell/ui/DataSource.h"
#include "shell/ui/KuDBGridDelegate.h"
#include "shell/ui/KuDBGridHeader.h"
#include "shell/ui/KuDBGridModel.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTimer>
#include <QWheelEvent>

#include <exception>

namespace {

const char* const DeleteRecordQuestion = "レコードを削除しますか?";

QString ErrorText(const std::exception& e) {
    return QString::fromStdString(e.what());
}

} // namespace

TKuDBGrid::TKuDBGrid(QWidget* parent)
    : QTableView(parent), model_(new TKuDBGridModel(*this)), header_(new TKuDBGridHeader(*this)),
      ownMessageBox_(std::make_unique<TQtMessageBox>()), messageBox_(ownMessageBox_.get()) {
    setHorizontalHeader(header_);
    setModel(model_);
    setItemDelegate(new TKuDBGridDelegate(*this));
    // The grid shows the current cell itself; Qt's selection would only fight the cursor.
    setSelectionMode(QAbstractItemView::NoSelection);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    header_->setHighlightSections(false);
    header_->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    SetColor(color_);
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, &TKuDBGrid::OnTopLeftChanged);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &TKuDBGrid::OnTopLeftChanged);
    dragTimer_.setInterval(100);
    connect(&dragTimer_, &QTimer::timeout, this, &TKuDBGrid::DragTimerTimer);
    verticalHeader()->viewport()->installEventFilter(this);
    connect(header_, &QHeaderView::sectionDoubleClicked, this, [this](int column) {
        emit OnTitleDblClick(column);
        emit OnDblClick();
    });
    ApplyOptions();
}

TKuDBGrid::~TKuDBGrid() = default;

void TKuDBGrid::SetTitleHeight(int value) {
    titleHeight_ = NormalizeKuTitleHeight(value);
    ApplyTitleHeight();
}

void TKuDBGrid::SetTitleLayout(const QStringList& lines) {
    std::vector<std::string> texts;
    for (const QString& line : lines)
        texts.push_back(line.toStdString());
    titleGroups_ = ParseKuTitleLayout(texts);
    titleLayout_ = lines;
    header_->viewport()->update();
}

void TKuDBGrid::SetStripeRowColors(const TStripeRowColors& value) {
    stripeRowColors_ = value;
    viewport()->update();
}

void TKuDBGrid::SetSelectRowColors(const TSelectRowColors& value) {
    selectRowColors_ = value;
    viewport()->update();
}

void TKuDBGrid::SetOptions(TDBGridOptions value) {
    options_.SetOptions(value);
    ApplyOptions();
}

void TKuDBGrid::SetOptionsKu(TDBGridOptionsKu value) {
    options_.SetOptionsKu(value);
    ApplyOptions();
}

void TKuDBGrid::SetIndicatorWidth(int value) {
    indicatorWidth_ = value;
    ApplyOptions();
}

void TKuDBGrid::SetDataSource(TDataSource* value) {
    if (dataSource_)
        disconnect(dataSource_, nullptr, this, nullptr);
    dataSource_ = value;
    if (dataSource_) {
        connect(dataSource_, &TDataSource::DataChange, this, &TKuDBGrid::DataChanged);
        connect(dataSource_, &TDataSource::StateChange, this, &TKuDBGrid::StateChanged);
        connect(dataSource_, &TDataSource::AfterPost, this, &TKuDBGrid::AfterPost);
        connect(dataSource_, &QObject::destroyed, this, [this] { model_->Reset(); });
    }
    selectedRows_.clear();
    model_->Reset();
    SyncCurrentRow();
}

void TKuDBGrid::SetColor(const QColor& value) {
    color_ = value;
    QPalette colors = palette();
    colors.setColor(QPalette::Base, value);
    setPalette(colors);
}

void TKuDBGrid::SetReadOnly(bool value) {
    readOnly_ = value;
    UpdateRealEditing();
}

void TKuDBGrid::SetDefaultDrawing(bool value) {
    defaultDrawing_ = value;
    UpdateRealEditing();
    viewport()->update();
}

void TKuDBGrid::SetColumns(std::vector<TKuColumn> columns) {
    columns_ = std::move(columns);
    model_->Reset();
    ApplyColumns();
    SyncCurrentRow();
}

void TKuDBGrid::SetColumn(int index, TKuColumn column) {
    columns_.at(static_cast<std::size_t>(index)) = std::move(column);
    ApplyColumns();
    model_->Refresh();
    header_->viewport()->update();
}

TField* TKuDBGrid::ColumnField(int column) const {
    if (!dataSource_ || !dataSource_->DataSet() || column < 0 ||
        column >= static_cast<int>(columns_.size()))
        return nullptr;
    return dataSource_->DataSet()->FindField(
        columns_[static_cast<std::size_t>(column)].FieldName.toStdString());
}

int TKuDBGrid::SelectedIndex() const {
    return currentIndex().isValid() ? currentIndex().column() : -1;
}

TField* TKuDBGrid::SelectedField() const {
    return ColumnField(SelectedIndex());
}

void TKuDBGrid::ToggleRowSelected(int row) {
    if (!selectedRows_.erase(row))
        selectedRows_.insert(row);
    viewport()->update();
}

void TKuDBGrid::ClearSelectedRows() {
    selectedRows_.clear();
    viewport()->update();
}

bool TKuDBGrid::IsCheckBoxColumn(int column) const {
    const TField* field = ColumnField(column);
    return field &&
           IsKuCheckBoxCell(field->DataType() == TFieldType::Boolean, defaultDrawing_, OptionsKu());
}

bool TKuDBGrid::IsCellEditable(int column) const {
    const TField* field = ColumnField(column);
    return field && !field->ReadOnly() && !readOnly_ && options_.EditingWish() &&
           !columns_[static_cast<std::size_t>(column)].ReadOnly;
}

QColor TKuDBGrid::ColumnColor(int column) const {
    const QColor& own = columns_.at(static_cast<std::size_t>(column)).Color;
    return own.isValid() ? own : color_;
}

TKuCellLook TKuDBGrid::CellLook(int row, int column) const {
    const QModelIndex current = currentIndex();
    TKuCellState cell;
    cell.SelectedCell = current.isValid() && current.row() == row &&
                        (current.column() == column || HasOption(TDBGridOption::dgRowSelect));
    cell.AlwaysShowSelection = HasOption(TDBGridOption::dgAlwaysShowSelection);
    cell.Focused = hasFocus() || isAncestorOf(QApplication::focusWidget());
    cell.MultiSelectedRow = selectedRows_.count(row) > 0;
    cell.TableOpen = dataSource_ && dataSource_->Active();
    cell.RecNo = row + 1;
    cell.ColumnHasGridColor = ColumnColor(column) == color_;
    return DecideKuCellLook(cell, stripeRowColors_, selectRowColors_);
}

void TKuDBGrid::ReportError(const QString& text) {
    // Painting may report: show the box once the paint is over, and one at a time.
    if (reportPending_)
        return;
    reportPending_ = true;
    QTimer::singleShot(0, this, [this, text] {
        messageBox_->Show(this, text, TMsgType::Error, TMsgButtons::Ok);
        reportPending_ = false;
    });
}

void TKuDBGrid::RaiseDrawColumnCell(QPainter* painter, const QRect& rect, int column,
                                    bool selected) {
    emit OnDrawColumnCell(painter, rect, column, selected);
}

void TKuDBGrid::keyPressEvent(QKeyEvent* event) {
    int key = event->key();
    emit OnKeyDown(key, event->modifiers());
    if (key == 0) {
        event->accept();
        return;
    }
    const bool editing = dataSource_ && (dataSource_->State() == TDataSetState::Edit ||
                                         dataSource_->State() == TDataSetState::Insert);
    try {
        if (key == Qt::Key_Delete && (event->modifiers() & Qt::ControlModifier)) {
            if (!OptionsKu().Contains(TDBGridOptionKu::dgxNotCtrlDelKey))
                DeleteCurrentRecord();
            event->accept();
            return;
        }
        if (key == Qt::Key_Escape && editing) {
            dataSource_->Cancel();
            event->accept();
            return;
        }
        const bool untouchedNewRow = dataSource_ && dataSource_->State() == TDataSetState::Insert &&
                                     !dataSource_->Modified();
        if ((key == Qt::Key_Up || key == Qt::Key_Down) && untouchedNewRow) {
            dataSource_->Cancel();
            event->accept();
            return;
        }
        const bool atLastRow =
            currentIndex().isValid() && currentIndex().row() == model_->rowCount() - 1;
        if (key == Qt::Key_Down && atLastRow && dataSource_ && dataSource_->Active() &&
            !readOnly_ && options_.EditingWish()) {
            dataSource_->Append();
            event->accept();
            return;
        }
    } catch (const std::exception& e) {
        ReportError(ErrorText(e));
        event->accept();
        return;
    }
    if (HasOption(TDBGridOption::dgMultiSelect) && currentIndex().isValid())
        MultiSelectKey(key, event->modifiers());
    QTableView::keyPressEvent(event);
}

void TKuDBGrid::MultiSelectKey(int key, Qt::KeyboardModifiers modifiers) {
    const bool upDown = key == Qt::Key_Up || key == Qt::Key_Down;
    const bool moving = upDown || key == Qt::Key_PageUp || key == Qt::Key_PageDown ||
                        key == Qt::Key_Home || key == Qt::Key_End;
    if (upDown && (modifiers & Qt::ShiftModifier))
        ToggleRowSelected(currentIndex().row()); // the row passed
    else if (moving && !OptionsKu().Contains(TDBGridOptionKu::dgxKeyNoCancelMultiSelect))
        ClearSelectedRows();
}

void TKuDBGrid::DeleteCurrentRecord() {
    if (!dataSource_ || !dataSource_->Active() || readOnly_)
        return;
    if (HasOption(TDBGridOption::dgConfirmDelete) &&
        messageBox_->Show(this, QString::fromUtf8(DeleteRecordQuestion), TMsgType::Confirmation,
                          TMsgButtons::YesNo) != TMsgAnswer::Yes)
        return;
    dataSource_->Delete();
}

void TKuDBGrid::mousePressEvent(QMouseEvent* event) {
    QTableView::mousePressEvent(event);
    const QModelIndex index = indexAt(event->position().toPoint());
    const bool multi = HasOption(TDBGridOption::dgMultiSelect) &&
                       (OptionsKu().Contains(TDBGridOptionKu::dgxIndicatorMultiSelect) ||
                        OptionsKu().Contains(TDBGridOptionKu::dgxEditMultiSelect));
    if (!index.isValid() || !multi || (event->modifiers() & Qt::ShiftModifier))
        return;
    const bool editing = dataSource_ && dataSource_->State() == TDataSetState::Edit;
    const bool ctrl = (event->modifiers() & Qt::ControlModifier) ||
                      (editing && OptionsKu().Contains(TDBGridOptionKu::dgxEditMultiSelect));
    if (ctrl)
        ToggleRowSelected(index.row());
    else
        ClearSelectedRows();
}

void TKuDBGrid::mouseReleaseEvent(QMouseEvent* event) {
    QTableView::mouseReleaseEvent(event);
    const QModelIndex index = indexAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && index.isValid() && index == currentIndex())
        ToggleCheckBox(index);
    UpdateRealEditing();
}

void TKuDBGrid::ToggleCheckBox(const QModelIndex& index) {
    TField* field = ColumnField(index.column());
    TKuCheckBoxClick click;
    click.GridReadOnly = readOnly_;
    click.ColumnReadOnly = columns_[static_cast<std::size_t>(index.column())].ReadOnly;
    click.EditingWish = options_.EditingWish();
    click.RowSelect = HasOption(TDBGridOption::dgRowSelect);
    click.BooleanField = field && field->DataType() == TFieldType::Boolean;
    click.FieldModifiable = field && !field->ReadOnly();
    if (!dataSource_ || !dataSource_->Active() || !CanToggleKuCheckBox(click, OptionsKu()))
        return;
    try {
        dataSource_->SetFieldValue(*field, !field->AsBoolean());
    } catch (const std::exception& e) {
        ReportError(ErrorText(e));
    }
}

void TKuDBGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    const QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid())
        emit OnCellDblClick(index.column());
    QTableView::mouseDoubleClickEvent(event);
    emit OnDblClick();
}

void TKuDBGrid::wheelEvent(QWheelEvent* event) {
    event->accept();
    const int delta = event->angleDelta().y();
    if (!dataSource_ || !dataSource_->Active() || delta == 0)
        return;
    try {
        dataSource_->MoveBy(delta < 0 ? 1 : -1);
    } catch (const std::exception& e) {
        ReportError(ErrorText(e));
    }
    viewport()->update();
}

void TKuDBGrid::focusInEvent(QFocusEvent* event) {
    QTableView::focusInEvent(event);
    UpdateRealEditing();
    viewport()->update();
}

void TKuDBGrid::focusOutEvent(QFocusEvent* event) {
    QTableView::focusOutEvent(event);
    viewport()->update();
    const bool intoEditor = isAncestorOf(QApplication::focusWidget());
    if (HasOption(TDBGridOption::dgCancelOnExit) && !intoEditor && dataSource_ &&
        dataSource_->State() == TDataSetState::Insert && !dataSource_->Modified())
        dataSource_->Cancel();
}

void TKuDBGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableView::currentChanged(current, previous);
    viewport()->update();
    UpdateRealEditing();
    if (syncing_ || !current.isValid() || !dataSource_ || !dataSource_->Active() ||
        (previous.isValid() && current.row() == previous.row()))
        return;
    const TClientDataSet& table = *dataSource_->DataSet();
    const int cursorRow =
        table.State() == TDataSetState::Insert ? table.RecordCount() : table.RecNo() - 1;
    if (current.row() == cursorRow)
        return;
    try {
        // Leaving a row posts its edit; a new row that was not touched is dropped.
        if (table.State() == TDataSetState::Insert && !dataSource_->Modified())
            dataSource_->Cancel();
        dataSource_->SetRecNo(current.row() + 1);
    } catch (const std::exception& e) {
        ReportError(ErrorText(e));
        SyncCurrentRow();
    }
}

void TKuDBGrid::DataChanged(TField* field) {
    const int rows = model_->rowCount();
    if (field && !copyingEdit_ && dataSource_->State() == TDataSetState::Edit &&
        OptionsKu().Contains(TDBGridOptionKu::dgxEditMultiSelect))
        fieldEditLists_.Add(field->FieldName(), field->Value());
    if (field) {
        model_->RefreshRow(currentIndex().row());
        return;
    }
    model_->Refresh();
    if (model_->rowCount() != rows)
        selectedRows_.clear();
    SyncCurrentRow();
    viewport()->update();
}

void TKuDBGrid::StateChanged() {
    viewport()->update();
    const TDataSetState state = dataSource_->State();
    if (!copyingEdit_ && state != TDataSetState::Edit && state != TDataSetState::Insert)
        fieldEditLists_.Clear(); // posted and copied, or cancelled
}

void TKuDBGrid::AfterPost() {
    if (!copyingEdit_ && !fieldEditLists_.Empty() && !selectedRows_.empty() &&
        HasOption(TDBGridOption::dgMultiSelect) &&
        OptionsKu().Contains(TDBGridOptionKu::dgxEditMultiSelect))
        CopyEditToSelectedRows();
}

void TKuDBGrid::CopyEditToSelectedRows() {
    TClientDataSet& table = *dataSource_->DataSet();
    // Rows are found again by their ID, since the filter is off while the edit is copied.
    const TField* id = nullptr;
    for (int i = 0; i < table.FieldCount() && !id; ++i)
        if (table.Fields(i).DataType() == TFieldType::AutoInc)
            id = &table.Fields(i);
    if (!id)
        return;
    std::vector<TFieldValue> rows;
    for (int row : selectedRows_)
        if (row < table.RecordCount())
            rows.push_back(table.ViewValue(row, id->Index()));
    const TFieldValue current = id->Value();
    const int screenRow = currentIndex().row() - rowAt(0);
    const int count = static_cast<int>(rows.size());
    const bool filtered = table.Filtered();

    copyingEdit_ = true;
    emit OnStartEditMultiSelect();
    // The grid follows once, when the copy is done, so the selected rows stay as they were.
    table.DisableControls();
    try {
        table.SetFiltered(false);
        for (int n = 1; n <= count; ++n) {
            if (!table.Locate(id->FieldName(), rows[static_cast<std::size_t>(n - 1)]))
                continue;
            for (const TFieldEditValue& item : fieldEditLists_.Items()) {
                table.Edit();
                TField& field = table.FieldByName(item.FieldName);
                field.SetValue(item.Value);
                emit OnDataChangeEditMultiSelect(&field, n, count);
                table.Post();
            }
        }
    } catch (const std::exception& e) {
        table.Cancel();
        ReportError(ErrorText(e));
    }
    table.SetFiltered(filtered);
    emit OnEndEditMultiSelect();
    fieldEditLists_.Clear();
    table.Locate(id->FieldName(), current);
    copyingEdit_ = false;
    table.EnableControls();
    verticalScrollBar()->setValue(std::max(0, currentIndex().row() - screenRow));
}

bool TKuDBGrid::eventFilter(QObject* watched, QEvent* event) {
    if (watched == verticalHeader()->viewport() && IndicatorMouse(event))
        return true;
    return QTableView::eventFilter(watched, event);
}

bool TKuDBGrid::IndicatorMouse(QEvent* event) {
    if (!OptionsKu().Contains(TDBGridOptionKu::dgxDragMultiSelect) || !dataSource_ ||
        !dataSource_->Active())
        return false;
    const auto* mouse = dynamic_cast<QMouseEvent*>(event);
    if (!mouse)
        return false;
    const int y = mouse->position().toPoint().y();
    try {
        switch (event->type()) {
        case QEvent::MouseButtonPress: {
            const int row = rowAt(y);
            if (row < 0 || mouse->button() != Qt::LeftButton)
                return false;
            dragging_ = true;
            UpdateRealEditing();
            dataSource_->SetRecNo(row + 1);
            ToggleRowSelected(row);
            return true;
        }
        case QEvent::MouseMove: {
            if (!dragging_)
                return false;
            const int target = rowAt(y);
            if (y < 0 || target < 0) {
                // Above or below the rows: the timer keeps stepping.
                dragDirection_ = y < 0 ? -1 : 1;
                dragTimer_.start();
                return true;
            }
            dragTimer_.stop();
            for (int row = currentIndex().row(); row != target; row = currentIndex().row()) {
                DragStep(target > row ? 1 : -1);
                if (currentIndex().row() == row)
                    break; // could not move
            }
            return true;
        }
        case QEvent::MouseButtonRelease:
            if (!dragging_)
                return false;
            dragging_ = false;
            dragTimer_.stop();
            UpdateRealEditing();
            return true;
        default:
            return false;
        }
    } catch (const std::exception& e) {
        ReportError(ErrorText(e));
        return true;
    }
}

void TKuDBGrid::DragStep(int direction) {
    const int before = currentIndex().row();
    dataSource_->MoveBy(direction);
    if (currentIndex().row() != before)
        ToggleRowSelected(currentIndex().row());
}

void TKuDBGrid::DragTimerTimer() {
    if (!dragging_ || !dataSource_ || !dataSource_->Active()) {
        dragTimer_.stop();
        return;
    }
    try {
        DragStep(dragDirection_);
    } catch (const std::exception& e) {
        dragTimer_.stop();
        ReportError(ErrorText(e));
    }
}

void TKuDBGrid::SyncCurrentRow() {
    if (!dataSource_ || !dataSource_->Active() || model_->columnCount() == 0)
        return;
    const TClientDataSet& table = *dataSource_->DataSet();
    const int row =
        table.State() == TDataSetState::Insert ? table.RecordCount() : table.RecNo() - 1;
    if (row < 0)
        return;
    int column = currentIndex().isValid() ? currentIndex().column() : 0;
    while (column < model_->columnCount() - 1 && isColumnHidden(column))
        ++column;
    const QModelIndex target = model_->index(row, column);
    if (target == currentIndex())
        return;
    syncing_ = true;
    selectionModel()->setCurrentIndex(target, QItemSelectionModel::NoUpdate);
    syncing_ = false;
    scrollTo(target);
}

void TKuDBGrid::ApplyOptions() {
    header_->setVisible(HasOption(TDBGridOption::dgTitles));
    verticalHeader()->setVisible(HasOption(TDBGridOption::dgIndicator));
    verticalHeader()->setFixedWidth(indicatorWidth_);
    setShowGrid(HasOption(TDBGridOption::dgColLines) || HasOption(TDBGridOption::dgRowLines));
    header_->setSectionsMovable(OptionsKu().Contains(TDBGridOptionKu::dgxColumnMove));
    header_->setSectionResizeMode(OptionsKu().Contains(TDBGridOptionKu::dgxColumnResize)
                                      ? QHeaderView::Interactive
                                      : QHeaderView::Fixed);
    setSelectionBehavior(HasOption(TDBGridOption::dgRowSelect) ? QAbstractItemView::SelectRows
                                                               : QAbstractItemView::SelectItems);
    setTabKeyNavigation(HasOption(TDBGridOption::dgTabs));
    ApplyTitleHeight();
    UpdateRealEditing();
    viewport()->update();
}

void TKuDBGrid::ApplyColumns() {
    for (int i = 0; i < static_cast<int>(columns_.size()); ++i) {
        const TKuColumn& column = columns_[static_cast<std::size_t>(i)];
        setColumnHidden(i, !column.Visible);
        setColumnWidth(i, column.Width);
    }
}

void TKuDBGrid::ApplyTitleHeight() {
    if (!HasOption(TDBGridOption::dgTitles))
        return;
    header_->setFixedHeight(titleHeight_ < 0 ? verticalHeader()->defaultSectionSize()
                                             : titleHeight_);
}

void TKuDBGrid::UpdateRealEditing() {
    const bool real =
        !readOnly_ && options_.RealEditing(IsCheckBoxColumn(SelectedIndex()), dragging_);
    setEditTriggers(real ? QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
                               QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed
                         : QAbstractItemView::NoEditTriggers);
}
