#include "shell/ui/DataSource.h"

#include <algorithm>

TDataSource::TDataSource(QObject* parent) : QObject(parent) {}

void TDataSource::SetDataSet(TClientDataSet* dataSet) {
    const TDataSetState before = State();
    dataSet_ = dataSet;
    modified_ = false;
    Notify(before, nullptr);
}

void TDataSource::SetEnabled(bool value) {
    if (enabled_ == value)
        return;
    enabled_ = value;
    emit StateChange();
    emit DataChange(nullptr);
}

bool TDataSource::Active() const {
    return enabled_ && dataSet_ && dataSet_->Active();
}

TDataSetState TDataSource::State() const {
    return Active() ? dataSet_->State() : TDataSetState::Inactive;
}

void TDataSource::Edit() {
    if (!Active())
        return;
    const TDataSetState before = State();
    dataSet_->Edit();
    if (State() != before)
        modified_ = false;
    Notify(before, nullptr);
}

void TDataSource::Append() {
    if (!Active())
        return;
    Post();
    const TDataSetState before = State();
    dataSet_->Append();
    modified_ = false;
    Notify(before, nullptr);
}

void TDataSource::Post() {
    const TDataSetState before = State();
    if (before != TDataSetState::Edit && before != TDataSetState::Insert)
        return;
    emit UpdateData();
    dataSet_->Post();
    modified_ = false;
    emit AfterPost();
    Notify(before, nullptr);
}

void TDataSource::Cancel() {
    const TDataSetState before = State();
    if (before != TDataSetState::Edit && before != TDataSetState::Insert)
        return;
    dataSet_->Cancel();
    modified_ = false;
    Notify(before, nullptr);
}

void TDataSource::Delete() {
    if (!Active())
        return;
    const TDataSetState before = State();
    dataSet_->Delete();
    modified_ = false;
    Notify(before, nullptr);
}

void TDataSource::SetRecNo(int recNo) {
    if (!Active())
        return;
    Post();
    dataSet_->SetRecNo(recNo);
    emit DataChange(nullptr);
}

void TDataSource::MoveBy(int distance) {
    if (!Active())
        return;
    Post();
    const int count = dataSet_->RecordCount();
    if (count == 0)
        return;
    const int target = std::clamp(dataSet_->RecNo() + distance, 1, count);
    if (target == dataSet_->RecNo())
        return;
    dataSet_->SetRecNo(target);
    emit DataChange(nullptr);
}

void TDataSource::SetFieldValue(TField& field, const TFieldValue& value) {
    if (!Active())
        return;
    Edit();
    field.SetValue(value);
    modified_ = true;
    emit DataChange(&field);
}

void TDataSource::DataSetChanged() {
    emit StateChange();
    emit DataChange(nullptr);
}

void TDataSource::Notify(TDataSetState before, TField* field) {
    if (!enabled_)
        return;
    if (State() != before)
        emit StateChange();
    emit DataChange(field);
}
