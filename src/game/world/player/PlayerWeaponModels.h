#pragma once
// Which weapon models the player's ship mounts, chosen by its fitted devices.

// The second primary blaster's model, by the name of the ship's device of type 1, sub-type 0
// (null: none fitted); case does not count.
const char* SecondPrimaryModel(const char* deviceName);
// 4 for the covered hulls that carry a four-barrel blaster, else 2.
int SecondPrimaryFirePoints(const char* deviceName);
// The extra weapon's rotating mount, by the weapon's fire points.
const char* RotationModel(float firePoints);
