#include "shell/FieldEditLists.h"

#include <gtest/gtest.h>

TEST(KuFieldEditLists, KeepsEachDistinctPairOnceInOrder) {
    TFieldEditLists lists;
    lists.Add("CheckVisible", true);
    lists.Add("Area", std::string("ダンバートン"));
    lists.Add("CheckVisible", true);
    lists.Add("CheckVisible", false);
    lists.Add("Area", TFieldValue{});
    const std::vector<TFieldEditValue> expected{{"CheckVisible", true},
                                                {"Area", std::string("ダンバートン")},
                                                {"CheckVisible", false},
                                                {"Area", TFieldValue{}}};
    EXPECT_EQ(lists.Items(), expected);
    lists.Clear();
    EXPECT_TRUE(lists.Empty());
}
