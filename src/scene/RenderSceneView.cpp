// The render scene's view: one frame of the four layers for the game's camera.
#include "MaterialSystem/MaterialSystem.h"
#include "MaterialSystem/queue/RenderQueue.h"
#include "MaterialSystem/shaders/ShaderParamsGlobal.h"
#include "MaterialSystem/textures/Texture.h"
#include "MaterialSystem/textures/TextureMgr.h"
#include "foundation/base/Profiler.h"
#include "foundation/base/Timer.h"
#include "foundation/config/RenderSettings.h"
#include "foundation/config/VideoSettings.h"
#include "platform/gfx/Device.h"
#include "platform/gfx/Texture.h"
#include "scene/RenderScene.h"
#include "scene/nodes/Camera.h"
#include "scene/nodes/Group.h"
#include "scene/post/PostProcessingStage.h"
#include "scene/visitors/DebugRenderVisitor.h"
#include "scene/visitors/SelectionVisitor.h"

#include <cmath>

void RenderScene::SetCameraTransforms(Camera* camera)
{
    _globals->SetViewTransform(&camera->GetViewMatrix());
    _globals->SetProjectionTransform(&camera->GetProjMatrix());
}

void RenderScene::RenderView(Camera* camera, const Timer& timer)
{
    if (!_system || !camera)
        return;
    _viewCamera = camera;
    const VideoSettings* video = _system->GetSettings();
    const float width = float(video->ScrWidth), height = float(video->ScrHeight);
    SetCameraTransforms(camera);
    _globals->SetScreenParams(width, height);
    _globals->SetClipPlanes(camera->GetFarClip(), camera->GetNearClip());
    _globals->SetElapsedTime(timer.GetElapsedSeconds());
    if (_sunCount > 0)
    {
        for (unsigned i = 0; i < _sunCount; ++i)
            _globals->SetSunLighting(_suns[i]);
    }
    else
    {
        SunSource dark;
        dark.direction = Vec3(0.0f);
        dark.diffuse = dark.ambient = dark.specular = Color(0.0f, 0.0f, 0.0f, 1.0f);
        _globals->SetSunLighting(dark);
    }
    {
        AutoScopeProfile scope(Name("Present"));
        _system->Present(_globals.get());
    }

    camera->ResetPosition();
    // The depth check points read the depth the last frame's stage left, with the camera as it is
    // now: here, right after presenting, the renderer has nothing left to draw and the read-back
    // waits for nothing; later it would wait for the background.
    if (!_depthCheckPoints.empty())
    {
        AutoScopeProfile scope(Name("Occlusion Hack"));
        TestDepthCheckPoints();
    }
    // Colour and depth are cleared under the background too: a layer that does not cover the
    // whole screen must not show the last frame through, nor be hidden by the depth it left.
    // The stencil goes with every depth clear: nothing reads it until the lights clear it for
    // themselves, and depth and stencil together are one plain fill where depth alone has to
    // keep the stencil bits of every pixel.
    _system->ClearTarget(7, 0, 1.0f);
    if (_settings->RenderBackground)
    {
        AutoScopeProfile scope(Name("Background"));
        FlushQueues();
        RenderAdditionalRoots(_backRoot, camera);
    }
    _system->ClearTarget(6, 0, 1.0f);
    {
        AutoScopeProfile scope(Name("Scenery"));
        FlushQueues();
        camera->RestorePosition();
        RenderScenery(camera);
    }
    if (_settings->EnablePostEffects)
    {
        AutoScopeProfile scope(Name("Post-Process"));
        _postStage->Render();
    }

    const float aspect = width / height;
    camera->SetAspectRatio(float(aspect / 1.3333 * 1.2));
    FlushQueues();
    camera->ResetPosition();
    RenderAdditionalRoots(_foreRoot, camera);
    camera->RestorePosition();

    camera->SetAspectRatio(aspect);
    FlushQueues();
    camera->ResetPosition();
    RenderAdditionalRoots(_fore2Root, camera);
    camera->RestorePosition();
}

void RenderScene::FlushQueues()
{
    {
        AutoScopeProfile scope(Name("Flush opaque dynamics"));
        _unlitQueue->FlushContent();
        _litQueue->FlushContent();
    }
    AutoScopeProfile scope(Name("Flush transparent dynamics"));
    _transparentQueue->FlushContent();
    _frameBufferQueue->FlushContent();
    _extraQueue->FlushContent();
}

// Each point against the depth the last frame's stage left, as the camera sees it now (moved
// to the origin: the points are relative to it). A point is occluded behind drawn geometry,
// off the screen, or behind the camera. Only the points' own pixels are read back.
void RenderScene::TestDepthCheckPoints()
{
    gfx::Device* device = _system->GetDevice();
    gfx::Texture* depth = _targets[MRT_DEPTH] && device ? _targets[MRT_DEPTH]->GetTexHandle() : nullptr;
    const float width = depth ? float(depth->GetWidth()) : 0.0f, height = depth ? float(depth->GetHeight()) : 0.0f;
    const Matrix viewProjection = _viewCamera->GetViewMatrix() * _viewCamera->GetProjMatrix();
    for (DepthCheckPoint& point : _depthCheckPoints)
    {
        point.occluded = true;
        if (!depth)
            continue;
        Vec3 screen;
        _viewCamera->WorldToScreen(point.position, _system, screen);
        // The viewport may be another size than the depth target: go by the target's pixels.
        const gfx::Viewport& viewport = device->GetViewport();
        const float x = screen.x * width / float(viewport.width);
        const float y = screen.y * height / float(viewport.height);
        Vec4 clip;
        viewProjection.Transform(point.position, clip);
        float stored = 0.0f;
        if (!(x >= 0.0f && x < width && y >= 0.0f && y < height) || clip.w <= 0.0f ||
            !device->ReadFloatPixels(depth, gfx::Rect{int(std::floor(x)), int(std::floor(y)), 1, 1}, &stored))
            continue;
        point.occluded = stored != 0.0f && stored < clip.z / clip.w;
    }
}

unsigned long RenderScene::DetermineDebugFlags() const
{
    unsigned long flags = 0;
    if (_settings->ShowAxes)
        flags |= DF_AXES;
    if (_settings->ShowBounds)
        flags |= DF_BOUNDS;
    if (_settings->ShowBones)
        flags |= DF_BONES;
    if (_settings->ShowNodeLinks)
        flags |= DF_NODE_LINKS;
    if (_settings->ShowGroups)
        flags |= DF_GROUPS;
    return flags;
}

void RenderScene::RenderScenery(Camera* camera)
{
    SelectionVisitor selection(camera, _unlitQueue, _litQueue, _transparentQueue, _frameBufferQueue, _extraQueue);
    {
        AutoScopeProfile scope(Name("Select visible prims"));
        _stageRoot->Traverse(selection, TM_DEPTH_FIRST);
    }
    if (_system->GetSettings()->UseHelpers)
    {
        AutoScopeProfile scope(Name("Debug rendering"));
        DebugRenderVisitor debug(DetermineDebugFlags(), this);
        _stageRoot->Traverse(debug, TM_DEPTH_FIRST);
        NotifyUserObjects(SL_STAGE, camera);
    }
    if (_settings->EnableSorting)
    {
        AutoScopeProfile scope(Name("Sort prims"));
        const bool byDepth = _settings->EnableDepthSorting;
        _unlitQueue->SortPrims(byDepth ? 3 : 1);
        _litQueue->SortPrims(byDepth ? 3 : 1);
        _frameBufferQueue->SortPrims(byDepth ? 4 : 1);
        _transparentQueue->SortPrims(_settings->EnableCorrectBlending ? 4 : 5);
    }
    {
        AutoScopeProfile scope(Name("Batch prims"));
        for (RenderQueue* queue : {_unlitQueue, _litQueue, _transparentQueue, _frameBufferQueue})
            queue->PreprocessPrims();
    }
    SetCameraTransforms(camera);
    {
        AutoScopeProfile scope(Name("Render lit prims"));
        RenderDeferredShadingObjects(camera, selection.GetOmniList());
    }
    {
        AutoScopeProfile scope(Name("Distortion"));
        RenderFrameBufferObjects();
    }
    AutoScopeProfile scope(Name("Render unlit prims"));
    RenderSimpleObjects();
}

// Neither sorted nor lit: what these layers put into the lit or frame-buffer queue is dropped.
void RenderScene::RenderAdditionalRoots(Group* root, Camera* camera)
{
    SelectionVisitor selection(camera, _unlitQueue, _litQueue, _transparentQueue, _frameBufferQueue, _extraQueue);
    root->Traverse(selection, TM_DEPTH_FIRST);
    _unlitQueue->PreprocessPrims();
    _transparentQueue->PreprocessPrims();
    SetCameraTransforms(camera);
    RenderSimpleObjects();
}

void RenderScene::RenderSimpleObjects()
{
    _unlitQueue->RenderPrims(_globals.get());
    _transparentQueue->RenderPrims(_globals.get());
}

// With nothing to draw, the copy is left to the post chain, which takes its own before any pass
// reads it.
void RenderScene::RenderFrameBufferObjects()
{
    if (_frameBufferQueue->IsEmpty() && _settings->EnablePostEffects)
        return;
    Texture* frameBuffer = _system->GetTextureMgr()->GetFrameBufferTexture();
    if (!_frameBufferQueue->IsEmpty())
    {
        _system->SyncWithGPU(true);
        _system->SyncWithGPU(false);
    }
    _system->CopyTexture(nullptr, frameBuffer);
    _frameBufferQueue->RenderPrims(_globals.get());
}
