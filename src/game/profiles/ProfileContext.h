#pragma once
// What profiles read from the rest of the game. Nothing here is owned; all of it outlives the
// profiles.
#include <filesystem>

class Base;
class GameTexts;

struct ProfileContext
{
    const GameTexts* texts = nullptr;   // race, pirate and dealer names; codes stand in without
    const Base* base = nullptr;         // devices, the player's ship and the NPCs; none without
    std::filesystem::path folder = "."; // the working folder, which holds "profiles/"
};
