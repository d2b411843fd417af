#include "game/world/environment/Background.h"

#include "MaterialSystem/MaterialSystem.h"
#include "MaterialSystem/meshes/Mesh.h"
#include "MaterialSystem/meshes/MeshMgr.h"
#include "foundation/base/Dumper.h"
#include "game/core/FixedText.h"
#include "game/core/game/Game.h"
#include "game/world/actor/ActorFlags.h"
#include "game/world/effects/WorldScene.h"
#include "scene/RenderScene.h"
#include "scene/nodes/Group.h"
#include "scene/nodes/LensFlare.h"
#include "scene/nodes/Model.h"
#include "scene/nodes/RenderMesh.h"
#include "scene/particles/ParticleSet.h"

namespace {

const char* const FlareMaterial = "lensflare.mat";
const Vec3 DefaultSunPosition(128, 128, 64);

struct FlareElement
{
    float position, size;
    unsigned texU, texV;
    Color color;
};

// Along the line from the sun through the centre of the view.
const FlareElement FlareElements[] = {
    {0, 40, 1, 0, Color(0, 0, 0, 1)},           {0.6f, 20, 0, 1, Color(0.7f, 0, 0.7f, 1)},
    {0.7f, 12, 0, 0, Color(0.2f, 0, 0.2f, 1)},  {0.8f, 80, 0, 1, Color(0.7f, 0.7f, 0.7f, 1)},
    {1.5f, 80, 1, 0, Color(0.6f, 0, 0, 1)},     {1.7f, 10, 1, 0, Color(0.6f, 0, 0, 1)},
    {1.8f, 150, 0, 1, Color(0.3f, 0.3f, 0, 1)}, {2.3f, 10, 0, 1, Color(0, 0, 0.6f, 1)},
    {2.1f, 20, 1, 0, Color(0.7f, 0.3f, 0, 1)},  {3.7f, 80, 0, 1, Color(0, 0.7f, 0, 1)},
    {4.9f, 240, 1, 0, Color(0.7f, 0.7f, 0, 1)},
};

} // namespace

Background::Background()
{
    SetName("Background");
    SetClassname("Background");
    RaiseFlag(ACTOR_FLAG_EFFECT);
}

void Background::UserInit()
{
    _sky[0] = '\0';
    RenderScene* scene = GetWorldScene();
    if (!scene)
        return;
    Material* material = LoadWorldMaterial(FlareMaterial);

    _sunParticleSet = scene->CreateParticleSet(SL_BACKGROUND);
    _sunParticleSet->SetParticleShape(PS_BILLBOARD);
    _sunParticleSet->SetDefaultSize(50);
    _sunParticleSet->SetMaterial(material);
    _sunParticleSet->SetMaxParticles(1);
    _sunParticleSet->SetTintStrength(1);
    _sunParticleSet->SetAtlasParams(2, 2);
    Particle* sun = _sunParticleSet->CreateParticle();
    sun->texU = 0;
    sun->texV = 0;
    _sunParticlePosition = DefaultSunPosition;
    sun->position = _sunParticlePosition;

    _sunGroup = scene->CreateGroup(SL_FOREGROUND);
    _flare = scene->CreateLensFlare(SL_FOREGROUND);
    _sunGroup->Attach(_flare);
    _sunGroup->SetPosition(DefaultSunPosition);
    _flare->SetMaterial(material);
    _flare->SetAtlasParams(2, 2);
    _flare->SetGlow(100, 1, 1, Color(1, 1, 1, 1));
    for (const FlareElement& element : FlareElements)
        _flare->AddFlare(element.position, element.size, element.texU, element.texV, element.color);
    _flare->SetFadeSpeed(1);
    _flare->SetScaleSpeed(1);
    _flare->SetZFar(1000);
    _flare->SetSunMode(true);
}

void Background::SetSky(const char* name, bool model)
{
    if (!CopyFixedText(_sky, name))
        Dumper::Instance().Print(DUMP_WARNING, "Background: the sky name \"%s\" is kept cut to %zu characters\n", name,
                                 SkySize - 1);
    RenderScene* scene = GetWorldScene();
    if (!scene || !name)
        return;
    // A sky given again replaces the one before.
    scene->DestroyNode(_mainModel);
    _mainModel = nullptr;
    if (model)
    {
        _mainModel = scene->CreateModel(name, SL_BACKGROUND);
        return;
    }
    MaterialSystem* render = game.GetRender();
    Mesh* sphere = render ? render->GetMeshMgr()->CreateSphereMesh("$back", 32, 32, 10000, 1) : nullptr;
    if (sphere)
        sphere->SetDefaultMaterial(0, LoadWorldMaterial(name));
    Group* group = scene->CreateGroup(SL_BACKGROUND);
    RenderMesh* mesh = scene->CreateMesh(SL_STAGE);
    mesh->BindMesh(sphere, false);
    group->Attach(mesh);
    _mainModel = group;
}

void Background::SetSunDir(const Vec3& dir)
{
    if (_sunGroup)
        _sunGroup->SetPosition(dir);
    if (RenderScene* scene = GetWorldScene())
        scene->SetSunDirection(0, dir);
    _sunParticlePosition = dir;
    if (_sunParticleSet && _sunParticleSet->GetTotalParticles() > 0)
        _sunParticleSet->Begin().Current()->position = dir;
}

void Background::UserShutDown()
{
    if (RenderScene* scene = GetWorldScene())
    {
        scene->DestroyNode(_mainModel);
        scene->DestroyNode(_sunGroup);
        scene->DestroyNode(_sunParticleSet);
    }
    _mainModel = nullptr;
    _sunGroup = nullptr;
    _flare = nullptr;
    _sunParticleSet = nullptr;
}
