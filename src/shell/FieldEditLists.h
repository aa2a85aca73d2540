#pragma once

#include "storage/TableTypes.h"

#include <string>
#include <vector>

// A field change made in one row, to be copied to the other selected rows.
struct TFieldEditValue {
    std::string FieldName;
    TFieldValue Value;
    friend bool operator==(const TFieldEditValue&, const TFieldEditValue&) = default;
};

// The changes made while a row was edited, each distinct pair once, in the order made.
class TFieldEditLists {
  public:
    void Add(const std::string& fieldName, const TFieldValue& value);
    const std::vector<TFieldEditValue>& Items() const { return items_; }
    bool Empty() const { return items_.empty(); }
    void Clear() { items_.clear(); }

  private:
    std::vector<TFieldEditValue> items_;
};
