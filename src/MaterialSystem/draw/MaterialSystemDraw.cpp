// The material system's immediate drawing services: helper geometry, screen primitives and
// text, targets and states, occlusion tests and the on-screen statistics.
#include "MaterialSystem/MaterialSystem.h"

#include "MaterialSystem/DriverInfo.h"
#include "MaterialSystem/IDeviceResource.h"
#include "MaterialSystem/VertexBuffer.h"
#include "MaterialSystem/VertexDecl.h"
#include "MaterialSystem/draw/DrawServices.h"
#include "MaterialSystem/materials/Material.h"
#include "MaterialSystem/queue/RenderQueue.h"
#include "MaterialSystem/shaders/ShaderParamsGlobal.h"
#include "MaterialSystem/textures/Texture.h"
#include "foundation/base/Profile.h"
#include "foundation/base/Profiler.h"
#include "foundation/base/Timer.h"
#include "foundation/config/VideoSettings.h"
#include "foundation/math/Color.h"
#include "foundation/math/Matrix.h"
#include "foundation/math/Vec2.h"
#include "foundation/math/Vec4.h"
#include "platform/font/TextLayout.h"

#include <algorithm>
#include <cstdio>
#include <string>

namespace {

// Text alignments as layout flags.
unsigned AlignFormat(TextAlign align)
{
    switch (align)
    {
    case TA_CENTER: return TF_CENTER | TF_VCENTER;
    case TA_RIGHT: return TF_RIGHT;
    case TA_HCENTER: return TF_CENTER;
    case TA_HCENTER_BOTTOM: return TF_CENTER | TF_BOTTOM;
    default: return 0;
    }
}

} // namespace

void MaterialSystem::PrepareDrawServices()
{
    _draw = std::make_unique<DrawServices>();
    _draw->programs = FixedPrograms::Create(*_device);
    _draw->fonts = std::make_unique<FontCache>(*_device);
    _draw->targets = std::make_unique<RenderTargets>(*_device, _driverInfo->GetNumSimultaneousRTs());
    InitScreenAlignedQuad();
    SetBackBuffer();
    SetDepthTarget(nullptr);
    if (_draw->programs)
    {
        _draw->screen = std::make_unique<ScreenPrims>(*_device, *_draw->programs, *_draw->fonts);
        _draw->occlusion = std::make_unique<OcclusionTests>(*_device, *_draw->programs);
    }
    PrepareOcclusionQueries();
    PrepareHelperResources();
    LockHelperResources();
}

void MaterialSystem::ResetDrawServices()
{
    if (!_draw)
        return;
    UnlockHelperResources();
    _draw->targets->ResetCaches();
    DestroyOcclusionQueries();
    if (_draw->screen)
        _draw->screen->Flush(false);
}

void MaterialSystem::RestoreDrawServices()
{
    if (!_draw)
    {
        PrepareDrawServices();
        return;
    }
    SetBackBuffer();
    SetDepthTarget(nullptr);
    PrepareOcclusionQueries();
    LockHelperResources();
}

void MaterialSystem::DestroyDrawServices()
{
    if (!_draw)
        return;
    DestroyOcclusionQueries();
    DestroyHelperResources();
    _draw.reset();
}

// Runs inside Present while a frame is open: the helpers, the screen records and the
// occlusion tests of the frame.
void MaterialSystem::RenderFrameDrawing(ShaderParamsGlobal* globalParams)
{
    if (!_draw)
        return;
    {
        AutoScopeProfile scope(Name("Render helper geometry"));
        UnlockHelperResources();
        ResetRenderStates();
        FlushHelperPrims(globalParams);
    }
    {
        AutoScopeProfile scope(Name("Render screen geometry"));
        ResetRenderStates();
        FlushScreenPrims();
    }
    PerformOcclusionTests();
}

// A frame that is not shown draws nothing of what it collected.
void MaterialSystem::DropDrawing()
{
    if (_draw && _draw->screen)
        _draw->screen->Flush(false);
}

// --- helper geometry -------------------------------------------------------------------

void MaterialSystem::PrepareHelperResources()
{
    if (_settings->UseHelpers && !_draw->helpers)
        _draw->helpers = std::make_unique<HelperGeometry>(*_device);
}

void MaterialSystem::LockHelperResources()
{
    if (_draw && _draw->helpers)
        _draw->helpers->Lock();
}

void MaterialSystem::UnlockHelperResources()
{
    if (_draw && _draw->helpers)
        _draw->helpers->Unlock();
}

void MaterialSystem::DestroyHelperResources()
{
    if (_draw)
        _draw->helpers.reset();
}

void MaterialSystem::FlushHelperPrims(ShaderParamsGlobal* globalParams)
{
    if (!_settings->UseHelpers || !_draw->helpers || !_draw->programs)
        return;
    // Without a camera the helpers are given in clip space.
    _draw->helpers->Flush(*_draw->programs, globalParams ? globalParams->GetView() : Matrix::Ident(),
                          globalParams ? globalParams->GetProjection() : Matrix::Ident());
}

void MaterialSystem::DrawTriangles(const HelperTriangle* triangles, unsigned count)
{
    if (_draw && _draw->helpers && triangles)
        _draw->helpers->DrawTriangles(triangles, count);
}

void MaterialSystem::DrawLines(const HelperLine* lines, unsigned count)
{
    if (_draw && _draw->helpers && lines)
        _draw->helpers->DrawLines(lines, count);
}

void MaterialSystem::DrawPoints(const HelperPoint* points, unsigned count)
{
    if (_draw && _draw->helpers && points)
        _draw->helpers->DrawPoints(points, count);
}

// --- screen primitives -----------------------------------------------------------------

void MaterialSystem::RenderQuad(Material* material, const Vec2& pos, const Vec2& size, float angle, const Color& color,
                                int layer)
{
    Vec2 uv0(0.0f, 1.0f), uv1(0.0f, 0.0f), uv2(1.0f, 1.0f), uv3(1.0f, 0.0f);
    RenderQuadAdvanced(material, pos, size, uv0, uv1, uv2, uv3, angle, color, layer);
}

void MaterialSystem::RenderQuadAdvanced(Material* material, const Vec2& pos, const Vec2& size, Vec2& uv0, Vec2& uv1,
                                        Vec2& uv2, Vec2& uv3, float angle, const Color& color, int layer)
{
    if (!_draw || !_draw->screen)
        return;
    const Vec2 uv[4] = {uv0, uv1, uv2, uv3};
    _draw->screen->AddQuad(material, pos, size, uv, angle, color.ARGB(), layer);
}

void MaterialSystem::RenderScreenAlignedQuad(Material* material)
{
    if (_draw && _draw->quad)
        _draw->quad->Render(material);
}

void MaterialSystem::DrawLine2D(const Vec2& a, const Vec2& b, Color colorA, Color colorB)
{
    if (_draw && _draw->screen)
        _draw->screen->AddLine(a, b, colorA.ARGB(), colorB.ARGB());
}

void MaterialSystem::DrawTriangle2D(const Vec2& a, const Vec2& b, const Vec2& c, const Color& color)
{
    if (_draw && _draw->screen)
        _draw->screen->AddTriangle(a, b, c, color.ARGB());
}

void MaterialSystem::DrawPoint2D(const Vec2& p, const Color& color)
{
    if (_draw && _draw->screen)
        _draw->screen->AddPoint(p, color.ARGB());
}

RenderText* MaterialSystem::DrawD3DText(const char* face, unsigned height, unsigned width, unsigned long weight,
                                        bool italic, const char* text, const Vec4& rect, TextAlign align,
                                        bool wordBreak, const Color& color)
{
    if (!_draw)
        return nullptr;
    if (!_draw->screen)
    {
        _draw->discarded = RenderText();
        return &_draw->discarded;
    }
    FontCache::Entry* font = _draw->fonts->Acquire(face, height, width, static_cast<unsigned>(weight), italic);
    unsigned format = AlignFormat(align);
    if (wordBreak)
        format |= TF_WORDBREAK | TF_EXPANDTABS;
    const float box[4] = {rect.x, rect.y, rect.z, rect.w};
    return _draw->screen->AddText(font, text, box, format, color.ARGB());
}

RenderText* MaterialSystem::DrawD3DText(const char* face, unsigned height, unsigned width, bool italic,
                                        const char* text, const Vec4& rect, TextAlign align, bool wordBreak,
                                        const Color& color)
{
    return DrawD3DText(face, height, width, 400, italic, text, rect, align, wordBreak, color);
}

float MaterialSystem::MeasureD3DText(const char* face, unsigned height, unsigned width, unsigned long weight,
                                     bool italic, const char* text)
{
    if (!_draw || !text)
        return 0.0f;
    FontCache::Entry* font = _draw->fonts->Acquire(face, height, width, static_cast<unsigned>(weight), italic);
    return font && font->font ? MeasureText(*font->font, text, TF_EXPANDTABS) : 0.0f;
}

void MaterialSystem::FlushScreenPrims()
{
    if (_draw->screen)
        _draw->screen->Flush(_settings->DrawScreenPrims);
}

void MaterialSystem::InitScreenAlignedQuad() { _draw->quad = std::make_unique<ScreenAlignedQuad>(*_device); }

unsigned MaterialSystem::GetFontCount() const { return _draw ? _draw->fonts->GetCount() : 0; }

// --- targets and states ----------------------------------------------------------------

void MaterialSystem::SetBackBuffer()
{
    if (_draw)
        _draw->targets->SetBackBuffer();
}

void MaterialSystem::SetRenderTarget(Texture* texture, unsigned index)
{
    if (_draw)
        _draw->targets->SetRenderTarget(texture, index);
}

void MaterialSystem::SetDepthTarget(Texture* texture)
{
    if (_draw)
        _draw->targets->SetDepthTarget(texture);
}

void MaterialSystem::CopyTexture(Texture* source, Texture* destination)
{
    if (_draw)
        _draw->targets->CopyTexture(source, destination);
}

void MaterialSystem::GetCurrentRenderTargetDimensions(float& width, float& height)
{
    width = height = 0.0f;
    if (_draw)
        _draw->targets->GetCurrentRenderTargetDimensions(width, height);
}

void MaterialSystem::ClearTarget(unsigned flags, uint32_t color, float z)
{
    if (_draw)
        _draw->targets->ClearTarget(flags, color, z);
}

void MaterialSystem::SetDepthFunc(eCmpFunc func)
{
    if (_draw)
        _draw->targets->SetDepthFunc(func);
}

void MaterialSystem::SetColorWrite(uint32_t flags)
{
    if (_draw)
        _draw->targets->SetColorWrite(flags);
}

void MaterialSystem::SetStencilTest(bool enable, const StencilTestDesc* desc)
{
    if (_draw)
        _draw->targets->SetStencilTest(enable, desc);
}

void MaterialSystem::SetScissors(bool percent, const Rect* rect)
{
    if (_draw)
        _draw->targets->SetScissors(percent, rect);
}

void MaterialSystem::SetViewport(const Rect* rect)
{
    if (_draw)
        _draw->targets->SetViewport(rect);
}

// --- occlusion ---------------------------------------------------------------------------

void MaterialSystem::PrepareOcclusionQueries()
{
    if (!_draw || !_draw->occlusion || _driverInfo->GetOcclusionQuerySupport() != 1)
        return;
    _draw->occlusionSupported = _draw->occlusion->Prepare();
}

void MaterialSystem::PerformOcclusionTests()
{
    if (_draw && _draw->occlusion)
        _draw->occlusion->Perform();
}

void MaterialSystem::DestroyOcclusionQueries()
{
    if (_draw && _draw->occlusion)
        _draw->occlusion->Destroy();
}

void MaterialSystem::RequestOcclusionTest(const Vec3& point, bool* result, const Matrix& view, const Matrix& projection)
{
    if (_draw && _draw->occlusion)
        _draw->occlusion->Request(point, result, view, projection);
}

// --- render queues -----------------------------------------------------------------------

RenderQueue* MaterialSystem::CreateRenderQueue() { return new RenderQueue(this, _device.get()); }

void MaterialSystem::DestroyRenderQueue(RenderQueue* queue) { delete queue; }

unsigned MaterialSystem::CalculateInstanceCount(unsigned primitivesPerInstance, uint32_t vertexFormat) const
{
    if (!(vertexFormat & VF_INSTANCE))
        return 1;
    const unsigned instances = static_cast<unsigned>(std::max(_settings->MaxInstancesPerBatch, 1));
    const unsigned byTriangles =
        primitivesPerInstance
            ? static_cast<unsigned>(std::max(_settings->MaxTrianglesPerBatch, 0)) / primitivesPerInstance
            : instances;
    return std::max(1u, std::min(instances, byTriangles));
}

// --- statistics --------------------------------------------------------------------------

void MaterialSystem::RenderStats(Timer* timer)
{
    if (!_draw)
        return;
    std::vector<std::pair<std::string, Color>> lines;
    if (_settings->DrawFPS && timer)
    {
        char text[32];
        std::snprintf(text, sizeof(text), "%d FPS", static_cast<int>(timer->GetFPS()));
        lines.emplace_back(text, Color(1.0f, 1.0f, 1.0f, 1.0f));
        lines.emplace_back("", Color());
    }
    if (_settings->DrawStats)
    {
        for (Profiler::Begin(); Profiler::End(); Profiler::Next())
        {
            const IProfile* profile = Profiler::Current();
            std::string text;
            profile->PrintStats(text);
            Color color(0.5f, 0.5f, 1.0f, 1.0f);
            if (dynamic_cast<const ProfileExecutionTime*>(profile))
            {
                // Green through yellow (at one half) to red.
                const float v = std::clamp(profile->GetCriticalDegree(), 0.0f, 1.0f);
                color = v < 0.5f ? Color(v * 2.0f, 1.0f, 0.0f, 1.0f) : Color(1.0f, 2.0f - v * 2.0f, 0.0f, 1.0f);
            }
            else if (dynamic_cast<const ProfileMethodCalls*>(profile))
            {
                color = Color(0.8f, 0.5f, 1.0f, 1.0f);
            }
            lines.emplace_back(std::move(text), color);
        }
    }
    const float right = static_cast<float>(_presentParams.width), bottom = static_cast<float>(_presentParams.height);
    for (size_t n = 0; n < lines.size(); ++n)
    {
        if (lines[n].first.empty())
            continue;
        const float y = 14.0f * n;
        DrawD3DText("Courier New", 16, 8, false, lines[n].first.c_str(), Vec4(41.0f, y + 21.0f, right, bottom),
                    TA_TOP_LEFT, false, Color(0.0f, 0.0f, 0.0f, 1.0f));
        DrawD3DText("Courier New", 16, 8, false, lines[n].first.c_str(), Vec4(40.0f, y + 20.0f, right, bottom),
                    TA_TOP_LEFT, false, lines[n].second);
    }
}

void MaterialSystem::ProfileDeviceResources()
{
    unsigned buffers[3] = {}, bufferMemory[3] = {};
    unsigned textures = 0, targets = 0, textureMemory = 0, targetMemory = 0;
    for (IDeviceResource::Begin(); IDeviceResource::End(); IDeviceResource::Next())
    {
        IDeviceResource* resource = IDeviceResource::Current();
        if (auto* buffer = dynamic_cast<VertexBuffer*>(resource))
        {
            const unsigned usage = buffer->GetUsage();
            if (usage < 3)
            {
                ++buffers[usage];
                bufferMemory[usage] += buffer->GetWastedMemory();
            }
        }
        else if (auto* texture = dynamic_cast<Texture*>(resource))
        {
            if (texture->GetType() == TEXKIND_IMAGE)
            {
                ++textures;
                textureMemory += texture->GetWastedMemory();
            }
            else if (texture->GetType() == TEXKIND_RENDERTARGET)
            {
                ++targets;
                targetMemory += texture->GetWastedMemory();
            }
        }
    }
    const char* bufferNames[3] = {"Static vertex buffers", "Dynamic vertex buffers", "Streamed vertex buffers"};
    const char* memoryNames[3] = {"Static vertex VRAM, MB", "Dynamic vertex VRAM, MB", "Streamed vertex VRAM, MB"};
    for (int i = 0; i < 3; ++i)
    {
        Profiler::SetObjectCount(Name(bufferNames[i]), buffers[i]);
        Profiler::SetObjectCount(Name(memoryNames[i]), bufferMemory[i]);
    }
    Profiler::SetObjectCount(Name("Textures"), textures);
    Profiler::SetObjectCount(Name("Render targets"), targets);
    Profiler::SetObjectCount(Name("Textures VRAM, MB"), textureMemory);
    Profiler::SetObjectCount(Name("Render targets VRAM, MB"), targetMemory);
}
