#include "shell/ui/DataSource.h"

#include <QScopedValueRollback>

#include <algorithm>

namespace {

bool IsEditing(TDataSetState state) {
    return state == TDataSetState::Edit || state == TDataSetState::Insert;
}

} // namespace

TDataSource::TDataSource(QObject* parent) : QObject(parent) {}

TDataSource::~TDataSource() {
    if (dataSet_)
        dataSet_->RemoveDataChangeHandler(handlerId_);
}

void TDataSource::SetDataSet(TClientDataSet* dataSet) {
    if (dataSet_)
        dataSet_->RemoveDataChangeHandler(handlerId_);
    dataSet_ = dataSet;
    if (dataSet_)
        handlerId_ =
            dataSet_->AddDataChangeHandler([this](TDataSetEvent event) { DataSetEvent(event); });
    modified_ = false;
    DataSetEvent(TDataSetEvent::Layout);
}

bool TDataSource::Active() const {
    return dataSet_ && dataSet_->Active();
}

TDataSetState TDataSource::State() const {
    return Active() ? dataSet_->State() : TDataSetState::Inactive;
}

void TDataSource::Edit() {
    if (Active())
        dataSet_->Edit();
}

void TDataSource::Append() {
    if (!Active())
        return;
    Post();
    dataSet_->Append();
}

void TDataSource::Post() {
    if (!IsEditing(State()))
        return;
    emit UpdateData();
    dataSet_->Post();
}

void TDataSource::Cancel() {
    if (IsEditing(State()))
        dataSet_->Cancel();
}

void TDataSource::Delete() {
    if (Active())
        dataSet_->Delete();
}

void TDataSource::SetRecNo(int recNo) {
    if (!Active())
        return;
    Post();
    dataSet_->SetRecNo(recNo);
}

void TDataSource::MoveBy(int distance) {
    if (!Active())
        return;
    Post();
    const int count = dataSet_->RecordCount();
    if (count == 0)
        return;
    const int target = std::clamp(dataSet_->RecNo() + distance, 1, count);
    if (target != dataSet_->RecNo())
        dataSet_->SetRecNo(target);
}

void TDataSource::SetFieldValue(TField& field, const TFieldValue& value) {
    if (!Active())
        return;
    Edit();
    // The table tells only that a value changed; the controls want to know which field.
    const QScopedValueRollback<TField*> naming(changingField_, &field);
    field.SetValue(value);
}

void TDataSource::DataSetEvent(TDataSetEvent event) {
    const TDataSetState before = shownState_;
    shownState_ = State();
    const bool editing = IsEditing(shownState_);
    if (!editing || event == TDataSetEvent::StateChange)
        modified_ = false;
    else if (event == TDataSetEvent::DataChange)
        modified_ = true;
    // Only a post turns an edit back into browsing with a change of data; a cancel is a change
    // of state.
    if (event == TDataSetEvent::DataChange && IsEditing(before) && !editing)
        emit AfterPost();
    if (event == TDataSetEvent::Layout || shownState_ != before)
        emit StateChange();
    emit DataChange(event == TDataSetEvent::DataChange ? changingField_ : nullptr);
}
