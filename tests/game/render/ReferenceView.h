#pragma once
// The view of a render scene drawn as the scene drew it before its passes were made cheaper:
// each omni light a pass of its own over the rectangle of its sphere's cube, the sun blended by
// its alpha, the bloom and glow composites over the whole screen. It draws the scene's state
// into the back buffer, for a test to compare with what RenderScene::RenderView drew from the
// same state; presenting, the depth check points and the debug helpers stay the scene's.

class Camera;
class Group;
class MaterialSystem;
class OmniList;
class RenderQueue;
class RenderScene;
class Timer;

class ReferenceView
{
public:
    explicit ReferenceView(RenderScene& scene);
    ~ReferenceView();
    ReferenceView(const ReferenceView&) = delete;
    ReferenceView& operator=(const ReferenceView&) = delete;

    void Render(Camera* camera, const Timer& timer);

private:
    void Flush();
    void SetCameraTransforms(Camera* camera);
    void RenderScenery(Camera* camera);
    void RenderAdditionalRoots(Group* root, Camera* camera);
    void RenderSimpleObjects();
    void RenderDeferredShadingObjects(Camera* camera, OmniList& lights);
    void RenderLight(Camera* camera, const class Omni& light);
    void RenderFrameBufferObjects();
    void RenderPostProcess();

    RenderScene& _scene;
    MaterialSystem* _system;
    RenderQueue* _unlit;
    RenderQueue* _lit;
    RenderQueue* _transparent;
    RenderQueue* _frameBuffer;
    RenderQueue* _extra;
};
