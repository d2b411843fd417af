#pragma once
// The campaign's first offers, which every new or loaded profile starts with.

class LevelsList;

// Adds the two free offers: a solo clean-up and a gang raid on a cargo ship.
void AddBuiltInOffers(LevelsList& list);
