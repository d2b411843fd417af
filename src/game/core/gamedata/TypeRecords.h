#pragma once
// The prototype records of the game-data database: plain fixed-size records with fixed-length
// texts, built with their defaults, filled key by key from the game-data files and copied member
// by member. All numbers are floats, also kinds, races, counts and flags, as the data files give
// them; every field's data key is its own name.

// The head of every record.
struct BaseType
{
    // Sets `uid` to a pseudo-random whole number from 0 to 32767 when it is still 0; returns it.
    float GenerateUniqueID();

    float uid = 0; // 0: none given yet
    char icon[64] = {};
    char statIcon[64] = {}; // the statistics icon of targets; no data key fills it
};

struct ShipType : BaseType
{
    char name[64] = {};
    char classname[64] = {}; // the ship class the mission frame creates
    float race = 0;
    float type = 0;
    float isDestructable = 0; // nonzero: built with breakable parts
    float shield = 100;
    float armor = 100;
    float structure = 100;
    float shieldRegen = 0; // per second
    float armorRegen = 0;
    float structureRegen = 0;
    float speed = 100;
    float acceleration = 20;
    float dumping = 20;
    float speedAng = 10; // degrees per second
    float accelerationAng = 5;
    float dumpingAng = 5;
    float visibilityRange = 1000; // the AI's ranges and speeds
    float supportRange = 0;
    float defenceRange = 0;
    float attackSpeed = 60;
    float turnAwaySpeed = 100;
    float supportSpeed = 100;
    char render[64] = {}; // render model
    char phys[64] = {};   // physics asset
    float mass = 0.1f;
    float throttle = 10;
    float collisionRadius = 10;
};

struct WeaponType : BaseType
{
    char name[64] = {};
    char classname[64] = {}; // "Burst", "Lazer" or "Rocket"
    float damage = 0;
    float damageShieldKoef = 100; // percent of the damage that each layer takes
    float damageArmorKoef = 100;
    float damageStructureKoef = 100;
    float speed = 50;
    float acceleration = 0;
    float lifetime = 1;  // seconds
    float delay = 0.25f; // seconds between shots
    float delayBurst = 0;
    float energyUse = 0;
    float distance = 1000;
    float drawSpeed = 0;
    float maxTargetWeight = 0;
    float physicalImpulse = 0;
    float autoAimAngle = 0;
    float splashRadius = 0;
    float step = 5;
    float amount = -1; // ammunition; negative: unlimited
    float amountBurst = -1;
    float firePoints = 1;
    float regime = 0;
    float delayBefforeDivision = 0;
    float divisionNum = 0;
    float divisionRadius = 0;
    float divisionAutoaim = 0;
    int color = -1;
    float player = 0; // 1: a player weapon
    char hitEffect[64] = {};
    char renderAsset[64] = {};
    char physAsset[64] = {};
    char stripMaterial[64] = {};
    char material[64] = {};
    char materialFlare[64] = {};
    char particles[64] = {};
};

// A device the hangar fits into a ship. Its name is a texts code.
struct DeviceType : BaseType
{
    char name[64] = {};
    char guiMaterial[64] = {};
    char renderAsset[64] = {};
    char renderAsset1[64] = {};
    char renderAsset2[64] = {};
    char renderAsset3[64] = {};
    float priority = 0; // order within the race
    float type = 0;     // 0 weapons, 1 armour, 2 power, 3 additional
    float subType = 0;
    float shield = 0;
    float armor = 0;
    float structure = 0;
    float shieldRegen = 0;
    float armorRegen = 0;
    float structureRegen = 0;
    float speed = 0;
    float acceleration = 0;
    float speedAng = 0;
    float accelerationAng = 0;
    float primaryWeaponCount = 0;
    float secondaryWeaponCount = 0;
    float race = 0;
    float flightModel = 0;            // 2 strafe, 3 duplex, 4 combined, else direct
    float weaponPrototypeLinkUid = 0; // the weapon a weapon device mounts
};

struct ObjectType : BaseType
{
    char name[64] = {};
    char classname[64] = {};
    float hp = 0;
    char render[64] = {};
    char phys[64] = {};
    char destroyEffect[64] = {};
    char mesh[64] = {};        // used when `render` is empty
    float deleteDistance = -1; // -1: no distance level of detail
    float isDestructable = 0;
    float isDamaged = 0;
    float materialType = 0; // 0 rock, 1 metal, 3 ice, 4 lava
    float scale = 1;
};

// A breakable part of an object or ship, found by the name of the bone that carries it.
struct ObjectPartType : BaseType
{
    char name[64] = {};
    char icon[64] = {}; // the part's own icon, apart from the head's
    char assetname[256] = {};
    char meshname[256] = "$proxy";
    char physname[256] = "$proxy";
    char damaged[256] = {};
    float hpKoef = 1;
};

// A pilot for hire (type 1) or a dealer (type 2). Its name is a texts code.
struct NpcType : BaseType
{
    char name[64] = "(unnamed)";
    char face[64] = "npcs/none.mat";
    float type = 1;
    float lvl = 5;
    float totalScore = 0;
    float efficiency = 0;
    float race = 0;
};
