#pragma once
// The kind bits of an actor's flag word: raised by the constructors, tested on contact, by hits
// and by part callbacks.
enum eActorFlag : unsigned long
{
    ACTOR_FLAG_SHIP = 0x2,
    ACTOR_FLAG_SMALL_CRAFT = 0x8,  // every fighter
    ACTOR_FLAG_LARGE_CRAFT = 0x10, // stations and cruisers: no collision damage
    ACTOR_FLAG_SHIP_PART = 0x20,
    ACTOR_FLAG_PLAYER_SHIP = 0x8000,
    ACTOR_FLAG_BULLET = 0x10000,
    ACTOR_FLAG_ENERGY_SHIELD = 0x20000,
    ACTOR_FLAG_WEAPON = 0x1000000,
    ACTOR_FLAG_EXPLOSION = 0x2000000,
    ACTOR_FLAG_OBJECT = 0x4000000,
    ACTOR_FLAG_EFFECT = 0x10000000, // backgrounds and particle effects
    ACTOR_FLAG_GIB = 0x20000000,
    ACTOR_FLAG_DEBRIS = 0x40000000,
};
