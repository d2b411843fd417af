#include "scene/RenderScene.h"

#include "MaterialSystem/MaterialSystem.h"
#include "MaterialSystem/queue/RenderQueue.h"
#include "MaterialSystem/shaders/ShaderParamsGlobal.h"
#include "ResourceSystem/ResourceSystem.h"
#include "foundation/base/Dumper.h"
#include "foundation/base/Profiler.h"
#include "foundation/base/Timer.h"
#include "foundation/config/RenderSettings.h"
#include "scene/Updater.h"
#include "scene/model/ModelAsset.h"
#include "scene/model/ModelMgr.h"
#include "scene/nodes/Camera.h"
#include "scene/particles/Emitter.h"
#include "scene/nodes/LensFlare.h"
#include "scene/nodes/Model.h"
#include "scene/nodes/NodeFactory.h"
#include "scene/nodes/Omni.h"
#include "scene/nodes/RenderMesh.h"
#include "scene/nodes/IDebugRenderable.h"
#include "scene/nodes/SoundBone.h"
#include "scene/post/PostProcessingStage.h"
#include "scene/visitors/TransformVisitor.h"
#include "scene/visitors/UtilityVisitors.h"

#include <algorithm>

RenderScene::RenderScene(MaterialSystem* system, ResourceSystem* resources, Dumper* dumper, RenderSettings* settings)
    : _system(system), _resources(resources), _dumper(dumper ? dumper : &Dumper::Instance()), _settings(settings),
      _modelMgr(std::make_unique<ModelMgr>(this))
{
    if (!_settings)
    {
        _defaultSettings = std::make_unique<RenderSettings>(nullptr);
        _settings = _defaultSettings.get();
    }
    if (_system && !_system->IsInitialized())
    {
        _dumper->Print(DUMP_ERROR, "RenderScene: the material system has no device; the scene draws nothing\n");
        _system = nullptr;
    }
    if (_resources)
        _resources->RegisterResMgr("mod", _modelMgr.get());
    if (_system)
    {
        for (RenderQueue** queue :
             {&_unlitQueue, &_litQueue, &_transparentQueue, &_frameBufferQueue, &_lightQueue, &_extraQueue})
            *queue = _system->CreateRenderQueue();
        _globals = std::make_unique<ShaderParamsGlobal>();
    }
    ClearScene();
    const std::pair<Group**, const char*> roots[] = {{&_stageRoot, "StageRoot"},
                                                     {&_backRoot, "BackgroundRoot"},
                                                     {&_foreRoot, "ForegroundRoot"},
                                                     {&_fore2Root, "Foreground2Root"}};
    for (const auto& [root, name] : roots)
    {
        *root = new Group(nullptr, this);
        (*root)->SetName(Name(name));
    }
    if (_system)
    {
        PrepareDeferredShadingStage();
        _postStage = std::make_unique<PostProcessingStage>(this);
        _postStage->Prepare();
    }
}

RenderScene::~RenderScene()
{
    _postStage.reset();
    ClearScene();
    _globals.reset();
    _modelMgr.reset();
    if (_system)
        for (RenderQueue* queue :
             {_unlitQueue, _litQueue, _transparentQueue, _frameBufferQueue, _lightQueue, _extraQueue})
            _system->DestroyRenderQueue(queue);
}

void RenderScene::ClearScene()
{
    for (Group** root : {&_stageRoot, &_backRoot, &_foreRoot, &_fore2Root})
    {
        delete *root;
        *root = nullptr;
    }
    _models.clear();
    _modelsByName.clear();
    RemoveAllUserObjects();
    _sunCount = 0;
}

Group* RenderScene::GetSceneRoot(eSceneLayerType layer) const
{
    switch (layer)
    {
    case SL_BACKGROUND: return _backRoot;
    case SL_FOREGROUND: return _foreRoot;
    case SL_FOREGROUND2: return _fore2Root;
    case SL_STAGE: return _stageRoot;
    default: return nullptr;
    }
}

Group* RenderScene::LayerRoot(eSceneLayerType layer) const
{
    if (Group* root = GetSceneRoot(layer))
        return root;
    _dumper->Print(DUMP_WARNING, "Scene layer %u does not exist: the stage is used\n", unsigned(layer));
    return _stageRoot;
}

template <class T>
T* RenderScene::Create(eSceneLayerType layer)
{
    Group* root = LayerRoot(layer);
    T* node = new T(root, this);
    root->Attach(node);
    return node;
}

Bone* RenderScene::CreateBone(eSceneLayerType layer) { return Create<Bone>(layer); }
Group* RenderScene::CreateGroup(eSceneLayerType layer) { return Create<Group>(layer); }
RenderMesh* RenderScene::CreateMesh(eSceneLayerType layer) { return Create<RenderMesh>(layer); }
Emitter* RenderScene::CreateEmitter(eSceneLayerType layer) { return Create<Emitter>(layer); }
ParticleSet* RenderScene::CreateParticleSet(eSceneLayerType layer) { return Create<ParticleSet>(layer); }
Omni* RenderScene::CreateOmni(eSceneLayerType layer) { return Create<Omni>(layer); }
LensFlare* RenderScene::CreateLensFlare(eSceneLayerType layer) { return Create<LensFlare>(layer); }
Camera* RenderScene::CreateCamera() { return Create<Camera>(SL_STAGE); }

SoundBone* RenderScene::CreateSoundBone(Sound3D* sound)
{
    auto* bone = new SoundBone(_stageRoot, this, sound);
    _stageRoot->Attach(bone);
    return bone;
}

Node* RenderScene::CreateNodeUnknown(Group* root, eNodeType type) { return CreateNodeOfType(root, this, type); }

Model* RenderScene::CreateModel(Name name, const char* path, eSceneLayerType layer)
{
    Group* root = LayerRoot(layer);
    ModelAsset* asset = _modelMgr->CreateAssetFromFile(path);
    Model* model = asset ? asset->CreateModel(root) : new Model(root, this);
    model->SetName(name);
    AddModel(model, root);
    return model;
}

Model* RenderScene::CreateModel(const char* path, eSceneLayerType layer) { return CreateModel(Name(), path, layer); }

void RenderScene::AddModel(Model* model, Group* root)
{
    if (model->GetName().IsValid())
        _modelsByName.emplace(int(model->GetName()), model);
    _models.push_back(model);
    root->Attach(model);
}

Model* RenderScene::FindModel(Name name) const
{
    auto it = _modelsByName.find(int(name));
    return it == _modelsByName.end() ? nullptr : it->second;
}

void RenderScene::ForgetModel(Model* model)
{
    _models.erase(std::remove(_models.begin(), _models.end(), model), _models.end());
    auto it = _modelsByName.find(int(model->GetName()));
    if (it != _modelsByName.end() && it->second == model)
        _modelsByName.erase(it);
}

// A model unregisters itself as it goes.
void RenderScene::DestroyModel(Model* model) { delete model; }

void RenderScene::DestroyNode(Node* node) { delete node; }

void RenderScene::UpdateScene(const Timer& timer) { UpdateScene(timer.GetSPF()); }

void RenderScene::UpdateScene(float seconds)
{
    _secondsPerFrame = seconds;
    Group* const roots[] = {_backRoot, _stageRoot, _foreRoot, _fore2Root};
    {
        AutoScopeProfile scope(Name("Update animation"));
        UpdateVisitor update(seconds);
        for (Group* root : roots)
            root->Traverse(update, TM_DEPTH_FIRST);
    }
    {
        AutoScopeProfile scope(Name("Transform"));
        TransformVisitor transform;
        for (Group* root : roots)
        {
            root->Traverse(transform, TM_DEPTH_FIRST);
            transform.clear();
        }
    }
    AutoScopeProfile scope(Name("Sound update"));
    if (_soundMgr)
        _soundMgr->Update();
}

SunSource* RenderScene::EditSun(unsigned index)
{
    if (index > 2)
    {
        _dumper->Print(DUMP_WARNING, "Sun %u does not exist: a scene has three\n", index);
        return nullptr;
    }
    if (index >= _sunCount)
        _sunCount = index + 1;
    return &_suns[index];
}

void RenderScene::SetSunDirection(unsigned index, const Vec3& direction)
{
    if (SunSource* sun = EditSun(index))
    {
        sun->direction = direction;
        if (direction.LengthSquared() > 0.0f)
            sun->direction.Normalize();
    }
}

void RenderScene::SetSunDiffuse(unsigned index, const Color& color, float power)
{
    if (SunSource* sun = EditSun(index))
    {
        sun->diffuse = color;
        sun->diffusePower = power;
    }
}

void RenderScene::SetSunAmbient(unsigned index, const Color& color, float power)
{
    if (SunSource* sun = EditSun(index))
    {
        sun->ambient = color;
        sun->ambientPower = power;
    }
}

void RenderScene::SetSunSpecular(unsigned index, const Color& color, float power)
{
    if (SunSource* sun = EditSun(index))
    {
        sun->specular = color;
        sun->specularPower = power;
    }
}

int RenderScene::AddDepthCkeckPoint(const Vec3& position)
{
    _depthCheckPoints.push_back({position, true});
    return int(_depthCheckPoints.size()) - 1;
}

void RenderScene::UpdateDepthCheckPoint(int index, const Vec3& position)
{
    if (index >= 0 && size_t(index) < _depthCheckPoints.size())
        _depthCheckPoints[size_t(index)] = {position, true};
}

bool RenderScene::GetDepthCheckResult(int index) const
{
    return index < 0 || size_t(index) >= _depthCheckPoints.size() || _depthCheckPoints[size_t(index)].occluded;
}

void RenderScene::AddUserObject(IDebugRenderable* object)
{
    if (!object || std::find(_userObjects.begin(), _userObjects.end(), object) != _userObjects.end())
        return;
    _userObjects.push_back(object);
    object->SetRegistered(true);
}

void RenderScene::RemoveUserObject(IDebugRenderable* object)
{
    auto it = std::find(_userObjects.begin(), _userObjects.end(), object);
    if (it == _userObjects.end())
        return;
    _userObjects.erase(it);
    object->SetRegistered(false);
}

void RenderScene::RemoveAllUserObjects()
{
    for (IDebugRenderable* object : _userObjects)
        object->SetRegistered(false);
    _userObjects.clear();
}

void RenderScene::NotifyUserObjects(eSceneLayerType layer, Camera* camera)
{
    // By index: a hook may remove its own object.
    for (size_t i = 0; i < _userObjects.size(); ++i)
        _userObjects[i]->OnRender(layer, camera, _system);
}

void RenderScene::ChangeMotionBloorKoef(float koef)
{
    if (!_globals)
        return;
    _globals->SetMotionBloorKoef(koef);
    _globals->ApplyToShader(nullptr);
}
