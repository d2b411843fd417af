#include <gtest/gtest.h>
#include "foundation/lua/VirtualMachine.h"
#include "foundation/lua/Table.h"
TEST(Smoke, Runs)
{
    VirtualMachine vm;
    EXPECT_EQ(0, vm.ExecString("Config = { a = 2.9, b = NULL, c = 1 != 2 }"));
    Table t = vm.GetGlobalTable(Name("Config"));
    int a = 0;
    EXPECT_TRUE(t.GetNumber("a", a));
    EXPECT_EQ(2, a);
}
