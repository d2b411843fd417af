#include "game/world/races/BlgShips.h"

#include <cstdio>

#include "foundation/base/Random.h"
#include "game/core/game/Game.h"
#include "game/world/actor/ActorFlags.h"
#include "game/world/actor/Limiter.h"
#include "game/world/effects/WorldScene.h"

namespace {

const char* const FlareMaterial = "blg_engine_glow_00.mat";
const char* const TrailMaterial = "blg_strip_00.mat";

const BlgFighterFit Fighter00Fit{{{"BlgBlaster00", 0}}, {16, 16}, {0, 1}, 3};
const BlgFighterFit Fighter01Fit{{{"BlgBlaster01Huge", 1}}, {16, 16}, {0, 1}, 1};
const BlgFighterFit Fighter02Fit{{{"BlgBlaster02", 0}}, {16}, {0}, 3};
const BlgFighterFit Fighter03Fit{{{"Torpeda01", 0}, {"BlgBlaster03Huge", 2}}, {16}, {0}, 3};

} // namespace

ShipBlgFighter::ShipBlgFighter(const char* classname, const BlgFighterFit& fit) : _fit(fit)
{
    RaiseFlag(ACTOR_FLAG_SMALL_CRAFT);
    SetName(classname);
    SetClassname(classname);
}

void ShipBlgFighter::UserInit()
{
    Fighter::UserInit();
    for (const BlgFighterFit::Mount& mount : _fit.weapons)
        AddWeapon(mount.weapon, mount.firstBone, nullptr, 0);
    CreateEngineFlares();
    for (int engine : _fit.trailEngines)
        CreateEngineTrails(*this, {{engine, TrailMaterial, _fit.trailLifetime, 2}});
}

void ShipBlgFighter::UserProceed()
{
    Fighter::UserProceed();
    UpdateEngineFlares();
    ShowDeathEffects(*this, FighterDeath);
}

void ShipBlgFighter::StartBurning()
{
    Limiter* limiter = game.GetLimiter();
    if (limiter && limiter->CanTransmitionBlg())
    {
        const int voice = EngineRandom() % 4 + 1;
        const int scream = EngineRandom() % 10 + 7;
        char file[128];
        std::snprintf(file, sizeof file, "localization\\%s\\blg\\dead_screams\\V%d\\any_dead_scrm_%.2d_v%d.wav",
                      GetWorldLanguage(), voice, scream, voice);
        limiter->TransmitionBlg(file);
    }
    // The flames go with the model.
    StartFire(*this);
    Fighter::StartBurning();
}

void ShipBlgFighter::CreateEngineFlares()
{
    _flareSet = ::CreateEngineFlares(GetMainModel(), {FlareMaterial, 8, 5, _fit.flareSizes});
}

void ShipBlgFighter::UpdateEngineFlares() { ::UpdateEngineFlares(_flareSet, GetMainModelEx()); }

ShipBlgFighter00::ShipBlgFighter00() : ShipBlgFighter("ShipBlgFighter00", Fighter00Fit) {}

ShipBlgFighter01::ShipBlgFighter01() : ShipBlgFighter("ShipBlgFighter01", Fighter01Fit) {}

void ShipBlgFighter01::DoDamage(float damage, float shieldFactor, float armorFactor, float structureFactor)
{
    ShipBlgFighter::DoDamage(damage, shieldFactor, armorFactor, structureFactor);
    Limiter* limiter = game.GetLimiter();
    if (_helpCallPlayed || GetCurrentShield() >= GetMaximumShield() * 0.5f || !limiter || !limiter->CanTransmitionBlg())
        return;
    const int voice = EngineRandom() % 4 + 1;
    const int call = EngineRandom() % 6 + 3;
    char file[128];
    std::snprintf(file, sizeof file,
                  "localization\\%s\\blg\\ytg_fighters_got_local_victory\\V%d\\any_help_me_%d_v%d.wav",
                  GetWorldLanguage(), voice, call, voice);
    limiter->TransmitionBlg(file);
    _helpCallPlayed = true;
}

ShipBlgFighter02::ShipBlgFighter02() : ShipBlgFighter("ShipBlgFighter02", Fighter02Fit) {}

ShipBlgFighter03::ShipBlgFighter03() : ShipBlgFighter("ShipBlgFighter03", Fighter03Fit) {}

ShipBlgCruiser02::ShipBlgCruiser02()
{
    RaiseFlag(ACTOR_FLAG_LARGE_CRAFT);
    SetName("ShipBlgCruiser02");
    SetClassname("ShipBlgCruiser02");
}

void ShipBlgCruiser02::UserProceed()
{
    Fighter::UserProceed();
    ShowDeathEffects(*this, CruiserDeath);
}
