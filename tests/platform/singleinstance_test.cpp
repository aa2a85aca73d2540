#include "platform/SingleInstance.h"

#include <gtest/gtest.h>

#include <unistd.h>

TEST(SingleInstanceLock, OneHolderPerNameUntilReleased) {
    const std::string name = "yorra-test-" + std::to_string(getpid());
    {
        TSingleInstanceLock first(name);
        ASSERT_TRUE(first.Acquired());
        TSingleInstanceLock second(name);
        EXPECT_FALSE(second.Acquired());
        TSingleInstanceLock other(name + "-renamed"); // another file name starts
        EXPECT_TRUE(other.Acquired());
    }
    TSingleInstanceLock again(name);
    EXPECT_TRUE(again.Acquired());
}
