#include "scene/RenderScene.h"

#include "ResourceSystem/ResourceSystem.h"
#include "foundation/base/Dumper.h"
#include "scene/model/ModelAsset.h"
#include "scene/model/ModelMgr.h"
#include "scene/nodes/Camera.h"
#include "scene/particles/Emitter.h"
#include "scene/nodes/LensFlare.h"
#include "scene/nodes/Model.h"
#include "scene/nodes/NodeFactory.h"
#include "scene/nodes/Omni.h"
#include "scene/nodes/RenderMesh.h"
#include "scene/nodes/SoundBone.h"

#include <algorithm>

RenderScene::RenderScene(MaterialSystem* system, ResourceSystem* resources, Dumper* dumper, RenderSettings* settings)
    : _system(system), _resources(resources), _dumper(dumper ? dumper : &Dumper::Instance()), _settings(settings),
      _modelMgr(std::make_unique<ModelMgr>(this))
{
    if (_resources)
        _resources->RegisterResMgr("mod", _modelMgr.get());
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
}

RenderScene::~RenderScene()
{
    ClearScene();
    _modelMgr.reset();
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
