// A pilot of three ships over the demo data, its file damaged: the game either keeps the file
// aside as it was before it writes the pilot again, or writes back every byte it read. No device
// and no ship is lost without a copy.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <functional>
#include <iostream>
#include <set>
#include <string>

#include "CoreTestSupport.h"
#include "ProfilesTestSupport.h"
#include "foundation/base/BinaryReader.h"
#include "foundation/base/BinaryWriter.h"
#include "foundation/base/Dumper.h"
#include "foundation/lua/VirtualMachine.h"
#include "game/core/gamedata/Base.h"
#include "game/profiles/ProfileFile.h"
#include "game/profiles/ProfileManager.h"

namespace {
constexpr size_t HeaderSize = 32;
constexpr size_t NameSize = 64;

class DamagedPilot : public testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        const std::filesystem::path previous = std::filesystem::current_path();
        std::filesystem::current_path(GAME_DATA_DIR);
        vm = new VirtualMachine;
        base = new Base(vm, &Dumper::Instance());
        base->Load(false);
        std::filesystem::current_path(previous);
        pilot = Pilot();
    }
    static void TearDownTestSuite()
    {
        delete base;
        delete vm;
    }

    // Three ships as the hangar leaves them: the first refitted with other devices in four of
    // its slots, the second its clone, the third a default one without its extra weapon; the
    // second is current.
    static std::string Pilot()
    {
        UserProfile profile({nullptr, base, "."});
        ProfileShip* first = profile.CreateShip("Raven");
        const std::vector<float>& defaults = ProfileShip::DefaultDeviceUids();
        for (int i = 0, refitted = 0; i < base->GetDeviceCount() && refitted < 4; ++i)
        {
            DeviceType* device = base->GetDeviceByIndex(i);
            const DeviceType* fitted =
                first->GetDevice(static_cast<int>(device->type), static_cast<int>(device->subType));
            if (fitted && fitted != device &&
                std::find(defaults.begin(), defaults.end(), fitted->uid) != defaults.end())
            {
                first->AddDevice(device);
                ++refitted;
            }
        }
        profile.CloneShip("Raven II");
        profile.CreateShip("Spare")->SetFlag(0);
        profile.SelectShip(1);
        BinaryWriter out;
        ProfileFile::Write(profile, out);
        return std::string(out.Data().begin(), out.Data().end());
    }

    // Where ship record `ship` of the pilot starts.
    static size_t ShipAt(int ship)
    {
        size_t at = HeaderSize;
        for (int i = 0; i < ship; ++i)
            at += 4 + 4 * DeviceCount(i) + NameSize + 1;
        return at;
    }
    static size_t DeviceCount(int ship)
    {
        int32_t count = 0;
        BinaryReader in(pilot.data(), pilot.size(), "pilot");
        in.Seek(ShipAt(ship));
        in.Read(count);
        return static_cast<size_t>(count);
    }
    static void Put(std::string& bytes, size_t at, uint32_t value)
    {
        for (int i = 0; i < 4; ++i)
            bytes[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    }

    static inline VirtualMachine* vm;
    static inline Base* base;
    static inline std::string pilot;
};

struct Damage
{
    const char* what;
    std::function<void(std::string&)> apply;
    bool kept;          // kept aside as it was; else written back byte for byte
    const char* fitted; // the devices fitted to each ship once loaded
};
} // namespace

TEST_F(DamagedPilot, IsKeptAsideOrWrittenBackAsItWasThroughTheManager)
{
    ASSERT_EQ(3u * 17, DeviceCount(0) + DeviceCount(1) + DeviceCount(2));
    std::string defaults;
    for (float uid : ProfileShip::DefaultDeviceUids())
        defaults += Bytes().F32(uid).data;
    int refitted = 0;
    for (size_t i = 0; i < 17; ++i)
        refitted += defaults.find(pilot.substr(HeaderSize + 4 + 4 * i, 4)) % 4 == 0 ? 0 : 1;
    ASSERT_EQ(4, refitted) << "devices of the first ship that are not default ones";
    const size_t second = ShipAt(1);
    const size_t third = ShipAt(2);
    const auto device = [second](size_t i) { return second + 4 + 4 * i; };
    const auto bits = [](float value) {
        uint32_t result;
        std::memcpy(&result, &value, 4);
        return result;
    };
    const Damage damages[] = {
        {"none", [](std::string&) {}, false, "17 17 17"},
        {"a zeroed byte inside a device's uid", [&](std::string& b) { b[device(3) + 2] = 0; }, false, "17 16 17"},
        {"a device of data the game lacks", [&](std::string& b) { Put(b, device(5), bits(99999)); }, false, "17 16 17"},
        {"a device of the ship again", [&](std::string& b) { b.replace(device(6), 4, b.substr(device(9), 4)); }, false,
         "17 16 17"},
        {"a zeroed byte inside a ship's name", [&](std::string& b) { b[third + 4 + 4 * 17 + 2] = 0; }, false,
         "17 17 17"},
        {"a byte after a ship name's end", [&](std::string& b) { b[third + 4 + 4 * 17 + 40] = 'q'; }, false,
         "17 17 17"},
        {"another flag", [&](std::string& b) { b[third + 4 + 4 * 17 + NameSize] = 7; }, false, "17 17 17"},
        {"a ship name without its end",
         [&](std::string& b) { b.replace(third + 4 + 4 * 17, NameSize, std::string(NameSize, 'x')); }, true,
         "17 17 17"},
        {"a current ship past the ships", [](std::string& b) { Put(b, 28, 3); }, true, "17 17 17"},
        {"no current ship beside the ships", [](std::string& b) { Put(b, 28, 0xFFFFFFFF); }, true, "17 17 17"},
        {"a ship count one short", [](std::string& b) { Put(b, 24, 2); }, true, "17 17"},
        {"a ship count one over", [](std::string& b) { Put(b, 24, 4); }, true, "17 17 17"},
        {"a device count one short", [&](std::string& b) { Put(b, second, 16); }, true, "17 16"},
        {"a device count one over", [&](std::string& b) { Put(b, second, 18); }, true, "17 17"},
    };
    for (const Damage& damage : damages)
    {
        SCOPED_TRACE(damage.what);
        std::string damaged = pilot;
        damage.apply(damaged);
        WorkingFolder folder;
        folder.Write("profiles/Pilot.prf", damaged);
        ProfileManager manager(nullptr, base, "en");
        LogWatch log;
        manager.Initialize();
        ASSERT_EQ(1, manager.GetProfileCount());
        const UserProfile& loaded = *manager.GetCurrent();
        std::string fitted;
        for (int i = 0; i < loaded.GetShipCount(); ++i)
            fitted += (i ? " " : "") + std::to_string(loaded.GetShip(i)->GetDeviceCount());
        EXPECT_EQ(damage.fitted, fitted);
        EXPECT_EQ(damage.kept ? 1 : 0,
                  log.Count("\"./profiles/Pilot.prf\" could not be read whole; the file is kept as "
                            "\"./profiles/Pilot.prf.unreadable\""))
            << log.All();
        manager.ShutDown();
        if (damage.kept)
            EXPECT_EQ(damaged, folder.Read("profiles/Pilot.prf.unreadable"));
        else
        {
            EXPECT_EQ(damaged, folder.Read("profiles/Pilot.prf")) << log.All();
            EXPECT_FALSE(std::filesystem::exists("profiles/Pilot.prf.unreadable"));
        }
    }
}

// Each byte of the file zeroed, set to 0xFF and with each of its bits flipped in turn.
TEST_F(DamagedPilot, AnyOneByteDamageIsKeptAsideOrWrittenBackAsItWas)
{
    int variants = 0;
    int kept = 0;
    int changed = 0;
    std::string first; // the first changed ones, as offset=value
    for (size_t at = 0; at < pilot.size(); ++at)
    {
        const auto original = static_cast<uint8_t>(pilot[at]);
        std::set<uint8_t> values = {0x00, 0xFF};
        for (int bit = 0; bit < 8; ++bit)
            values.insert(static_cast<uint8_t>(original ^ (1 << bit)));
        values.erase(original);
        for (const uint8_t value : values)
        {
            std::string damaged = pilot;
            damaged[at] = static_cast<char>(value);
            ++variants;
            UserProfile profile({nullptr, base, "."});
            BinaryReader in(damaged.data(), damaged.size(), "damaged");
            if (!ProfileFile::Read(profile, in))
            {
                ++kept;
                continue;
            }
            BinaryWriter out;
            ProfileFile::Write(profile, out);
            if (std::string(out.Data().begin(), out.Data().end()) != damaged && ++changed <= 20)
                first += " " + std::to_string(at) + "=" + std::to_string(value);
        }
    }
    std::cout << variants << " variants of " << pilot.size() << " bytes: " << kept << " kept aside, " << variants - kept
              << " written back, " << changed << " of them changed" << std::endl;
    EXPECT_EQ(0, changed) << "rewritten without a copy, the first:" << first;
    EXPECT_GT(variants, 3000);
}
