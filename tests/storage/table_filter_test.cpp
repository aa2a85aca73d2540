#include "storage/TableFilter.h"

#include <gtest/gtest.h>

namespace {

const std::vector<TFieldDef> Fields = {AutoIncFieldDef("ID"), StringFieldDef("Area", 20),
                                       IntegerFieldDef("AllMinMin1"), IntegerFieldDef("AllMinMax1"),
                                       BooleanFieldDef("CheckVisible")};

const std::string Schedule =
    "(Area = 'ダンバートン' OR Area IS NULL OR Area = '') AND ((AllMinMin1 <= 300 AND "
    "AllMinMax1 >= 300)) AND CheckVisible = True ";

std::string Repeat(const std::string& text, int times) {
    std::string result;
    for (int i = 0; i < times; ++i)
        result += text;
    return result;
}

} // namespace

TEST(TableFilterPredicate, EvaluatesTheProgramsPredicates) {
    struct Case {
        std::string predicate;
        TRowValues row;
        bool expected;
    };
    const TFieldValue null;
    const std::vector<Case> cases = {
        {Schedule, {1, std::string("ダンバートン"), 300, 540, true}, true},
        {Schedule, {1, null, 240, 300, true}, true},
        {Schedule, {1, std::string(""), 0, 1439, true}, true},
        {Schedule, {1, std::string("ティルコネイル"), 0, 1439, true}, false},
        {Schedule, {1, null, 301, 540, true}, false},
        {Schedule, {1, null, 0, 1439, false}, false},
        {Schedule, {1, null, 0, 1439, null}, false}, // a null never compares true
        {Schedule, {1, null, null, 1439, true}, false},
        {"ID = 5 ", {5, null, null, null, null}, true},
        {"ID = 5 ", {6, null, null, null, null}, false},
        {"ID = -5", {-5, null, null, null, null}, true},
        {"id = '5'", {5, null, null, null, null}, true}, // quoted number against a number field
        {"Area = 'it''s'", {1, std::string("it's"), 0, 0, true}, true},
        {"Area <> 'a'", {1, null, 0, 0, true}, false},
        {"NOT Area IS NULL", {1, null, 0, 0, true}, false},
        {"Area IS NOT NULL", {1, std::string(""), 0, 0, true}, true},
        {"checkvisible = false or ID >= 3", {3, null, 0, 0, true}, true},
        {"AllMinMin1 < AllMinMax1", {3, null, 1, 2, true}, true},
    };
    for (const Case& c : cases) {
        TTableFilter filter(c.predicate, Fields);
        EXPECT_EQ(filter.Matches(c.row), c.expected) << c.predicate;
    }
}

TEST(TableFilterPredicate, BadPredicatesAreErrorsQuotingTheText) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"", "expected a field or a value"},
        {"FilterCheck = True ", "unknown field \"FilterCheck\""},
        {"ID = ", "expected a field or a value"},
        {"ID 5", "expected a comparison"},
        {"(ID = 5", "missing ')'"},
        {"Area = 'open", "unterminated text"},
        {"Area = 5", "type mismatch"},
        {"ID = 'x'", "type mismatch"},
        {"CheckVisible = 1", "type mismatch"},
        {"Area = ID", "different types"},
        {"ID = 5 5", "unexpected text"},
        {"ID = %0:d ", "expected a field or a value"},
        {"5 IS NULL", "IS NULL needs a field"},
        {"ID = 5x", "bad number"},
        {Repeat("(", 5000) + "ID = 1" + Repeat(")", 5000), "nested too deeply"},
        {Repeat("NOT ", 300) + "ID = 1", "nested too deeply"},
        {Repeat("ID = 1 OR ", 2000) + "ID = 1", "too many conditions"},
    };
    for (const auto& [predicate, reason] : cases) {
        try {
            TTableFilter filter(predicate, Fields);
            ADD_FAILURE() << "accepted: " << predicate;
        } catch (const std::runtime_error& e) {
            std::string message = e.what();
            EXPECT_NE(message.find("\"" + predicate + "\""), std::string::npos) << message;
            EXPECT_NE(message.find(reason), std::string::npos) << message;
        }
    }
}
