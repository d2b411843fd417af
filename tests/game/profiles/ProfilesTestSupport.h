#pragma once
// Game data and texts built in code for the profile tests.
#include <cstdint>
#include <string>
#include <vector>

#include "foundation/base/Dumper.h"
#include "game/core/gamedata/Base.h"
#include "game/core/texts/GameTexts.h"
#include "game/profiles/ProfileContext.h"

// A database of devices and the player's ship, made without data files.
class TestGameData
{
public:
    // With `defaults`, the 17 default devices, each in a slot of its own with shield i + 1 and
    // armour 10 (i + 1), i its place in the default fit; and the ship "Player".
    explicit TestGameData(bool defaults = true);

    DeviceType* Device(float uid, float type, float subType);
    NpcType* Npc(const char* name, float type, float totalScore, float race);
    const Base& Get() const { return base; }
    ProfileContext Context(const GameTexts* texts = nullptr, const std::string& folder = ".") const;

    Base base{nullptr, &Dumper::Instance()};
};

// Little-endian profile file bytes, written field by field.
class Bytes
{
public:
    Bytes& U32(uint32_t value);
    Bytes& I32(int32_t value) { return U32(static_cast<uint32_t>(value)); }
    Bytes& F32(float value);
    Bytes& U8(uint8_t value);
    // A 64-byte name field, zero-padded; `terminated` false fills all 64 bytes with the text.
    Bytes& Name(const std::string& name, bool terminated = true);
    // A whole ship record.
    Bytes& Ship(const std::vector<float>& uids, const std::string& name, uint8_t flag = 1);
    // The header up to the current ship index, for version 7.
    Bytes& Header(uint32_t version, int32_t shipCount, int32_t current);

    std::string data;
};
