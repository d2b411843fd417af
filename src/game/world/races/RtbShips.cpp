#include "game/world/races/RtbShips.h"

#include "game/world/actor/ActorFlags.h"
#include "scene/nodes/Bone.h"

namespace {

const RtbFighterFit Fighter02Fit{{"rtb_engine_glow_00.mat", 8, 3, {8, 8, 8}},
                                 {{1, "rtb_strip_00.mat", 2, 1}, {2, "rtb_strip_00.mat", 2, 1}}};
const RtbFighterFit Fighter03Fit{{"blg_engine_glow_00.mat", 8, 1, {12}}, {{0, "rtb_strip_00.mat", 3, 3}}};

} // namespace

ShipRtbFighter::ShipRtbFighter(const char* classname, const RtbFighterFit& fit) : _fit(fit)
{
    RaiseFlag(ACTOR_FLAG_SMALL_CRAFT);
    SetName(classname);
    SetClassname(classname);
}

void ShipRtbFighter::UserInit()
{
    Fighter::UserInit();
    if (Bone* model = GetMainModel())
        model->SetScale(3, 3, 3);
    AddWeapon("RtbBlaster00", 0, nullptr, 0);
    CreateEngineFlares();
    for (const EngineTrail& trail : _fit.trails)
        CreateEngineTrails(*this, {trail});
}

void ShipRtbFighter::UserProceed()
{
    Fighter::UserProceed();
    UpdateEngineFlares();
    ShowDeathEffects(*this, LightShipDeath);
}

void ShipRtbFighter::Explode()
{
    HandFireToKeeper(_fireEmitter);
    Fighter::Explode();
}

void ShipRtbFighter::StartBurning()
{
    _fireEmitter = StartFire(*this);
    Fighter::StartBurning();
}

void ShipRtbFighter::CreateEngineFlares() { _flareSet = ::CreateEngineFlares(GetMainModel(), _fit.flares); }

void ShipRtbFighter::UpdateEngineFlares() { ::UpdateEngineFlares(_flareSet, GetMainModelEx()); }

ShipRtbFighter02::ShipRtbFighter02() : ShipRtbFighter("ShipRtbFighter02", Fighter02Fit) {}

ShipRtbFighter03::ShipRtbFighter03() : ShipRtbFighter("ShipRtbFighter03", Fighter03Fit) {}

ShipRtbCruiser00::ShipRtbCruiser00()
{
    RaiseFlag(ACTOR_FLAG_LARGE_CRAFT);
    SetName("ShipRtbCruiser00");
    SetClassname("ShipRtbCruiser00");
}

void ShipRtbCruiser00::UserProceed()
{
    Fighter::UserProceed();
    ShowDeathEffects(*this, CruiserDeath);
}
