#include <gtest/gtest.h>

#include <string>

#include "foundation/base/Flags.h"
#include "foundation/base/Format.h"
#include "foundation/base/Name.h"
#include "foundation/base/NameLease.h"

namespace {

class NameTest : public ::testing::Test
{
protected:
    void SetUp() override { Name::ClearHash(); }
    void TearDown() override { Name::ClearHash(); }
};

TEST_F(NameTest, EqualTextsShareOneIndexInOrderOfFirstUse)
{
    Name empty("");
    EXPECT_FALSE(empty.IsValid());
    EXPECT_EQ(int(empty), -1);
    EXPECT_FALSE(Name().IsValid());

    Name a("alpha");
    Name b("beta");
    Name again("alpha");
    EXPECT_EQ(int(a), 0);
    EXPECT_EQ(int(b), 1);
    EXPECT_EQ(a, again);
    EXPECT_NE(a, b);
    EXPECT_EQ(Name::GetHashSize(), 2u);
    EXPECT_STREQ(again.Str(), "alpha");
    EXPECT_STREQ(*b, "beta");
    EXPECT_TRUE(Name::IsInitialized());
}

TEST_F(NameTest, CaseMatters)
{
    Name lower("ship");
    Name upper("SHIP");
    EXPECT_NE(lower, upper);
    EXPECT_EQ(Name::GetHashSize(), 2u);
}

TEST_F(NameTest, ClearHashRestartsIndices)
{
    Name("one");
    Name("two");
    Name::ClearHash();
    EXPECT_EQ(Name::GetHashSize(), 0u);
    EXPECT_FALSE(Name::IsInitialized());
    EXPECT_EQ(int(Name("three")), 0);
}

TEST_F(NameTest, IndexConstructionAndOutOfRangeText)
{
    Name a("x");
    Name copy(static_cast<int>(a));
    EXPECT_EQ(copy, a);
    copy.Reset();
    EXPECT_FALSE(copy.IsValid());
    EXPECT_STREQ(copy.Str(), "");
    EXPECT_STREQ(Name(12345).Str(), "");
    EXPECT_EQ(Name::GetEntry(-1), nullptr);
    EXPECT_EQ(Name::GetEntry(int(a))->index, int(a));
}

TEST_F(NameTest, OverlongTextIsCutConsistently)
{
    std::string longText(300, 'n');
    Name a(longText.c_str());
    Name b(longText.c_str());
    EXPECT_EQ(a, b);
    EXPECT_EQ(std::string(a.Str()), std::string(127, 'n'));
    EXPECT_EQ(Name(std::string(127, 'n').c_str()), a);
}

// Data files intern texts too: a full table refuses new ones instead of ending the process.
TEST_F(NameTest, AFullTableRefusesNewTextsAndKeepsTheOldOnes)
{
    for (unsigned i = 0; i < Name::MaxNames; ++i)
        ASSERT_EQ(Name(std::to_string(i).c_str()), static_cast<int>(i));
    testing::internal::CaptureStdout();
    EXPECT_FALSE(Name("one too many").IsValid());
    EXPECT_FALSE(Name("and another").IsValid());
    const std::string log = testing::internal::GetCapturedStdout();
    EXPECT_NE(log.find("Name table is full (4096 names): <one too many>"), std::string::npos) << log;
    EXPECT_EQ(log.find("and another"), std::string::npos) << "logged once";
    EXPECT_EQ(Name("17"), 17);
    EXPECT_STREQ(Name(4095).Str(), "4095");
}

// What a lease alone holds leaves the table when it is given back, and its slot is used again;
// what was or is interned for good, or another lease holds, stays as it was.
TEST_F(NameTest, ALeaseGivesBackOnlyTheNamesNothingElseHolds)
{
    const Name before("before");
    NameLease lease;
    NameLease other;
    const Name own = lease.Take("own");
    const Name twice = lease.Take("own");
    const Name shared = lease.Take("shared");
    EXPECT_EQ(other.Take("shared"), shared);
    EXPECT_EQ(lease.Take("before"), before);
    const Name pinned = lease.Take("pinned");
    EXPECT_EQ(Name("pinned"), pinned) << "interned for good while leased";
    EXPECT_FALSE(lease.Take("").IsValid());
    EXPECT_EQ(own, twice);
    EXPECT_EQ(4u, Name::GetHashSize());

    lease.GiveBack();
    EXPECT_EQ(3u, Name::GetHashSize());
    EXPECT_STREQ("", own.Str()) << "given back";
    EXPECT_EQ(nullptr, Name::GetEntry(own));
    EXPECT_STREQ("shared", shared.Str()) << "the other lease holds it";
    EXPECT_STREQ("before", before.Str());
    EXPECT_STREQ("pinned", pinned.Str());
    EXPECT_EQ(Name("pinned"), pinned);
    lease.GiveBack();
    EXPECT_STREQ("shared", shared.Str()) << "given back twice, while the other lease holds it";
    EXPECT_EQ(3u, Name::GetHashSize());
    EXPECT_EQ(int(Name("new")), int(own)) << "the slot is used again";
    EXPECT_STREQ("new", own.Str());

    other.GiveBack();
    EXPECT_STREQ("", shared.Str());
    EXPECT_EQ(3u, Name::GetHashSize());
    lease.GiveBack(); // once more, when nothing else holds its names
    EXPECT_EQ(3u, Name::GetHashSize());
}

// Leases leave the last of the table to the names interned for good, and a table they filled
// is whole again once they are given back.
TEST_F(NameTest, LeasesLeaveTheirReserveAndAFullLeaseGoesWhole)
{
    for (unsigned i = 0; i < 100; ++i)
        Name(("game " + std::to_string(i)).c_str());
    NameLease mission;
    const unsigned room = Name::MaxNames - NameLease::Reserve - 100;
    for (unsigned i = 0; i < room; ++i)
        ASSERT_TRUE(mission.Take(("track " + std::to_string(i)).c_str()).IsValid()) << i;
    EXPECT_FALSE(mission.Take("one more").IsValid());
    EXPECT_TRUE(mission.Take("track 7").IsValid()) << "a name it has";
    EXPECT_TRUE(mission.Take("game 7").IsValid()) << "a name the table has";
    EXPECT_TRUE(Name("a model's bone").IsValid()) << "the reserve is left to the rest";

    mission.GiveBack();
    EXPECT_EQ(101u, Name::GetHashSize());
    NameLease next;
    for (unsigned i = 0; i < room - 1; ++i)
        ASSERT_TRUE(next.Take(("next " + std::to_string(i)).c_str()).IsValid()) << i;
    EXPECT_STREQ("game 99", Name("game 99").Str());
    EXPECT_EQ(101u + room - 1, Name::GetHashSize());
}

TEST(FlagsTest, RaiseTestAndReset)
{
    const Flags flags;
    flags.RaiseFlag(0x4);
    flags.RaiseFlag(0x4);
    EXPECT_TRUE(flags.HasFlag(0x4));
    EXPECT_TRUE(flags.HasFlag(0x5)); // any of the bits
    EXPECT_FALSE(flags.HasFlag(0x1));
    EXPECT_TRUE(flags == 0x4);
    flags.ResetFlag(0x4);
    EXPECT_FALSE(flags.HasFlag(0x4));
    EXPECT_TRUE(flags == 0);
    // Untested reset toggles: callers test first.
    flags.ResetFlag(0x2);
    EXPECT_TRUE(flags != 0);
}

TEST(FormatTest, SharedBufferAndEmptyFormat)
{
    Format first("%d-%s", 7, "x");
    EXPECT_STREQ(first, "7-x");
    Format second("second");
    EXPECT_STREQ(*first, "second");
    EXPECT_STREQ(*second, "second");
    Format empty("%s", "");
    EXPECT_STREQ(empty, "");
}

TEST(FormatTest, LongTextIsCut)
{
    std::string big(10000, 'a');
    Format f("%s", big.c_str());
    EXPECT_EQ(std::string(f).size(), Format::BufferSize - 1);
}

} // namespace
