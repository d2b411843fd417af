#include "game/world/races/YtgShips.h"

#include <cstring>

#include "game/world/actor/ActorFlags.h"
#include "game/world/effects/WorldScene.h"
#include "game/world/parts/ObjectPart.h"
#include "game/world/races/RaceShipEffects.h"
#include "scene/RenderScene.h"
#include "scene/nodes/Model.h"

namespace {

constexpr unsigned EngineBit(unsigned index) { return 1u << index; }
constexpr unsigned EveryEngine = ~0u;

constexpr float EngineLightRange = 128;

const char* const SmallEngine = "ytg_sush_02_engine_small.pse";

const YtgEngines::DetachRule SushDetachRules[] = {
    {"ytg_korpus_bolsh_dvig_01", EngineBit(2), true},
    {"ytg_bolsh_dvigatel_00", EngineBit(0), false},
    {"ytg_bolsh_dvigatel_01", EngineBit(1), false},
};

const YtgEngines::DetachRule BrrkDetachRules[] = {
    {"ytg_centraln_blok_tr_00", EveryEngine, true},
    {"ytg_st_dvig_dr1_01", EngineBit(0), false},
    {"ytg_st_dvig_dr1_00", EngineBit(1), false},
};

const YtgEngines::DetachRule DrTrDetachRules[] = {
    {"ytg_energ_caps_trb_00", EveryEngine, true}, {"ytg_st_dvig_dr1_00", EngineBit(0), false},
    {"ytg_st_dvig_dr1_01", EngineBit(1), false},  {"ytg_st_dvig_dr1_02", EngineBit(2), false},
    {"ytg_st_dvig_dr1_03", EngineBit(3), false},
};

} // namespace

void YtgEngines::Create(Model* model, std::initializer_list<Engine> engines)
{
    _bones.clear();
    for (const Engine& engine : engines)
    {
        Bone* bone = FindEngineBone(model, static_cast<int>(_bones.size()));
        AttachEngineLight(bone, engine.range, engine.intensity);
        AttachEmitter(bone, engine.emitter);
        _bones.push_back(bone);
    }
}

void YtgEngines::Destroy(Model* model, unsigned index)
{
    if (index >= _bones.size() || !_bones[index])
        return;
    if (RenderScene* scene = GetWorldScene())
        scene->DestroyNode(_bones[index]);
    _bones[index] = nullptr;
    // The model's lookups by name must not find the freed bone.
    if (model)
        model->RebuildIdMarkers();
}

bool YtgEngines::OnPartDetached(Model* model, const char* part, std::span<const DetachRule> rules)
{
    for (const DetachRule& rule : rules)
    {
        if (std::strcmp(rule.part, part) != 0)
            continue;
        for (unsigned i = 0; i < _bones.size(); ++i)
        {
            if (rule.engines & EngineBit(i))
                Destroy(model, i);
        }
        return rule.kills;
    }
    return false;
}

ShipYtgLarge::ShipYtgLarge(const char* classname, std::span<const YtgEngines::DetachRule> rules) : _rules(rules)
{
    RaiseFlag(ACTOR_FLAG_LARGE_CRAFT);
    SetName(classname);
    SetClassname(classname);
}

void ShipYtgLarge::OnPartDetached(ObjectPart* part)
{
    if (part && _engines.OnPartDetached(GetMainModelEx(), part->GetName(), _rules))
        Explode();
}

ShipYtgSush02::ShipYtgSush02() : ShipYtgLarge("ShipYtgSush02", SushDetachRules) {}

void ShipYtgSush02::UserInit()
{
    Fighter::UserInit();
    _engines.Create(GetMainModelEx(), {{"ytg_sush_02_engine.pse", EngineLightRange, 1},
                                       {"ytg_sush_02_engine.pse", EngineLightRange, 1},
                                       {"ytg_sush_02_engine_big.pse", 384, 2}});
}

ShipYtgBrrk00::ShipYtgBrrk00() : ShipYtgLarge("ShipYtgBrrk00", BrrkDetachRules) {}

void ShipYtgBrrk00::UserInit()
{
    Fighter::UserInit();
    _engines.Create(GetMainModelEx(),
                    {{SmallEngine, EngineLightRange, 1}, {SmallEngine, EngineLightRange, 1}, {SmallEngine, 384, 2}});
    AddWeapon("BomberBlaster00", 0, nullptr, 0);
    AddWeapon("BomberBlaster00", 10, nullptr, 0);
}

ShipYtgDrTr02::ShipYtgDrTr02() : ShipYtgLarge("ShipYtgDrTr02", DrTrDetachRules) {}

void ShipYtgDrTr02::UserInit()
{
    Fighter::UserInit();
    const YtgEngines::Engine engine{SmallEngine, EngineLightRange, 1};
    _engines.Create(GetMainModelEx(), {engine, engine, engine, engine, engine});
}

void ShipYtgDrTr02::UserProceed()
{
    Fighter::UserProceed();
    ShowDeathEffects(*this, LightShipDeath);
    SetSpeedKoef(1);
}

ShipYtgScStation00::ShipYtgScStation00()
{
    RaiseFlag(ACTOR_FLAG_LARGE_CRAFT);
    SetName("ShipYtgScStation00");
    SetClassname("ShipYtgScStation00");
}

ShipYtgDroid00::ShipYtgDroid00()
{
    SetName("ShipYtgDroid00");
    SetClassname("ShipYtgDroid00");
}

void ShipYtgDroid00::UserInit()
{
    Fighter::UserInit();
    CreateEngineTrails(*this, {{0, "ytg_raketa_ftr_a_strip.mat", 1, 2}});
    AddWeapon("BlasterMini00", 0, nullptr, 0);
    CreateEngineFlares();
}

void ShipYtgDroid00::UserProceed()
{
    UpdateEngineFlares();
    Fighter::UserProceed();
}

void ShipYtgDroid00::CreateEngineFlares()
{
    _flareSet = ::CreateEngineFlares(GetMainModel(), {"ytg_engine_glow_00.mat", 12, 5, {64}});
}

void ShipYtgDroid00::UpdateEngineFlares() { ::UpdateEngineFlares(_flareSet, GetMainModelEx()); }
