#pragma once

#include "storage/TableTypes.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

// A row filter parsed from a predicate text such as
//   (Area = 'x' OR Area IS NULL OR Area = '') AND (AllMinMin1 <= 300 AND AllMinMax1 >= 300)
//   AND CheckVisible = True
// Grammar (keywords without regard to case):
//   expr    := and { OR and }          and := not { AND not }
//   not     := NOT not | '(' expr ')' | operand IS [NOT] NULL | operand op operand
//   op      := = | <> | < | > | <= | >=
//   operand := field name | 'text' ('' inside stands for ') | number | True | False
// A comparison in which a field is null is false; only IS NULL holds for a null.
class TTableFilter {
public:
    // Parses the text against the table's fields. Throws std::runtime_error quoting the text
    // and telling what is wrong (unknown field, mismatched types, bad syntax).
    TTableFilter(std::string_view text, const std::vector<TFieldDef>& fields);
    ~TTableFilter();
    TTableFilter(TTableFilter&&) noexcept;
    TTableFilter& operator=(TTableFilter&&) noexcept;

    bool Matches(const TRowValues& row) const;

    struct TNode;

private:
    std::unique_ptr<TNode> root_;
};
