#include "../RenderFixture.h"
#include "QueueFixture.h"

#include "MaterialSystem/VertexBuffer.h"
#include "MaterialSystem/VertexDecl.h"
#include "MaterialSystem/materials/MaterialFlags.h"
#include "MaterialSystem/materials/MaterialMgr.h"
#include "MaterialSystem/queue/RenderQueue.h"
#include "MaterialSystem/shaders/Shader.h"
#include "MaterialSystem/shaders/ShaderLib.h"
#include "MaterialSystem/shaders/ShaderParamsGlobal.h"
#include "MaterialSystem/textures/TextureMgr.h"
#include "ResourceSystem/ResourceInfo.h"
#include "ResourceSystem/ResourceSystem.h"
#include "platform/effect/Effect.h"

#include <cstring>
#include <filesystem>
#include <vector>

namespace {

constexpr int W = 320, H = 240;

// White geometry; the world matrix of each vertex is the object's, or its instance's.
const char* kEffect = R"(
shared mat4 matViewProj : ViewProjection;
shared mat4 matWorld : World;
shared mat4 WorldInstances[100] : WorldInstances;
vertex vs {
layout(location = GFX_LOC_POSITION) in vec3 inPosition;
layout(location = GFX_LOC_TEXCOORD0) in float inInstance;
void main()
{
#ifdef INSTANCED
    mat4 world = WorldInstances[int(inInstance)];
#else
    mat4 world = matWorld;
#endif
    gl_Position = matViewProj * (world * vec4(inPosition, 1.0));
}
}
fragment fs { void main() { fx_Target0 = vec4(1.0); } }
technique Plain { pass P0 { VertexShader = vs; FragmentShader = fs; ZEnable = false; } }
)";

// A box scaled to 0.4 and moved to (x, y) in clip space, halfway in depth.
Matrix Placed(float x, float y)
{
    Matrix m(1.0f);
    m.m[0] = m.m[5] = m.m[10] = 0.4f;
    m.m[12] = x;
    m.m[13] = y;
    m.m[14] = 0.5f;
    return m;
}

class QueueTest : public RenderTest
{
protected:
    // The material system on a resource system, with the game's shader library: the
    // parameter sets reach effects through its shared parameters.
    void SetUp() override
    {
        RenderTest::SetUp();
        if (!_system)
            return;
        _system.reset();
        _resources = std::make_unique<ResourceSystem>(&Dumper::Instance(), 0);
        _system = std::make_unique<MaterialSystem>(_window->GetHandle(), &Dumper::Instance(), _resources.get(),
                                                   _video.get(), false);
        _system->SetSleepFunction([](unsigned) {});
        const std::string shaders =
            (std::filesystem::path(TEST_DATA_DIR) / ".." / ".." / "data" / "shaderlib").lexically_normal().string() +
            "/";
        _system->InitSystem(shaders.c_str());
        ASSERT_TRUE(_system->GetDevice());
        _plain = MakeShader("queue_plain", {});
        _instanced = MakeShader("queue_instanced", {{"INSTANCED", "1"}});
        ASSERT_TRUE(_plain && _instanced);
        _queue = _system->CreateRenderQueue();
    }
    void TearDown() override
    {
        if (_system)
        {
            _system->DestroyRenderQueue(_queue);
            for (Material* m : _materials)
                _system->GetMaterialMgr()->DestroyMaterial(m);
        }
        _boxes.clear();
        _geometry.reset();
        _plain.reset();
        _instanced.reset();
        _reader.reset();
        RenderTest::TearDown();
        _resources.reset();
    }

    std::unique_ptr<Shader> MakeShader(const char* name, const std::vector<fx::Macro>& macros)
    {
        std::string errors;
        auto effect =
            fx::Effect::Create(*ShaderLib::GetInstance()->GetEffectPool(), kEffect, name, macros, nullptr, &errors);
        EXPECT_TRUE(effect) << errors;
        if (!effect)
            return nullptr;
        ResourceInfo info;
        info.SetName(name);
        auto shader = std::make_unique<Shader>(info);
        shader->Initialize(std::move(effect));
        return shader;
    }
    Material* MakeMaterial(const char* name, Shader* shader, unsigned flags = 0)
    {
        Material* material = _system->GetMaterialMgr()->CreateMaterial(name);
        material->BindShader(shader, ShaderParams::BIND_RESOLVE);
        if (flags)
            material->MaterialFlags().RaiseFlag(flags);
        _materials.push_back(material);
        return material;
    }
    // Static geometry: one box of format 0x01, then four copies of a box of format 0x81 with
    // their instance index.
    void MakeGeometry()
    {
        _geometry = std::make_unique<VertexBuffer>(SU_STATIC, 8 + 32, 36 + 144, 16, _system->GetDevice());
        std::vector<float> vertices;
        for (unsigned i = 0; i < 8; ++i)
        {
            vertices.insert(vertices.end(),
                            {(i & 1) ? 0.5f : -0.5f, (i & 2) ? 0.5f : -0.5f, (i & 4) ? 0.5f : -0.5f, 0});
        }
        for (unsigned copy = 0; copy < 4; ++copy)
        {
            for (unsigned i = 0; i < 8; ++i)
            {
                vertices.insert(vertices.end(),
                                {(i & 1) ? 0.5f : -0.5f, (i & 2) ? 0.5f : -0.5f, (i & 4) ? 0.5f : -0.5f, float(copy)});
            }
        }
        std::vector<unsigned short> indices(BoxRenderable::BoxIndices(), BoxRenderable::BoxIndices() + 36);
        for (unsigned copy = 0; copy < 4; ++copy)
        {
            for (unsigned k = 0; k < 36; ++k)
                indices.push_back(static_cast<unsigned short>(8 * copy + BoxRenderable::BoxIndices()[k]));
        }
        VertexIndexBuilder builder;
        ASSERT_TRUE(_geometry->LockVertices(40, builder));
        ASSERT_TRUE(_geometry->LockIndices(180, builder));
        unsigned short base = 0;
        builder.StartBuild(40, 180, base);
        builder.ProcessVertices(vertices.data(), 40, nullptr);
        builder.ProcessIndices(indices.data(), 180, 0);
        builder.StopBuild();
        _geometry->UnlockIndices(builder);
        _geometry->UnlockVertices(builder);
    }
    // A box in the static geometry: the plain one, or the instanced one of four instances.
    BoxRenderable* StaticBox(bool instanced, const Matrix& world)
    {
        if (!_geometry)
            MakeGeometry();
        auto box = std::make_unique<BoxRenderable>(false, instanced ? (VF_POSITION | VF_INSTANCE) : VF_POSITION,
                                                   instanced ? 4 : 1);
        StreamBinding& binding = box->GetStreamBinding();
        binding.buffer = _geometry.get();
        binding.baseVertex = instanced ? 8 : 0;
        binding.startIndex = instanced ? 36 : 0;
        box->GetParams().QueryWorldTransform() = world;
        _boxes.push_back(std::move(box));
        return _boxes.back().get();
    }
    // Dynamic geometry is written in world space; its batch is drawn with one world matrix.
    BoxRenderable* DynamicBox(uint32_t format, const Matrix& world)
    {
        auto box = std::make_unique<BoxRenderable>(true, format);
        box->placement = world;
        _boxes.push_back(std::move(box));
        return _boxes.back().get();
    }
    std::vector<uint32_t> Frame(uint32_t options)
    {
        _system->ClearTarget(gfx::ClearTarget | gfx::ClearDepth, 0xFF000000u, 1.0f);
        _queue->SortPrims(options);
        _queue->PreprocessPrims();
        ShaderParamsGlobal global;
        _queue->SetDrawRecorder(&_calls);
        _queue->RenderPrims(&global);
        _queue->SetDrawRecorder(nullptr);
        std::vector<uint32_t> pixels(W * H);
        gfx::Device* device = _system->GetDevice();
        EXPECT_TRUE(device->ReadPixels(device->GetBackBuffer(), gfx::Rect{0, 0, W, H}, pixels.data()));
        return pixels;
    }
    // Whether the pixel at clip-space (x, y) is lit.
    static bool Lit(const std::vector<uint32_t>& pixels, float x, float y)
    {
        const int px = int((x + 1.0f) * 0.5f * W), py = int((1.0f - y) * 0.5f * H);
        return (pixels[py * W + px] & 0xFFFFFFu) != 0;
    }

    std::unique_ptr<ResourceSystem> _resources;
    std::unique_ptr<Shader> _plain, _instanced, _reader;
    std::vector<Material*> _materials;
    RenderQueue* _queue = nullptr;
    std::unique_ptr<VertexBuffer> _geometry;
    std::vector<std::unique_ptr<BoxRenderable>> _boxes;
    std::vector<RenderQueue::DrawCall> _calls;
};

} // namespace

TEST_F(QueueTest, EqualInstancedBoxesGoOutInOneDraw)
{
    Material* material = MakeMaterial("$queue_instanced", _instanced.get());
    const float spots[4][2] = {{-0.5f, 0.5f}, {0.5f, 0.5f}, {-0.5f, -0.5f}, {0.5f, -0.5f}};
    for (const auto& spot : spots)
        _queue->EnqueuePrim(StaticBox(true, Placed(spot[0], spot[1])), material);
    const auto pixels = Frame(SO_GROUP_BY_STATE);

    ASSERT_EQ(_calls.size(), 1u);
    EXPECT_EQ(_calls[0].instances, 4u);
    EXPECT_EQ(_calls[0].primitives, 12u);
    EXPECT_EQ(_calls[0].startIndex, 36u);
    for (const auto& spot : spots)
        EXPECT_TRUE(Lit(pixels, spot[0], spot[1])) << spot[0] << "," << spot[1];
    EXPECT_FALSE(Lit(pixels, 0.0f, 0.0f));
}

TEST_F(QueueTest, SortedEntriesMergeIntoBatchesOfTheirMaterial)
{
    Material* a = MakeMaterial("$queue_a", _plain.get());
    Material* b = MakeMaterial("$queue_b", _plain.get());
    // Queued interleaved; sorted by state they group by material, the static box ending the
    // run of dynamic ones.
    _queue->EnqueuePrim(DynamicBox(VF_POSITION, Placed(-0.6f, 0.6f)), a);
    _queue->EnqueuePrim(DynamicBox(VF_POSITION, Placed(0.6f, 0.6f)), b);
    _queue->EnqueuePrim(DynamicBox(VF_POSITION, Placed(-0.6f, -0.6f)), a);
    _queue->EnqueuePrim(StaticBox(false, Placed(0.6f, -0.6f)), a);
    for (int i = 0; i < 3; ++i)
        _boxes[i]->GetParams().SetViewDepth(float(3 - i));
    _boxes[3]->GetParams().SetViewDepth(10.0f);
    const auto pixels = Frame(SO_GROUP_BY_STATE | SO_FRONT_TO_BACK);

    std::vector<Material*> order;
    for (RenderQueueIterator it = _queue->Begin(); it != _queue->End(); ++it)
        order.push_back(it->material);
    const bool aFirst = order[0] == a;
    EXPECT_EQ(order, aFirst ? (std::vector<Material*>{a, a, a, b}) : (std::vector<Material*>{b, a, a, a}));
    EXPECT_EQ(_queue->GetBatcher().GetBatchCount(), 2u) << "two dynamic runs; the static box is alone";
    ASSERT_EQ(_calls.size(), 3u);
    const size_t merged = aFirst ? 0 : 1;
    EXPECT_EQ(_calls[merged].primitives, 24u) << "both dynamic boxes of material a in one draw";
    EXPECT_EQ(_calls[merged + 1].buffer, _geometry.get());
    for (const float x : {-0.6f, 0.6f})
    {
        for (const float y : {-0.6f, 0.6f})
            EXPECT_TRUE(Lit(pixels, x, y)) << x << "," << y;
    }
}

// More dynamic vertex formats than the classic four slots: every one still gets a stream.
TEST_F(QueueTest, EveryDynamicFormatIsDrawn)
{
    Material* material = MakeMaterial("$queue_formats", _plain.get());
    const uint32_t formats[] = {VF_POSITION,
                                VF_POSITION | VF_COLOR0,
                                VF_POSITION | VF_COLOR0 | VF_COLOR1,
                                VF_POSITION | VF_NORMAL,
                                VF_POSITION | VF_NORMAL | VF_COLOR0,
                                VF_POSITION | (1u << VF_TEXCOORDS_SHIFT)};
    float x = -0.8f;
    for (uint32_t format : formats)
    {
        _queue->EnqueuePrim(DynamicBox(format, Placed(x, 0.0f)), material);
        x += 0.32f;
    }
    const auto pixels = Frame(SO_GROUP_BY_STATE);
    EXPECT_EQ(_queue->GetBatcher().GetSlotCount(), 5u) << "formats of one vertex size share a slot";
    EXPECT_EQ(_calls.size(), 6u);
    x = -0.8f;
    for (size_t i = 0; i < std::size(formats); ++i, x += 0.32f)
        EXPECT_TRUE(Lit(pixels, x, 0.0f)) << "format " << i;
    for (const auto& box : _boxes)
        EXPECT_EQ(box->GetBuilds(), 1u);
}

// The front face of the box winds counter-clockwise on screen: ordinary materials keep it,
// back-sided materials and mirrored objects (one of the two) drop it.
TEST_F(QueueTest, CullingFollowsBackSidedAndMirrored)
{
    struct Case
    {
        const char* name;
        unsigned flags;
        bool flipped;
        bool visible;
    } cases[] = {
        {"$cull_plain", 0, false, true},
        {"$cull_back", MF_BACK_SIDED, false, false},
        {"$cull_flipped", 0, true, false},
        {"$cull_back_flipped", MF_BACK_SIDED, true, true},
        {"$cull_two_sided", MF_TWO_SIDED | MF_BACK_SIDED, false, true},
    };
    for (const Case& c : cases)
    {
        Material* material = MakeMaterial(c.name, _plain.get(), c.flags);
        BoxRenderable* face = StaticBox(false, Placed(0.0f, 0.0f));
        face->GetDescription().primCount = 2; // the front face only
        face->SetFlipped(c.flipped);
        _queue->FlushContent();
        _queue->EnqueuePrim(face, material);
        const auto pixels = Frame(SO_GROUP_BY_STATE);
        EXPECT_EQ(Lit(pixels, 0.0f, 0.0f), c.visible) << c.name;
    }
}

TEST_F(QueueTest, QueueGrowsByBlocksKeepingItsOrder)
{
    Material* material = MakeMaterial("$queue_grow", _plain.get());
    std::vector<std::unique_ptr<BoxRenderable>> boxes;
    for (int i = 0; i < 1025; ++i)
    {
        boxes.push_back(std::make_unique<BoxRenderable>(false, VF_POSITION));
        _queue->EnqueuePrim(boxes.back().get(), material);
    }
    EXPECT_EQ(_queue->GetCapacity(), 2048u);
    int i = 0;
    for (RenderQueueIterator it = _queue->Begin(); it != _queue->End(); ++it, ++i)
    {
        ASSERT_EQ(it->renderable, boxes[i].get());
    }
    _queue->EnqueuePrim(nullptr, material);
    EXPECT_EQ(_queue->GetCount(), 1025u);
    EXPECT_TRUE(LogHas("without renderable"));
    _queue->FlushContent();
    EXPECT_TRUE(_queue->IsEmpty());
}

TEST_F(QueueTest, InstanceCountsFollowTheBatchLimits)
{
    struct Case
    {
        unsigned primitives;
        uint32_t format;
        unsigned expected;
    } cases[] = {{40, VF_POSITION | VF_INSTANCE, 100},
                 {400, VF_POSITION | VF_INSTANCE, 10},
                 {40, VF_POSITION, 1},
                 {5000, VF_POSITION | VF_INSTANCE, 1}};
    for (const Case& c : cases)
    {
        EXPECT_EQ(_system->CalculateInstanceCount(c.primitives, c.format), c.expected) << c.primitives;
    }
}

// Dynamic geometry past what 16-bit indices reach is refused, not drawn with counts it lacks.
TEST_F(QueueTest, OversizedDynamicGeometryIsSkippedWithALoggedError)
{
    Material* material = MakeMaterial("$queue_oversized", _plain.get());
    BoxRenderable* huge = DynamicBox(VF_POSITION, Placed(-0.5f, 0.0f));
    huge->GetDescription().vertexCount = 70000;
    BoxRenderable* small = DynamicBox(VF_POSITION | VF_COLOR0, Placed(0.5f, 0.0f));
    _queue->EnqueuePrim(huge, material);
    _queue->EnqueuePrim(small, material);
    const auto pixels = Frame(SO_GROUP_BY_STATE);
    EXPECT_EQ(huge->GetBuilds(), 0u);
    EXPECT_TRUE(LogHas("overflows its stream"));
    ASSERT_EQ(_calls.size(), 1u);
    EXPECT_FALSE(Lit(pixels, -0.5f, 0.0f));
    EXPECT_TRUE(Lit(pixels, 0.5f, 0.0f));
}

// A renderable queued in two queues carries the user data of the latest only; the first
// queue still draws its own batch, even after the other queue is gone.
TEST_F(QueueTest, ARenderableInTwoQueuesKeepsEachQueuesBatch)
{
    Material* material = MakeMaterial("$queue_shared", _plain.get());
    BoxRenderable* shared = DynamicBox(VF_POSITION, Placed(-0.5f, 0.0f));
    BoxRenderable* other = DynamicBox(VF_POSITION, Placed(0.5f, 0.0f));
    _queue->EnqueuePrim(shared, material);
    _queue->EnqueuePrim(other, material);
    _queue->SortPrims(SO_GROUP_BY_STATE);
    _queue->PreprocessPrims();

    RenderQueue* second = _system->CreateRenderQueue();
    second->EnqueuePrim(shared, material);
    second->PreprocessPrims();
    EXPECT_NE(shared->GetUserdata(), &_queue->GetBatcher().GetBatch(0));
    _system->DestroyRenderQueue(second);

    _system->ClearTarget(gfx::ClearTarget | gfx::ClearDepth, 0xFF000000u, 1.0f);
    ShaderParamsGlobal global;
    _queue->SetDrawRecorder(&_calls);
    _queue->RenderPrims(&global);
    _queue->SetDrawRecorder(nullptr);
    std::vector<uint32_t> pixels(W * H);
    gfx::Device* device = _system->GetDevice();
    ASSERT_TRUE(device->ReadPixels(device->GetBackBuffer(), gfx::Rect{0, 0, W, H}, pixels.data()));
    ASSERT_EQ(_calls.size(), 1u);
    EXPECT_EQ(_calls[0].primitives, 24u) << "both boxes in the first queue's one draw";
    EXPECT_TRUE(Lit(pixels, -0.5f, 0.0f));
    EXPECT_TRUE(Lit(pixels, 0.5f, 0.0f));
}

// Fewer than two entries need no order, whatever the word says.
TEST_F(QueueTest, ShortQueuesAreNotSorted)
{
    Material* material = MakeMaterial("$queue_short", _plain.get());
    _queue->SortPrims(0);
    _queue->EnqueuePrim(StaticBox(false, Placed(0.0f, 0.0f)), material);
    _queue->SortPrims(0);
    EXPECT_EQ(_queue->GetCount(), 1u);
}

namespace {

// Shows the copy of the frame buffer at each pixel's own place.
const char* kReaderEffect = R"(
shared mat4 matViewProj : ViewProjection;
shared mat4 matWorld : World;
texture FrameMap : BASE_MAP;
sampler frame_sampler { Texture = FrameMap; MinFilter = Point; MagFilter = Point; MipFilter = None; }
vertex vs {
layout(location = GFX_LOC_POSITION) in vec3 inPosition;
void main() { gl_Position = matViewProj * (matWorld * vec4(inPosition, 1.0)); }
}
fragment fs { void main() { fx_Target0 = texture(frame_sampler, gl_FragCoord.xy / vec2(320.0, 240.0)); } }
technique Plain { pass P0 { VertexShader = vs; FragmentShader = fs; ZEnable = false; } }
)";

} // namespace

TEST_F(QueueTest, AFrameBufferReaderSeesWhatWasDrawnBeforeIt)
{
    std::string errors;
    auto effect = fx::Effect::Create(*ShaderLib::GetInstance()->GetEffectPool(), kReaderEffect, "queue_reader", {},
                                     nullptr, &errors);
    ASSERT_TRUE(effect) << errors;
    ResourceInfo info;
    info.SetName("queue_reader");
    _reader = std::make_unique<Shader>(info);
    _reader->Initialize(std::move(effect));
    Material* reader = _system->GetMaterialMgr()->CreateMaterial("$queue_reader");
    reader->AddTexture("BASE_MAP", _system->GetTextureMgr()->GetFrameBufferTexture());
    reader->BindShader(_reader.get(), ShaderParams::BIND_RESOLVE);
    reader->MaterialFlags().RaiseFlag(MF_NEED_FRESH_FRAMEBUFFER);
    _materials.push_back(reader);
    Material* white = MakeMaterial("$queue_white", _plain.get());

    // A large reader over a small white box, both centred: the copy is taken just before the
    // reader is drawn, so it holds the white box and the clear colour around it. Readers go last
    // only when the order says so: grouped by state alone, the shaders' addresses would decide,
    // and a reader drawn first would hide the box behind its nearer faces.
    Matrix large = Placed(0, 0);
    large.m[0] = large.m[5] = large.m[10] = 0.8f;
    _queue->EnqueuePrim(DynamicBox(VF_POSITION, Placed(0, 0)), white);
    _queue->EnqueuePrim(DynamicBox(VF_POSITION, large), reader);
    _system->ClearTarget(gfx::ClearTarget | gfx::ClearDepth, 0xFF0000FFu, 1.0f);
    _queue->SortPrims(SO_GROUP_BY_STATE | SO_FRESH_FRAMEBUFFER_LAST);
    _queue->PreprocessPrims();
    ShaderParamsGlobal global;
    _queue->RenderPrims(&global);
    std::vector<uint32_t> pixels(W * H);
    gfx::Device* device = _system->GetDevice();
    ASSERT_TRUE(device->ReadPixels(device->GetBackBuffer(), gfx::Rect{0, 0, W, H}, pixels.data()));
    EXPECT_EQ(pixels[120 * W + 160] & 0xFFFFFFu, 0xFFFFFFu) << "the white box, through the copy";
    EXPECT_EQ(pixels[120 * W + 210] & 0xFFFFFFu, 0x0000FFu) << "the clear colour, through the copy";
    _queue->FlushContent();
}
