#include "game/world/effects/WorldScene.h"

#include "MaterialSystem/MaterialSystem.h"
#include "MaterialSystem/materials/MaterialMgr.h"
#include "MaterialSystem/meshes/MeshMgr.h"
#include "foundation/config/GameSettings.h"
#include "game/core/game/Game.h"
#include "game/core/level/SingleLevel.h"

RenderScene* GetWorldScene() { return game.GetRenderScene(); }

Player* GetMissionPlayer()
{
    const SingleLevel* level = game.GetLevel();
    return level ? level->GetPlayer() : nullptr;
}

EmitterMgr* GetWorldEmitterMgr() { return game.GetEmitterManager(); }

Material* LoadWorldMaterial(const char* name)
{
    MaterialSystem* render = game.GetRender();
    return render && name ? render->GetMaterialMgr()->CreateMaterialFromFile(name) : nullptr;
}

Mesh* LoadWorldMesh(const char* name)
{
    MaterialSystem* render = game.GetRender();
    return render && name ? render->GetMeshMgr()->CreateMeshFromFile(name) : nullptr;
}

bool IsDynLighting()
{
    const GameSettings* settings = game.GetGameSettings();
    return settings ? settings->DynLighting : true;
}

const char* GetWorldLanguage()
{
    const GameSettings* settings = game.GetGameSettings();
    return settings ? settings->Language : "en";
}

int GetWorldDifficulty()
{
    const GameSettings* settings = game.GetGameSettings();
    return settings ? settings->Difficulty : 1;
}
