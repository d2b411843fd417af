#pragma once

#include "MaterialSystem/shaders/LightSources.h"
#include "foundation/base/Name.h"
#include "scene/OmniBatches.h"
#include "scene/nodes/NodeTypes.h"

#include <array>
#include <map>
#include <memory>
#include <vector>

class Bone;
class Camera;
class Dumper;
class Emitter;
class Group;
class IDebugRenderable;
class LensFlare;
class Material;
class MaterialSystem;
class Mesh;
class Model;
class ModelMgr;
class Node;
class Omni;
class OmniList;
class PostProcessingStage;
class ParticleSet;
class RenderMesh;
class RenderQueue;
class RenderSettings;
class ResourceSystem;
class ShaderParamsGlobal;
class Sound3D;
class SoundBone;
class Texture;
class Timer;
class Updater;
class WebcamView;

// Everything the renderer draws: four layer roots with their node trees, the factories that
// make nodes, the model manager (extension "mod") and the models by name, up to three suns,
// the depth check points of lens flares and the objects that draw debug graphics. Once per
// frame UpdateScene runs the update pass and RenderView draws the layers, the stage through
// a deferred lighting stage. Without a material system it is a plain node store that draws
// nothing.
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

    // Advances lens flares and emitters, recomputes what moved, then calls the sound updater.
    void UpdateScene(const Timer& timer);
    void UpdateScene(float seconds);
    // Presents the previous frame, then draws the background layer around the camera, the
    // stage with its lights, and the two foreground layers.
    void RenderView(Camera* camera, const Timer& timer);

    // Sun i of 0..2 (a higher index is ignored); setting one makes the scene use suns up to it.
    void SetSunDirection(unsigned index, const Vec3& direction);
    void SetSunDiffuse(unsigned index, const Color& color, float power);
    void SetSunAmbient(unsigned index, const Color& color, float power);
    void SetSunSpecular(unsigned index, const Color& color, float power);
    Vec3 GetSunDirection(unsigned index) const { return Sun(index).direction; }
    Color GetSunDiffuse(unsigned index) const { return Sun(index).diffuse; }
    Color GetSunAmbient(unsigned index) const { return Sun(index).ambient; }
    Color GetSunSpecular(unsigned index) const { return Sun(index).specular; }
    float GetSunDiffusePower(unsigned index) const { return Sun(index).diffusePower; }
    float GetSunAmbientPower(unsigned index) const { return Sun(index).ambientPower; }
    float GetSunSpecularPower(unsigned index) const { return Sun(index).specularPower; }
    unsigned GetSunCount() const { return _sunCount; }

    // Points tested against the depth of the last frame's stage, positions relative to the
    // camera; each reads occluded until a frame has tested it.
    int AddDepthCkeckPoint(const Vec3& position);
    void UpdateDepthCheckPoint(int index, const Vec3& position);
    // Occluded; true for an index that is not a point.
    bool GetDepthCheckResult(int index) const;
    void RemoveDepthCheckPoints() { _depthCheckPoints.clear(); }

    // Objects whose debug hook runs while the stage is drawn; a duplicate is not added again.
    void AddUserObject(IDebugRenderable* object);
    void RemoveUserObject(IDebugRenderable* object);
    void RemoveAllUserObjects();

    void SetSoundMgr(Updater* updater) { _soundMgr = updater; }
    void ChangeMotionBloorKoef(float koef);
    void SetOldTVEffect(float amount) { _oldTVEffect = amount; }
    // The four targets of the deferred stage in the order depth, colour, normal, material; a
    // null out-pointer is skipped.
    void GetMRTs(Texture** depth, Texture** color, Texture** normal, Texture** material) const;
    Mesh* GetSpotShapeMesh() const { return _spotShape; }
    ShaderParamsGlobal* GetGlobals() const { return _globals.get(); }
    // Whether the lit prims of the frame drawn last left an emissive colour for the glow.
    bool DrewEmissive() const { return _emissiveDrawn; }
    PostProcessingStage* GetPostProcessingStage() const { return _postStage.get(); }
    // The slot a webcam picture would be handed out from. No part of the game captures one, so
    // initialising leaves it empty.
    void InitializeWebcamView() {}
    WebcamView* GetWebcamView() const { return _webcamView; }

    MaterialSystem* GetMaterialSystem() const { return _system; }
    ResourceSystem* GetResourceSystem() const { return _resources; }
    Dumper* GetDumper() const { return _dumper; }
    RenderSettings* GetSettings() const { return _settings; }
    ModelMgr* GetModelMgr() const { return _modelMgr.get(); }
    Mesh* GetOmniShapeMesh() const { return _omniShape; }

private:
    // The render targets of the deferred stage, in target order.
    enum eTarget
    {
        MRT_DEPTH = 0,
        MRT_NORMAL = 1,
        MRT_COLOR = 2,
        MRT_MATERIAL = 3,
        MRT_COUNT = 4,
    };
    struct DepthCheckPoint
    {
        Vec3 position;
        bool occluded;
    };

    const SunSource& Sun(unsigned index) const { return _suns[index < 3 ? index : 0]; }
    SunSource* EditSun(unsigned index);
    void NotifyUserObjects(eSceneLayerType layer, Camera* camera);
    unsigned long DetermineDebugFlags() const;

    void PrepareDeferredShadingStage();
    Material* PrepareMaterial(const char* name, unsigned flags, const char* shader, const char* usage, bool targets,
                              const char* variant = nullptr);
    void FlushQueues();
    void TestDepthCheckPoints();
    void RenderScenery(Camera* camera);
    void RenderAdditionalRoots(Group* root, Camera* camera);
    void RenderSimpleObjects();
    void RenderDeferredShadingObjects(Camera* camera, OmniList& lights);
    void RenderSingleLight(Camera* camera, Omni* light);
    void RenderLightBatches(Camera* camera, OmniList& lights);
    void RenderOmniBatch(const OmniBatches::Batch& batch);
    // The pixels of the screen the light may reach: all of them when the camera is inside its
    // sphere, else the sphere's screen rectangle.
    PixelRect LightRect(Camera* camera, const Omni& light) const;
    // The depth buffer's value beyond which the light reaches nothing.
    static float LightDepth(Camera* camera, const Omni& light);
    bool LitPrimsWriteDepth();
    bool LitPrimsWriteEmissive();
    void MaskLightsByDepth(bool masked);
    void RenderFrameBufferObjects();
    void SetCameraTransforms(Camera* camera);

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
    std::vector<IDebugRenderable*> _userObjects;
    SunSource _suns[3];
    unsigned _sunCount = 0;
    Updater* _soundMgr = nullptr;
    std::unique_ptr<RenderSettings> _defaultSettings; // when none is given
    // Unlit opaque, deferred-lit opaque, transparent, frame-buffer readers, light shapes, and
    // the glow prims that no pass draws.
    RenderQueue* _unlitQueue = nullptr;
    RenderQueue* _litQueue = nullptr;
    RenderQueue* _transparentQueue = nullptr;
    RenderQueue* _frameBufferQueue = nullptr;
    RenderQueue* _lightQueue = nullptr;
    RenderQueue* _extraQueue = nullptr;
    std::unique_ptr<ShaderParamsGlobal> _globals;
    Texture* _targets[MRT_COUNT] = {};
    Material* _directionalLight = nullptr;
    // The omni light shader's variants, by batch size: 1, 2, 4, 8 and 16 lights.
    std::array<Material*, OmniBatches::VariantCount> _omniLights{};
    OmniBatches _omniBatches;
    Material* _omniBack = nullptr;
    Material* _omniFront = nullptr;
    Mesh* _omniShape = nullptr;
    Mesh* _spotShape = nullptr;
    std::unique_ptr<PostProcessingStage> _postStage;
    WebcamView* _webcamView = nullptr;
    float _oldTVEffect = 0.0f;
    float _secondsPerFrame = 0.0f;
    std::vector<DepthCheckPoint> _depthCheckPoints;
    bool _emissiveDrawn = false;
    Camera* _viewCamera = nullptr; // the camera of the frame being drawn
};
