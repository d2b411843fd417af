#pragma once

#include "foundation/base/Name.h"
#include "scene/nodes/NodeTypes.h"

#include <map>
#include <memory>
#include <vector>

class Bone;
class Camera;
class Dumper;
class Emitter;
class Group;
class LensFlare;
class MaterialSystem;
class Mesh;
class Model;
class ModelMgr;
class Node;
class Omni;
class ParticleSet;
class RenderMesh;
class RenderSettings;
class ResourceSystem;
class Sound3D;
class SoundBone;

// Everything the renderer draws: four layer roots with their node trees, the factories that
// make nodes, the model manager (extension "mod") and the models by name. Works without a
// material system too, as a plain node store that draws nothing.
class RenderScene
{
public:
    RenderScene(MaterialSystem* system, ResourceSystem* resources, Dumper* dumper, RenderSettings* settings);
    ~RenderScene();
    RenderScene(const RenderScene&) = delete;
    RenderScene& operator=(const RenderScene&) = delete;

    // Deletes every node of every layer and forgets the models.
    void ClearScene();

    Group* GetStageRoot() const { return _stageRoot; }
    Group* GetBackRoot() const { return _backRoot; }
    Group* GetForeRoot() const { return _foreRoot; }
    Group* GetFore2Root() const { return _fore2Root; }

    // Each makes the node under the layer's root; an unknown layer is taken as the stage.
    Bone* CreateBone(eSceneLayerType layer);
    Group* CreateGroup(eSceneLayerType layer);
    RenderMesh* CreateMesh(eSceneLayerType layer);
    Emitter* CreateEmitter(eSceneLayerType layer);
    ParticleSet* CreateParticleSet(eSceneLayerType layer);
    Omni* CreateOmni(eSceneLayerType layer);
    LensFlare* CreateLensFlare(eSceneLayerType layer);
    Camera* CreateCamera();
    SoundBone* CreateSoundBone(Sound3D* sound);
    // A node of a model-file record type, attached nowhere; null for types no node is made of.
    Node* CreateNodeUnknown(Group* root, eNodeType type);

    // The model of a file (under the model manager's root) in a layer; the given name replaces
    // the file's and registers the model by it (the first model of a name stays registered).
    Model* CreateModel(Name name, const char* path, eSceneLayerType layer);
    // The same, not registered by name.
    Model* CreateModel(const char* path, eSceneLayerType layer);
    Model* FindModel(Name name) const;
    void DestroyModel(Model* model);
    // Deletes the node and its subtree; null is ignored.
    void DestroyNode(Node* node);
    // Called by a model being deleted, whatever deletes it.
    void ForgetModel(Model* model);

    MaterialSystem* GetMaterialSystem() const { return _system; }
    ResourceSystem* GetResourceSystem() const { return _resources; }
    Dumper* GetDumper() const { return _dumper; }
    RenderSettings* GetSettings() const { return _settings; }
    ModelMgr* GetModelMgr() const { return _modelMgr.get(); }
    Mesh* GetOmniShapeMesh() const { return _omniShape; }

private:
    Group* GetSceneRoot(eSceneLayerType layer) const;
    // The layer's root, or the stage root for an unknown layer (logged).
    Group* LayerRoot(eSceneLayerType layer) const;
    template <class T>
    T* Create(eSceneLayerType layer);
    void AddModel(Model* model, Group* root);

    MaterialSystem* _system;
    ResourceSystem* _resources;
    Dumper* _dumper;
    RenderSettings* _settings;
    std::unique_ptr<ModelMgr> _modelMgr;
    Group* _stageRoot = nullptr;
    Group* _backRoot = nullptr;
    Group* _foreRoot = nullptr;
    Group* _fore2Root = nullptr;
    std::map<int, Model*> _modelsByName;
    std::vector<Model*> _models;
    Mesh* _omniShape = nullptr;
};
