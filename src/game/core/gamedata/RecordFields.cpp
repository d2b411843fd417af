#include "game/core/gamedata/RecordFields.h"

namespace {
constexpr eFieldWrite ROUNDED = FIELD_WRITE_ROUNDED;

using Ship = RecordField<ShipType>;
const Ship ShipFields[] = {
    {"name", &ShipType::name},
    {"classname", &ShipType::classname, 2},
    {"type", &ShipType::type, 3, ROUNDED},
    {"race", &ShipType::race, 3, ROUNDED},
    {"isDestructable", &ShipType::isDestructable},
    {"structure", &ShipType::structure, 2, ROUNDED},
    {"armor", &ShipType::armor, 3, ROUNDED},
    {"shield", &ShipType::shield, 3, ROUNDED},
    {"structureRegen", &ShipType::structureRegen, 2, ROUNDED},
    {"armorRegen", &ShipType::armorRegen, 3, ROUNDED},
    {"shieldRegen", &ShipType::shieldRegen, 3, ROUNDED},
    {"speed", &ShipType::speed, 3, ROUNDED},
    {"acceleration", &ShipType::acceleration, 3, ROUNDED},
    {"dumping", &ShipType::dumping, 3, ROUNDED},
    {"speedAng", &ShipType::speedAng, 3, ROUNDED},
    {"accelerationAng", &ShipType::accelerationAng, 3, ROUNDED},
    {"dumpingAng", &ShipType::dumpingAng, 3, ROUNDED},
    {"visibilityRange", &ShipType::visibilityRange, 3, ROUNDED},
    {"supportRange", &ShipType::supportRange, 3, ROUNDED},
    {"defenceRange", &ShipType::defenceRange, 3, ROUNDED},
    {"attackSpeed", &ShipType::attackSpeed, 3, ROUNDED},
    {"turnAwaySpeed", &ShipType::turnAwaySpeed, 3, ROUNDED},
    {"supportSpeed", &ShipType::supportSpeed, 3, ROUNDED},
    {"render", &ShipType::render},
    {"phys", &ShipType::phys},
    {"icon", &ShipType::icon},
    {"uid", &ShipType::uid},
    {"mass", &ShipType::mass},
    {"throttle", &ShipType::throttle},
    {"collisionRadius", &ShipType::collisionRadius},
};

using Weapon = RecordField<WeaponType>;
const Weapon WeaponFields[] = {
    {"name", &WeaponType::name},
    {"classname", &WeaponType::classname, 2},
    {"damage", &WeaponType::damage},
    {"damageShieldKoef", &WeaponType::damageShieldKoef, 1},
    {"damageArmorKoef", &WeaponType::damageArmorKoef, 2},
    {"damageStructureKoef", &WeaponType::damageStructureKoef, 1},
    {"speed", &WeaponType::speed},
    {"acceleration", &WeaponType::acceleration, 2},
    {"lifetime", &WeaponType::lifetime, 2},
    {"delay", &WeaponType::delay},
    {"delayBurst", &WeaponType::delayBurst},
    {"energyUse", &WeaponType::energyUse, 2},
    {"distance", &WeaponType::distance, 2},
    {"drawSpeed", &WeaponType::drawSpeed, 2},
    {"maxTargetWeight", &WeaponType::maxTargetWeight, 2},
    {"physicalImpulse", &WeaponType::physicalImpulse, 2},
    {"autoAimAngle", &WeaponType::autoAimAngle, 2},
    {"splashRadius", &WeaponType::splashRadius, 2},
    {"amount", &WeaponType::amount},
    {"amountBurst", &WeaponType::amountBurst},
    {"firePoints", &WeaponType::firePoints},
    {"regime", &WeaponType::regime},
    {"step", &WeaponType::step},
    {"hitEffect", &WeaponType::hitEffect},
    {"renderAsset", &WeaponType::renderAsset},
    {"physAsset", &WeaponType::physAsset},
    {"stripMaterial", &WeaponType::stripMaterial},
    {"material", &WeaponType::material},
    {"materialFlare", &WeaponType::materialFlare},
    {"particles", &WeaponType::particles},
    {"color", &WeaponType::color},
    {"player", &WeaponType::player},
    {"delayBefforeDivision", &WeaponType::delayBefforeDivision},
    {"divisionNum", &WeaponType::divisionNum},
    {"divisionRadius", &WeaponType::divisionRadius},
    {"divisionAutoaim", &WeaponType::divisionAutoaim},
    {"uid", &WeaponType::uid},
};

using Device = RecordField<DeviceType>;
const Device DeviceFields[] = {
    {"name", &DeviceType::name},
    {"guiMaterial", &DeviceType::guiMaterial},
    {"renderAsset", &DeviceType::renderAsset},
    {"renderAsset1", &DeviceType::renderAsset1},
    {"renderAsset2", &DeviceType::renderAsset2},
    {"renderAsset3", &DeviceType::renderAsset3},
    {"type", &DeviceType::type},
    {"subType", &DeviceType::subType},
    {"priority", &DeviceType::priority},
    {"shield", &DeviceType::shield},
    {"armor", &DeviceType::armor},
    {"structure", &DeviceType::structure},
    {"shieldRegen", &DeviceType::shieldRegen},
    {"armorRegen", &DeviceType::armorRegen},
    {"structureRegen", &DeviceType::structureRegen},
    {"speed", &DeviceType::speed},
    {"acceleration", &DeviceType::acceleration},
    {"speedAng", &DeviceType::speedAng},
    {"accelerationAng", &DeviceType::accelerationAng},
    {"primaryWeaponCount", &DeviceType::primaryWeaponCount},
    {"secondaryWeaponCount", &DeviceType::secondaryWeaponCount},
    {"race", &DeviceType::race},
    {"flightModel", &DeviceType::flightModel},
    {"weaponPrototypeLinkUid", &DeviceType::weaponPrototypeLinkUid},
    {"uid", &DeviceType::uid},
};

using Object = RecordField<ObjectType>;
const Object ObjectFields[] = {
    {"name", &ObjectType::name},
    {"classname", &ObjectType::classname},
    {"render", &ObjectType::render},
    {"phys", &ObjectType::phys},
    {"mesh", &ObjectType::mesh},
    {"destroyEffect", &ObjectType::destroyEffect},
    {"hp", &ObjectType::hp},
    {"deleteDistance", &ObjectType::deleteDistance},
    {"materialType", &ObjectType::materialType},
    {"isDestructable", &ObjectType::isDestructable},
    {"isDamaged", &ObjectType::isDamaged},
    {"scale", &ObjectType::scale},
    {"uid", &ObjectType::uid},
};

using Part = RecordField<ObjectPartType>;
const Part PartFields[] = {
    {"name", &ObjectPartType::name},
    {"icon", &ObjectPartType::icon},
    {"assetname", &ObjectPartType::assetname},
    {"meshname", &ObjectPartType::meshname},
    {"physname", &ObjectPartType::physname},
    {"damaged", &ObjectPartType::damaged},
    {"uid", &ObjectPartType::uid},
    {"hpKoef", &ObjectPartType::hpKoef, 3, FIELD_WRITE_NEVER},
};

using Npc = RecordField<NpcType>;
const Npc NpcFields[] = {
    {"name", &NpcType::name},
    {"face", &NpcType::face},
    {"type", &NpcType::type},
    {"lvl", &NpcType::lvl},
    {"totalScore", &NpcType::totalScore},
    {"efficiency", &NpcType::efficiency},
    {"race", &NpcType::race},
    {"uid", &NpcType::uid},
};
} // namespace

template <>
std::span<const RecordField<ShipType>> RecordFields<ShipType>()
{
    return ShipFields;
}
template <>
std::span<const RecordField<WeaponType>> RecordFields<WeaponType>()
{
    return WeaponFields;
}
template <>
std::span<const RecordField<DeviceType>> RecordFields<DeviceType>()
{
    return DeviceFields;
}
template <>
std::span<const RecordField<ObjectType>> RecordFields<ObjectType>()
{
    return ObjectFields;
}
template <>
std::span<const RecordField<ObjectPartType>> RecordFields<ObjectPartType>()
{
    return PartFields;
}
template <>
std::span<const RecordField<NpcType>> RecordFields<NpcType>()
{
    return NpcFields;
}
