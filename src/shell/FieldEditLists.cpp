#include "shell/FieldEditLists.h"

#include <algorithm>

void TFieldEditLists::Add(const std::string& fieldName, const TFieldValue& value) {
    TFieldEditValue item{fieldName, value};
    if (std::find(items_.begin(), items_.end(), item) == items_.end())
        items_.push_back(std::move(item));
}
