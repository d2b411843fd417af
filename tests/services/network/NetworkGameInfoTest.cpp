#include "foundation/base/BinaryReader.h"
#include "services/network/NetworkDiscovery.h"
#include "services/network/NetworkGameInfo.h"
#include "services/network/NetworkProtocol.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {
uint32_t LittleAt(const std::vector<uint8_t>& bytes, size_t offset, size_t width)
{
    uint32_t value = 0;
    for (size_t i = 0; i < width; ++i)
        value |= static_cast<uint32_t>(bytes[offset + i]) << (8 * i);
    return value;
}

NetworkGameInfo Sample()
{
    NetworkGameInfo info;
    info.header = 0x01020304;
    std::strcpy(info.address, "192.168.100.200");
    info.port = 0xA1B2;
    std::strcpy(info.name, "Nebula");
    std::strcpy(info.text, "Kaldea III");
    info.maxPlayers = 0x0108;
    info.currentPlayers = 0x0203;
    info.fragLimit = 0x0304;
    info.timeLimit = 0x0405;
    info.extra = 0xCAFEBABE;
    info.status = -2;
    return info;
}
} // namespace

TEST(NetworkGameInfo, WritesEveryFieldLittleEndianAtItsOffset)
{
    const std::vector<uint8_t> bytes = Sample().Serialize();
    ASSERT_EQ(bytes.size(), 136u);
    EXPECT_EQ(LittleAt(bytes, 0, 4), 0x01020304u);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&bytes[4])), "192.168.100.200");
    EXPECT_EQ(LittleAt(bytes, 20, 2), 0xA1B2u);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&bytes[22])), "Nebula");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&bytes[54])), "Kaldea III");
    EXPECT_EQ(LittleAt(bytes, 118, 2), 0x0108u);
    EXPECT_EQ(LittleAt(bytes, 120, 2), 0x0203u);
    EXPECT_EQ(LittleAt(bytes, 122, 2), 0x0304u);
    EXPECT_EQ(LittleAt(bytes, 124, 2), 0x0405u);
    EXPECT_EQ(LittleAt(bytes, 126, 2), 0u);
    EXPECT_EQ(LittleAt(bytes, 128, 4), 0xCAFEBABEu);
    EXPECT_EQ(static_cast<int32_t>(LittleAt(bytes, 132, 4)), -2);

    NetworkGameInfo back;
    BinaryReader in(bytes.data(), bytes.size(), "record");
    ASSERT_TRUE(back.Read(in));
    EXPECT_STREQ(back.address, "192.168.100.200");
    EXPECT_EQ(back.extra, 0xCAFEBABEu);
    EXPECT_EQ(back.Serialize(), bytes);
}

TEST(NetworkGameInfo, ReadTerminatesTextsAndRejectsShortRecords)
{
    std::vector<uint8_t> bytes(136, 'A');
    NetworkGameInfo info;
    BinaryReader in(bytes.data(), bytes.size(), "record");
    ASSERT_TRUE(info.Read(in));
    EXPECT_EQ(std::strlen(info.address), 15u);
    EXPECT_EQ(std::strlen(info.name), 31u);
    EXPECT_EQ(std::strlen(info.text), 63u);

    const NetworkGameInfo before = Sample();
    for (size_t size : {size_t(0), size_t(1), size_t(21), size_t(135)})
    {
        NetworkGameInfo kept = before;
        BinaryReader shortIn(bytes.data(), size, "short record");
        EXPECT_FALSE(kept.Read(shortIn)) << size;
        EXPECT_EQ(kept.Serialize(), before.Serialize()) << "a failed read leaves the record alone, size " << size;
    }
}

TEST(NetworkDiscovery, ReadsOnlyWholeAnswersAndPings)
{
    const std::vector<uint8_t> record = Sample().Serialize();
    const std::vector<uint8_t> pong = NetworkDiscovery::MakePong(77, record);
    ASSERT_EQ(pong.size(), NetworkProtocol::PongSize);

    NetworkGameInfo info;
    std::string error;
    ASSERT_TRUE(NetworkDiscovery::ReadPong(pong.data(), pong.size(), info, error));
    EXPECT_STREQ(info.name, "Nebula");
    EXPECT_EQ(info.status, -2);

    std::vector<uint8_t> wrongId = pong;
    wrongId[0] = 27;
    std::vector<uint8_t> longer = pong;
    longer.push_back(0);
    const struct
    {
        const char* what;
        std::vector<uint8_t> datagram;
    } bad[] = {
        {"empty", {}},
        {"identifier only", {NetworkProtocol::ID_PONG}},
        {"cut in the record", std::vector<uint8_t>(pong.begin(), pong.begin() + 100)},
        {"one byte short", std::vector<uint8_t>(pong.begin(), pong.end() - 1)},
        {"one byte long", longer},
        {"other identifier", wrongId},
    };
    for (const auto& test : bad)
        EXPECT_FALSE(NetworkDiscovery::ReadPong(test.datagram.data(), test.datagram.size(), info, error)) << test.what;

    uint64_t stamp = 0;
    const std::vector<uint8_t> ping = NetworkDiscovery::MakePing(0x1122334455667788ull);
    ASSERT_TRUE(NetworkDiscovery::ReadPing(ping.data(), ping.size(), stamp));
    EXPECT_EQ(stamp, 0x1122334455667788ull);
    // A forged sender gets no more bytes sent to it than the forger sent.
    EXPECT_GE(ping.size(), pong.size());
    EXPECT_FALSE(NetworkDiscovery::ReadPing(ping.data(), ping.size() - 1, stamp));
    std::vector<uint8_t> wrongMagic = ping;
    wrongMagic[3] ^= 0xFF;
    EXPECT_FALSE(NetworkDiscovery::ReadPing(wrongMagic.data(), wrongMagic.size(), stamp));
}
