#pragma once

#include "storage/ClientDataSet.h"

#include <QObject>

// Links a table to the controls that show it. Controls move through the table and change it
// through the data source, so that every control bound to it hears of the change, and the
// owner window can check a row in UpdateData before it is posted.
class TDataSource : public QObject {
    Q_OBJECT
  public:
    explicit TDataSource(QObject* parent = nullptr);

    TClientDataSet* DataSet() const { return dataSet_; }
    void SetDataSet(TClientDataSet* dataSet);
    // While disabled the controls show nothing and hear nothing, so a window can walk all the
    // records without them following; enabling again refreshes them.
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value);
    // The table is set, open and the source enabled.
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

    // Tells the controls that the table was changed directly (filter, index, load, moves).
    void DataSetChanged();

  signals:
    // field is null when the row, the position or the whole table changed.
    void DataChange(TField* field);
    void StateChange();
    void UpdateData();
    // A pending edit was stored (before the controls hear of the new state).
    void AfterPost();

  private:
    void Notify(TDataSetState before, TField* field);

    TClientDataSet* dataSet_ = nullptr;
    bool enabled_ = true;
    bool modified_ = false;
};
