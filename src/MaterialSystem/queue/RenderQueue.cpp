#include "MaterialSystem/queue/RenderQueue.h"

#include "MaterialSystem/MaterialSystem.h"
#include "MaterialSystem/Renderable.h"
#include "MaterialSystem/materials/Material.h"
#include "MaterialSystem/materials/MaterialFlags.h"
#include "MaterialSystem/shaders/Shader.h"
#include "MaterialSystem/shaders/ShaderParamsGlobal.h"
#include "MaterialSystem/textures/TextureMgr.h"
#include "foundation/base/Assert.h"
#include "foundation/base/Dumper.h"
#include "foundation/config/VideoSettings.h"
#include "platform/effect/EffectTypes.h"
#include "platform/gfx/Device.h"

#include <new>

namespace {

bool ReadsFrameBuffer(Material* material) { return material->MaterialFlags().HasFlag(MF_NEED_FRESH_FRAMEBUFFER); }

Shader* BoundShader(Material* material) { return material->GetBindedShader(); }

} // namespace

RenderQueue::RenderQueue(MaterialSystem* system, gfx::Device* device)
    : _system(system), _device(device), _batcher(device)
{
    _entries.reserve(BlockEntries);
}

RenderQueue::~RenderQueue() = default;

void RenderQueue::ReallocQueue()
{
    try
    {
        _entries.reserve(_entries.capacity() / BlockEntries * BlockEntries + BlockEntries);
    }
    catch (const std::bad_alloc&)
    {
        ExecRuntimeAssert("_queue", nullptr, __FILE__, __LINE__,
                          "Not enough memory to perform RenderQueue reallocation");
    }
}

void RenderQueue::EnqueuePrim(IRenderable* renderable, Material* material)
{
    if (!renderable || !material)
    {
        Dumper::Instance().Print(DUMP_ERROR, "RenderQueue: an entry without %s is not queued\n",
                                 renderable ? "material" : "renderable");
        return;
    }
    if (_entries.size() == _entries.capacity())
        ReallocQueue();
    _entries.push_back({renderable, material});
    _batcher.Count(renderable);
}

void RenderQueue::FlushContent()
{
    if (IsEmpty())
        return;
    _entries.clear();
    _batcher.Reset();
    _lastDeclaration = nullptr;
    _lastBuffer = nullptr;
}

void RenderQueue::SortPrims(uint32_t options)
{
    if (_entries.size() < 2)
        return;
    if (!IsValidSortOptions(options))
    {
        ExecRuntimeAssert("sortOptions", nullptr, __FILE__, __LINE__, "Incorrect sortOptions input");
        return;
    }
    SortEntries(_entries.data(), _entries.size(), _keys, options);
}

void RenderQueue::SortEntries(QueueEntry* entries, size_t count, std::vector<SortKey>& keys, uint32_t options)
{
    if (count < 2 || !IsValidSortOptions(options))
        return;
    keys.resize(count);
    for (size_t i = 0; i < count; ++i)
    {
        const QueueEntry& entry = entries[i];
        SortKey& key = keys[i];
        key.shader = BoundShader(entry.material);
        key.material = entry.material;
        key.renderable = entry.renderable;
        key.depth = SortDepth(entry.renderable->GetParams().GetViewDepth(), options);
        key.framebufferReader = ReadsFrameBuffer(entry.material) ? 1u : 0u;
    }
    SortKeys(keys.data(), count, options);
    for (size_t i = 0; i < count; ++i)
        entries[i] = {keys[i].renderable, keys[i].material};
}

void RenderQueue::PreprocessPrims()
{
    if (IsEmpty())
        return;
    _batcher.Preprocess(_entries.data(), _entries.size());
}

unsigned RenderQueue::DetermineShaderFlags() const
{
    const VideoSettings* settings = _system ? _system->GetSettings() : nullptr;
    return settings && settings->SecureStateChange ? 0u : unsigned(fx::DoNotSaveState);
}

void RenderQueue::RenderPrims(ShaderParamsGlobal* global)
{
    if (IsEmpty())
        return;
    const unsigned flags = DetermineShaderFlags();
    if (global)
        global->ApplyToShader(nullptr);
    Material* lastMaterial = nullptr;
    size_t begin = 0;
    while (begin < _entries.size())
    {
        Shader* shader = BoundShader(_entries[begin].material);
        size_t end = begin + 1;
        while (end < _entries.size() && BoundShader(_entries[end].material) == shader)
            ++end;
        if (ReadsFrameBuffer(_entries[begin].material) && _system)
        {
            _system->SyncWithGPU(true);
            _system->SyncWithGPU(false);
            if (TextureMgr* textures = _system->GetTextureMgr())
            {
                _system->CopyTexture(nullptr, textures->GetFrameBufferTexture());
            }
        }
        // Materials whose shader is missing or failed have nothing to draw with.
        const unsigned passes = shader && shader->GetD3DEffect() ? shader->Begin(flags) : 0;
        for (unsigned pass = 0; pass < passes; ++pass)
        {
            shader->BeginPass(pass);
            unsigned cursor = _batcher.FirstBatchFrom(begin);
            for (size_t i = begin; i < end;)
            {
                IRenderable* renderable = _entries[i].renderable;
                Material* material = _entries[i].material;
                if (material != lastMaterial)
                {
                    material->ApplyToShader(nullptr);
                    lastMaterial = material;
                }
                renderable->GetParams().ApplyToShader(global);
                AdjustCullMode(renderable, material);
                BatchDesc* batch = _batcher.BatchStartingAt(i, cursor);
                if (!batch)
                {
                    shader->ApplyChanges();
                    PerformSingleDIP(renderable->GetDescription(), renderable->GetStreamBinding(), material);
                    ++i;
                    continue;
                }
                if (batch->mode == BatchDesc::Instanced)
                {
                    batch->desc.instances = batch->appended + 1;
                    _batchParams.ResetInstances();
                    for (size_t k = i; k <= i + batch->appended && k < end; ++k)
                    {
                        _batchParams.AddInstanceMatrix(&_entries[k].renderable->GetParams().GetWorldTransform());
                    }
                    _batchParams.ApplyToShader(nullptr);
                }
                shader->ApplyChanges();
                PerformSingleDIP(batch->desc, batch->binding, material);
                i += batch->appended + 1;
            }
            shader->EndPass();
        }
        if (passes)
            shader->End();
        begin = end;
    }
}

void RenderQueue::RenderSinglePrim(IRenderable* renderable, Material* material, ShaderParamsGlobal* global)
{
    if (!renderable || !material)
        return;
    _lastDeclaration = nullptr;
    _lastBuffer = nullptr;
    Shader* shader = BoundShader(material);
    if (!shader || !shader->GetD3DEffect())
        return;
    const unsigned passes = shader->Begin(DetermineShaderFlags());
    for (unsigned pass = 0; pass < passes; ++pass)
    {
        shader->BeginPass(pass);
        material->ApplyToShader(nullptr);
        renderable->GetParams().ApplyToShader(global);
        shader->ApplyChanges();
        PerformSingleDIP(renderable->GetDescription(), renderable->GetStreamBinding(), material);
        shader->EndPass();
    }
    shader->End();
}

// Materials cull clockwise triangles (as seen on screen) unless they are back-sided or the
// renderable mirrors, but not both; two-sided materials and those applying no standard
// states leave culling alone.
void RenderQueue::AdjustCullMode(IRenderable* renderable, Material* material)
{
    Flags& flags = material->MaterialFlags();
    if (flags.HasFlag(MF_DONT_APPLY_STDSTATEBLOCK) || flags.HasFlag(MF_TWO_SIDED))
        return;
    const bool backSided = flags.HasFlag(MF_BACK_SIDED);
    _cull = backSided != renderable->IsFlipped() ? gfx::CullMode::Ccw : gfx::CullMode::Cw;
    _device->SetCullMode(_cull);
}

void RenderQueue::PerformSingleDIP(const RenderableDesc& desc, StreamBinding& binding, Material* material)
{
    // Geometry that never got a stream (dynamic geometry over its stream's room) is skipped.
    VertexBuffer* buffer = binding.buffer;
    if (!buffer || !buffer->GetVBHandle() || !buffer->GetIBHandle())
        return;
    binding.AcquireDeclaration(desc.format, _device);
    if (binding.GetDeclaration() != _lastDeclaration)
    {
        _device->SetVertexLayout(binding.GetDeclaration());
        _lastDeclaration = binding.GetDeclaration();
    }
    if (buffer != _lastBuffer)
    {
        _device->SetStreamSource(buffer->GetVBHandle(), 0, buffer->GetVertexSize());
        _device->SetIndices(buffer->GetIBHandle());
        _lastBuffer = buffer;
    }
    _device->DrawIndexedPrimitive(desc.primType, binding.baseVertex, binding.startIndex, desc.GetPrimCount());
    if (_recorder)
    {
        _recorder->push_back({desc.primType, binding.baseVertex, binding.startIndex, desc.primCount, desc.instances,
                              buffer, _cull, material});
    }
}
