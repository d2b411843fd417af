#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "foundation/base/BinaryReader.h"
#include "foundation/base/BinaryWriter.h"
#include "foundation/base/Random.h"

namespace {

TEST(BinaryIoTest, RoundTripInLittleEndian)
{
    BinaryWriter writer;
    writer.Write(uint8_t{0xAB});
    writer.Write(uint16_t{0x1234});
    writer.Write(uint32_t{0xDEADBEEF});
    writer.Write(int32_t{-5});
    writer.Write(1.0f);
    writer.Write(uint64_t{0x0102030405060708});
    writer.Write(-2.5);
    writer.WriteFixedString("pilot", 8);
    writer.WriteFixedString("far too long", 4);
    ASSERT_EQ(writer.Size(), 1u + 2 + 4 + 4 + 4 + 8 + 8 + 8 + 4);
    EXPECT_EQ(writer.Data()[1], 0x34);
    EXPECT_EQ(writer.Data()[3], 0xEF);

    BinaryReader reader(writer.Data().data(), writer.Size(), "test.bin");
    uint8_t b;
    uint16_t s;
    uint32_t u;
    int32_t i;
    float f;
    uint64_t l;
    double d;
    char name[9];
    char cut[5];
    ASSERT_TRUE(reader.Read(b) && reader.Read(s) && reader.Read(u) && reader.Read(i) && reader.Read(f) &&
                reader.Read(l) && reader.Read(d) && reader.ReadFixedString(name, 8) && reader.ReadFixedString(cut, 4));
    EXPECT_EQ(b, 0xAB);
    EXPECT_EQ(s, 0x1234);
    EXPECT_EQ(u, 0xDEADBEEFu);
    EXPECT_EQ(i, -5);
    EXPECT_EQ(f, 1.0f);
    EXPECT_EQ(l, 0x0102030405060708u);
    EXPECT_EQ(d, -2.5);
    EXPECT_STREQ(name, "pilot");
    EXPECT_STREQ(cut, "far");
    EXPECT_EQ(reader.Remaining(), 0u);
    EXPECT_FALSE(reader.Failed());
}

TEST(BinaryIoTest, TruncatedInputFailsAndStaysFailed)
{
    const uint8_t data[] = {1, 2, 3, 4, 5, 6};
    BinaryReader reader(data, sizeof(data), "ship.bin");
    uint32_t u = 0;
    ASSERT_TRUE(reader.Read(u));
    EXPECT_FALSE(reader.Read(u));
    EXPECT_TRUE(reader.Failed());
    EXPECT_EQ(reader.Offset(), 4u);
    EXPECT_NE(reader.Error().find("ship.bin"), std::string::npos);
    EXPECT_NE(reader.Error().find("offset 4"), std::string::npos);
    uint8_t b = 0;
    EXPECT_FALSE(reader.Read(b)); // two bytes are left, but the reader has failed

    char text[8] = "junk";
    BinaryReader fixed(data, sizeof(data), "x");
    EXPECT_FALSE(fixed.ReadFixedString(text, 7));
    EXPECT_STREQ(text, "");

    BinaryReader seeker(data, sizeof(data), "x");
    EXPECT_TRUE(seeker.Seek(6));
    EXPECT_TRUE(seeker.Skip(0));
    EXPECT_FALSE(seeker.Seek(7));

    BinaryReader huge(data, sizeof(data), "x");
    EXPECT_FALSE(huge.Skip(static_cast<size_t>(-1)));
}

TEST(BinaryIoTest, UnterminatedTextFieldStaysInsideItsArray)
{
    const char full[] = {'A', 'B', 'C', 'D'};
    struct
    {
        char text[4];
        char guard = 'g';
    } record;
    BinaryReader unterminated(full, sizeof(full), "x");
    EXPECT_TRUE(unterminated.ReadFixedString(record.text, sizeof(record.text)));
    EXPECT_STREQ(record.text, "ABC");
    EXPECT_EQ(record.guard, 'g');
    EXPECT_EQ(unterminated.Remaining(), 0u);
}

TEST(RandomTest, RangeAndSeeding)
{
    EngineSeed(1234);
    std::vector<int> first;
    for (int n = 0; n < 1000; ++n)
    {
        int r = EngineRandom();
        ASSERT_GE(r, 0);
        ASSERT_LE(r, ENGINE_RAND_MAX);
        first.push_back(r);
    }
    EXPECT_GT(std::set<int>(first.begin(), first.end()).size(), 900u);
    EngineSeed(1234);
    for (int expected : first)
        ASSERT_EQ(EngineRandom(), expected);
}

} // namespace
