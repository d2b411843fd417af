#include "game/world/objects/StationModules.h"

#include <cstdio>
#include <cstring>

#include "foundation/base/Random.h"
#include "game/core/game/Game.h"
#include "game/core/level/SingleLevel.h"
#include "game/world/objects/EnergyShield.h"
#include "game/world/objects/Turret.h"
#include "game/world/parts/ObjectPart.h"
#include "game/world/parts/PartVisuals.h"
#include "scene/nodes/Model.h"

namespace {

bool Named(const ObjectPart* part, const char* name) { return part && std::strcmp(part->GetName(), name) == 0; }

// Up to 256 units off on each axis.
Vec3 Scatter()
{
    const float x = static_cast<float>(256 - EngineRandom() % 512);
    const float y = static_cast<float>(256 - EngineRandom() % 512);
    const float z = static_cast<float>(256 - EngineRandom() % 512);
    return Vec3(x, y, z);
}

} // namespace

StationModule::StationModule(int turretCount, const char* shieldModel, const char* shieldPhysics)
    : _turretCount(turretCount), _shieldModel(shieldModel), _shieldPhysics(shieldPhysics)
{}

void StationModule::UserInit()
{
    Object::UserInit();
    SingleLevel* level = game.GetLevel();
    Model* model = GetMainModelEx();
    if (!level || !model)
        return;
    for (int i = 0; i < _turretCount; ++i)
    {
        char name[32];
        std::snprintf(name, sizeof(name), "weapon_0%d", i);
        Bone* bone = model->FindBone(Name(name));
        if (!bone)
            continue;
        if (Turret* turret = level->CreateTurret("TurretSush00", bone, this))
            _turrets.push_back(turret);
    }
}

void StationModule::UserShutDown()
{
    DeleteTurrets();
    for (Turret* turret : _deletedTurrets)
        turret->Unmount();
    _deletedTurrets.clear();
    DestroyEnergyShield();
    _shield = nullptr;
    Object::UserShutDown();
}

void StationModule::DeleteTurrets()
{
    for (Turret* turret : _turrets)
    {
        SendMessage(MESSAGE_DELETE_ACTOR_AT_MISSION_END, turret, 0.0f, new MessageDeleteActor(turret));
        _deletedTurrets.push_back(turret);
    }
    _turrets.clear();
}

void StationModule::CreateEnergyShield()
{
    SingleLevel* level = game.GetLevel();
    if (!level || _shield)
        return;
    _shield = new EnergyShield(this, _shieldModel, _shieldPhysics, false);
    level->CreateActor(_shield, nullptr);
}

void StationModule::EnergyShieldOn()
{
    if (_shield)
        _shield->On();
}

void StationModule::EnergyShieldOff()
{
    if (_shield)
        _shield->Off();
}

void StationModule::DestroyEnergyShield()
{
    if (_shield)
        _shield->SetLifetime(0.0f);
}

ObjectYtgSushNos::ObjectYtgSushNos() : StationModule(5, "ytg_sush_02_nos_shield.mod", "ytg_sush_02_nos_shield.pea")
{
    SetClassname("ObjectYtgSushNos");
}

void ObjectYtgSushNos::OnPartDamaged(ObjectPart* part)
{
    if (Named(part, "korpus_bolsh_dvig_00"))
    {
        SwitchPartToDamaged("korpus_bolsh_dvig_01", false);
        DeleteTurrets();
    }
    else if (Named(part, "korpus_bolsh_dvig_01"))
    {
        SwitchPartToDamaged("korpus_bolsh_dvig_00", false);
        DeleteTurrets();
    }
}

ObjectYtgSushCentr::ObjectYtgSushCentr()
    : StationModule(3, "ytg_sush_02_centr_shield.mod", "ytg_sush_02_centr_shield.pea")
{
    SetClassname("ObjectYtgSushCentr");
}

void ObjectYtgSushCentr::UserProceed()
{
    Object::UserProceed();
    if (!IsDead() && GetDestructableObject() && _explosionPending)
        Explode();
}

void ObjectYtgSushCentr::OnPartDestroyed(ObjectPart* part)
{
    if (Named(part, "remont_korpus_simetr_A_06"))
        CollapseHull();
    else if (Named(part, "remont_kolpak_v2_00"))
        DeleteTurrets();
    else if (Named(part, "remont_oborud_00"))
        SwitchPartToDestroyed("remont_rels_00", false);
    else if (Named(part, "remont_rels_00"))
        SwitchPartToDamaged("remont_oborud_00", false);
    else if (Named(part, "remont_manip_modifi_01"))
    {
        for (int i = 0; i < 10; ++i)
        {
            char name[32];
            std::snprintf(name, sizeof(name), "energ_caps_cr4_%.2d", i);
            SwitchPartToDestroyed(name, false);
        }
    }
}

void ObjectYtgSushCentr::CollapseHull()
{
    SingleLevel* level = game.GetLevel();
    if (level && _mainModel)
    {
        const Vec3 centre = _mainModel->GetGlobalPos();
        Material* flash = LoadMaterial("prt_particlesexp00_add.mat");
        for (int i = 0; i < 32; ++i)
        {
            const Vec3 position = centre + Scatter();
            const float size = static_cast<float>(EngineRandom() % 512 + 256);
            const float frameTime = static_cast<float>(EngineRandom() % 200) * 0.00001f + 0.02f;
            level->CreateSprite(flash, position, size, Vec2(0.0f, 0.0f), 24, frameTime);
        }
        const Quaternion orientation = _mainModel->GetGlobalOrientation();
        for (int i = 0; i < 16; ++i)
            level->CreateParticleEffect("expFireCaps.pse", centre + Scatter(), orientation, false, nullptr, Vec3(0.0f));
    }
    SwitchPartToDestroyed("remont_oborud_00", true);
    SwitchPartToDestroyed("remont_manip_modifi_01", false);
    SwitchPartToDestroyed("remont_kolpak_v2_00", true);
    SwitchPartToDestroyed("remont_kolpak_n_00", true);
    _explosionPending = true;
}

ObjectYtgSushCabin::ObjectYtgSushCabin()
    : StationModule(2, "ytg_sush_02_cabin_shield.mod", "ytg_sush_02_cabin_shield.pea")
{}

void ObjectYtgSushCabin::OnPartDestroyed(ObjectPart* part)
{
    if (Named(part, "cruiser_kabin_01"))
    {
        SwitchPartToDestroyed("cr_org_kolpak_01", false);
        SwitchPartToDamaged("stoyka_kabin01", false);
    }
    else if (Named(part, "konsol_A_Cr4_01"))
    {
        SwitchPartToDamaged("stoyka_kabin01", false);
        DeleteTurrets();
    }
}
