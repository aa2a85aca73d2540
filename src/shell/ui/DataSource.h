#pragma once

#include "storage/ClientDataSet.h"

#include <QObject>

// Links a table to the controls that show it. The source listens to its table, so every
// change reaches the controls, whether it came through the source or was made on the table
// directly (filter, index, load, moves); a window that walks all the records disables the
// table's controls meanwhile. Controls change the table through the source, so that the owner
// window can check a row in UpdateData before it is posted.
//
// The table must outlive the source, or be replaced (SetDataSet) before it goes.
class TDataSource : public QObject {
    Q_OBJECT
  public:
    explicit TDataSource(QObject* parent = nullptr);
    ~TDataSource() override;

    TClientDataSet* DataSet() const { return dataSet_; }
    void SetDataSet(TClientDataSet* dataSet);
    // The table is set and open.
    bool Active() const;
    TDataSetState State() const;
    // A field of the row being edited was set since Edit or Append.
    bool Modified() const { return modified_; }

    // The table's operations; moving and Post raise UpdateData before a pending edit is stored.
    void Edit();
    void Append();
    void Post();
    void Cancel();
    void Delete();
    void SetRecNo(int recNo);
    void MoveBy(int distance);
    // Sets a field of the current row, starting an edit when browsing.
    void SetFieldValue(TField& field, const TFieldValue& value);

  signals:
    // field is null when the row, the position or the whole table changed.
    void DataChange(TField* field);
    void StateChange();
    void UpdateData();
    // A pending edit was stored (before the controls hear of the new state).
    void AfterPost();

  private:
    void DataSetEvent(TDataSetEvent event);

    TClientDataSet* dataSet_ = nullptr;
    int handlerId_ = 0;
    TDataSetState shownState_ = TDataSetState::Inactive; // as the controls last heard it
    TField* changingField_ = nullptr;                    // set through SetFieldValue
    bool modified_ = false;
};
