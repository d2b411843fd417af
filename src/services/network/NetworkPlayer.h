#pragma once

#include <cstdint>

// Identifies an object shared between the machines of a game.
using NetworkID = uint64_t;

// A player taking part in a network game.
class NetworkPlayer
{
public:
    const char* GetName() const { return _name; }
    // Keeps at most 31 characters.
    void SetName(const char* name);
    uint8_t GetLevel() const { return _level; }
    void SetLevel(const uint8_t& level) { _level = level; }
    uint16_t GetPortrait() const { return _portrait; }
    void SetPortrait(const uint16_t& portrait) { _portrait = portrait; }

private:
    char _name[32] = {};
    uint8_t _level = 0;
    uint16_t _portrait = 0;
    // Game state of the player, kept for the game modes to come; nothing fills it yet.
    [[maybe_unused]] int32_t _counters[2] = {};
    [[maybe_unused]] float _values[2] = {};
    [[maybe_unused]] int32_t _marks[2] = {};
    [[maybe_unused]] NetworkID _networkId = 0;
};
