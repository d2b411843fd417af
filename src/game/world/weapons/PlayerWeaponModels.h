#pragma once
// The models of the player's ship's weapons and the fire points of its second primary weapon,
// chosen by the fitted devices.

// The rotation weapon's model, by its type's fire points.
const char* GetRotationWeaponModel(float firePoints);
// The second primary weapon's model, by the name of the fitted hull covering (any case); a
// covering without a model of its own, or none, gives the common one.
const char* GetSecondPrimaryWeaponModel(const char* coveringName);
// 4 for a covering with a model of its own, else 2.
int GetSecondPrimaryFirePoints(const char* coveringName);
