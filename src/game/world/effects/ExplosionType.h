#pragma once
// What an explosion stages; values above 5 count as asteroid.
enum eExplosionType : int
{
    EXPLOSION_ASTEROID = 0,
    EXPLOSION_SHIP = 1,
    EXPLOSION_BLAST = 2,  // large blast with debris
    EXPLOSION_ENERGY = 3, // blue energy blast
    EXPLOSION_ICE = 4,
    EXPLOSION_LAVA = 5,
};
