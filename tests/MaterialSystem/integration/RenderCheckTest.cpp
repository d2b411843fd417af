// The render device layer put together on the demo data: settings from "config.cfg", resource
// roots as folders and as ".apk" archives, a lit mesh through a render queue, a material quad,
// text and helper lines, checked in the screenshot the frame leaves.
#include "MaterialSystem/MaterialSystem.h"
#include "MaterialSystem/materials/MaterialMgr.h"
#include "MaterialSystem/meshes/MeshMgr.h"
#include "MaterialSystem/meshes/MeshRenderable.h"
#include "MaterialSystem/queue/RenderQueue.h"
#include "MaterialSystem/shaders/ShaderLib.h"
#include "MaterialSystem/shaders/ShaderParamsGlobal.h"
#include "MaterialSystem/textures/TextureMgr.h"
#include "ResourceSystem/ResourceSystem.h"
#include "foundation/base/Dumper.h"
#include "foundation/config/ConfigSystem.h"
#include "foundation/config/GameSettings.h"
#include "foundation/config/NetworkSettings.h"
#include "foundation/config/RenderSettings.h"
#include "foundation/config/SoundSettings.h"
#include "foundation/config/VideoSettings.h"
#include "foundation/math/Color.h"
#include "foundation/math/Vec2.h"
#include "foundation/math/Vec4.h"
#include "platform/window/Window.h"

#include <gtest/gtest.h>
#include <zip.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

const fs::path kData = GAME_DATA_DIR;
constexpr uint32_t kBackground = 0x203040;
constexpr float kPi = 3.14159265f;

// A 24-bit ".bmp" as the screenshot writer stores it.
struct Image
{
    int width = 0, height = 0;
    std::vector<uint32_t> rgb; // top row first

    uint32_t At(int x, int y) const { return rgb[size_t(y) * width + x]; }
};

uint32_t Read32(const std::vector<uint8_t>& b, size_t at)
{
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | uint32_t(b[at + 3]) << 24;
}

bool ReadBmp(const fs::path& path, Image& image)
{
    std::ifstream file(path, std::ios::binary);
    const std::vector<uint8_t> b((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (b.size() < 54 || b[0] != 'B' || b[1] != 'M' || (b[28] | b[29] << 8) != 24)
        return false;
    const uint32_t offset = Read32(b, 10);
    image.width = int(Read32(b, 18));
    const int height = int(Read32(b, 22));
    image.height = std::abs(height);
    const size_t row = (size_t(image.width) * 3 + 3) & ~size_t(3);
    if (b.size() < offset + row * image.height)
        return false;
    image.rgb.resize(size_t(image.width) * image.height);
    for (int y = 0; y < image.height; ++y)
    {
        const uint8_t* src = b.data() + offset + row * (height > 0 ? image.height - 1 - y : y);
        for (int x = 0; x < image.width; ++x)
            image.rgb[size_t(y) * image.width + x] = src[x * 3] | src[x * 3 + 1] << 8 | src[x * 3 + 2] << 16;
    }
    return true;
}

// Packs the files of a data folder into an archive, member names as the file names.
void Pack(const fs::path& folder, const fs::path& archive)
{
    zipFile zip = zipOpen(archive.c_str(), APPEND_STATUS_CREATE);
    ASSERT_NE(zip, nullptr) << archive;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder))
    {
        if (!entry.is_regular_file())
            continue;
        std::ifstream file(entry.path(), std::ios::binary);
        const std::vector<char> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        const std::string name = entry.path().filename().string();
        zip_fileinfo info = {};
        ASSERT_EQ(zipOpenNewFileInZip(zip, name.c_str(), &info, nullptr, 0, nullptr, 0, nullptr, Z_DEFLATED,
                                      Z_DEFAULT_COMPRESSION),
                  ZIP_OK);
        ASSERT_EQ(zipWriteInFileInZip(zip, bytes.data(), unsigned(bytes.size())), ZIP_OK);
        ASSERT_EQ(zipCloseFileInZip(zip), ZIP_OK);
    }
    ASSERT_EQ(zipClose(zip, nullptr), ZIP_OK);
}

std::vector<std::string>& Warnings()
{
    static std::vector<std::string> lines;
    return lines;
}

class WarningClient : public IDumperClient
{
public:
    void OnPrint(eDumpEvent kind, const char* text) override
    {
        if (kind == DUMP_ERROR || kind == DUMP_WARNING)
            Warnings().push_back(text);
    }
    void OnDump(eDumpEvent, const void*, unsigned) override {}
};

// Where a point of the world lands on the screen, in pixels from the top left.
Vec2 ToScreen(const Matrix& viewProjection, const Vec3& point, float width, float height)
{
    const Vec3 ndc = viewProjection.Transform(point);
    return Vec2((ndc.x + 1.0f) * 0.5f * width, (1.0f - ndc.y) * 0.5f * height);
}

int Channel(uint32_t rgb, int shift) { return int(rgb >> shift & 0xFF); }

bool IsGrey(uint32_t rgb, int level, int tolerance)
{
    for (int shift : {0, 8, 16})
        if (std::abs(Channel(rgb, shift) - level) > tolerance)
            return false;
    return true;
}

// The parameter: false for folder roots, true for archive roots.
class RenderCheckTest : public ::testing::TestWithParam<bool>
{
protected:
    void SetUp() override
    {
        static bool registered = Dumper::Instance().RegisterClient(new WarningClient);
        ASSERT_TRUE(registered);
        _scratch = fs::temp_directory_path() / ("bm_render_check_" + std::to_string(getpid()));
        fs::remove_all(_scratch);
        fs::create_directories(_scratch);
    }

    void TearDown() override
    {
        if (_queue)
            _system->DestroyRenderQueue(_queue);
        if (_renderable)
            _renderable->GetMesh()->DestroyRenderable(_renderable);
        _system.reset();
        _resources.reset();
        _window.reset();
        _sheets.clear();
        _video.reset();
        _config.reset();
        fs::remove_all(_scratch);
    }

    // A folder root under the data folder, or that folder packed into an archive.
    std::string Root(const char* folder)
    {
        if (!GetParam())
            return (kData / folder).string() + "/";
        const fs::path archive = _scratch / (std::string(folder) + ".apk");
        Pack(kData / folder, archive);
        return archive.string();
    }

    fs::path _scratch;
    std::unique_ptr<ConfigSystem> _config;
    std::unique_ptr<VideoSettings> _video;
    std::vector<std::unique_ptr<ISettings>> _sheets; // the others "config.cfg" assigns to
    std::unique_ptr<Window> _window;
    std::unique_ptr<ResourceSystem> _resources;
    std::unique_ptr<MaterialSystem> _system;
    RenderQueue* _queue = nullptr;
    MeshRenderable* _renderable = nullptr;
};

TEST_P(RenderCheckTest, FrameShowsTheLitMeshTheQuadTextAndHelpers)
{
    _config = std::make_unique<ConfigSystem>(&Dumper::Instance(), (kData / "config_constants.lua").c_str());
    _video = std::make_unique<VideoSettings>(_config.get());
    _sheets.push_back(std::make_unique<RenderSettings>(_config.get()));
    _sheets.push_back(std::make_unique<GameSettings>(_config.get()));
    _sheets.push_back(std::make_unique<SoundSettings>(_config.get()));
    _sheets.push_back(std::make_unique<NetworkSettings>(_config.get()));
    ASSERT_TRUE(_config->ExecFile((kData / "config.cfg").c_str()));
    const int width = _video->ScrWidth, height = _video->ScrHeight;
    ASSERT_EQ(width, 1024);
    ASSERT_EQ(height, 768);

    Window::Style style;
    style.hidden = true;
    std::string error;
    _window = Window::Create("render check", width, height, style, &error);
    if (!_window)
        GTEST_SKIP() << "no display: " << error;
    _resources = std::make_unique<ResourceSystem>(&Dumper::Instance(), 1);
    _system = std::make_unique<MaterialSystem>(_window->GetHandle(), &Dumper::Instance(), _resources.get(),
                                               _video.get(), false);
    _system->InitSystem(((kData / "ShaderLib").string() + "/").c_str());
    ASSERT_TRUE(_system->GetDevice());
    MaterialMgr* materials = _system->GetMaterialMgr();
    MeshMgr* meshes = _system->GetMeshMgr();
    materials->SetRootDir(Root("materials").c_str());
    meshes->SetRootDir(Root("meshes").c_str());
    _system->GetTextureMgr()->SetRootDir(Root("textures").c_str());
    Warnings().clear();

    // Everything comes from the roots, with the materials its mesh files name.
    const int location = GetParam() ? RES_LOCATION_ARCHIVE : RES_LOCATION_FILE;
    Mesh* hull = meshes->CreateMeshFromFile("hull.sms");
    ASSERT_NE(hull, meshes->GetProxyMesh());
    EXPECT_EQ(hull->GetInfo().location, location);
    ASSERT_EQ(hull->GetMaterialCount(0), 2u);
    EXPECT_STREQ(hull->GetDefaultMaterial(0)->GetInfo().name, "hull.mat");
    EXPECT_STREQ(hull->GetDefaultMaterial(1)->GetInfo().name, "glow.mat");
    EXPECT_EQ(hull->GetDefaultMaterial(1)->GetInfo().location, location);
    Mesh* box = meshes->CreateMeshFromFile("box.sms");
    ASSERT_NE(box, meshes->GetProxyMesh());
    Material* plain = materials->CreateMaterialFromFile("plain.mat");
    Material* panel = materials->CreateMaterialFromFile("panel.mat");
    EXPECT_EQ(plain->GetInfo().location, location);
    EXPECT_NE(plain->GetBindedShader(), materials->GetShaderLib()->GetProxyShader());
    EXPECT_NE(panel->GetBindedShader(), materials->GetShaderLib()->GetProxyShader());
    EXPECT_TRUE(Warnings().empty()) << Warnings().front();

    // The box turned a quarter right-angle about y, seen from 6 units in front; the sun
    // lights one of its two visible side faces straight on and grazes the other.
    Matrix view, projection;
    view.FromTranslation(0, 0, 6);
    projection.FromPerspective(kPi / 3, float(width) / float(height), 1.0f, 100.0f);
    ShaderParamsGlobal global;
    global.SetViewTransform(&view);
    global.SetProjectionTransform(&projection);
    global.SetScreenParams(float(width), float(height));
    global.SetClipPlanes(100.0f, 1.0f);
    _renderable = box->CreateRenderable(0, 0);
    ASSERT_NE(_renderable, nullptr);
    Matrix& world = _renderable->GetParams().QueryWorldTransform();
    world.FromRotationYPR(kPi / 4, 0, 0);
    // The two side faces the camera sees: -z, and whichever of +x and -x turned towards it.
    const Vec3 localA(0, 0, -1);
    const Vec3 localB = world.TransformNormal(Vec3(1, 0, 0)).z < 0 ? Vec3(1, 0, 0) : Vec3(-1, 0, 0);
    const Vec3 faceA = world.TransformNormal(localA);
    const Vec3 faceB = world.TransformNormal(localB);
    ASSERT_LT(faceA.z, -0.5f);
    ASSERT_LT(faceB.z, -0.5f);
    SunSource sun;
    sun.direction = -faceA;
    sun.ambient = Color(0.25f, 0.25f, 0.25f, 1.0f);
    sun.diffuse = Color(0.5f, 0.5f, 0.5f, 1.0f);
    global.SetSunLighting(sun);

    _system->Present(nullptr);
    _system->ClearTarget(gfx::ClearTarget | gfx::ClearDepth, 0xFF000000u | kBackground, 1.0f);
    _queue = _system->CreateRenderQueue();
    _queue->FlushContent();
    _queue->EnqueuePrim(_renderable, plain);
    _queue->SortPrims(3);
    _queue->PreprocessPrims();
    _queue->RenderPrims(&global);

    _system->RenderQuad(panel, Vec2(40, 40), Vec2(200, 100), 0.0f, Color(1, 0, 0, 1), 0);
    const Vec4 textRect(600, 40, 1000, 100);
    _system->DrawD3DText("Arial", 40, 0, false, "VANTREL", textRect, TA_TOP_LEFT, false, Color(1, 1, 0, 1));
    const HelperLine line{{Vec3(-20, -2.5f, 0), Vec3(20, -2.5f, 0)}, 0xFF00FF00u};
    _system->DrawLines(&line, 1);

    // The screenshot is written relative to the working folder: keep it in the scratch folder.
    const fs::path before = fs::current_path();
    fs::current_path(_scratch);
    _system->TakeScreenShot();
    _system->Present(&global);
    fs::current_path(before);
    Image shot;
    ASSERT_TRUE(ReadBmp(_scratch / "screenshots" / "screen0000.bmp", shot));
    ASSERT_EQ(shot.width, width);
    ASSERT_EQ(shot.height, height);

    EXPECT_EQ(shot.At(5, height - 5), kBackground);
    EXPECT_EQ(shot.At(width / 2, 5), kBackground);

    // The mesh: white lit by ambient plus diffuse on the sunny face, ambient alone on the other.
    const Matrix viewProjection = view * projection;
    const Vec2 a = ToScreen(viewProjection, world.Transform(localA), float(width), float(height));
    const Vec2 b = ToScreen(viewProjection, world.Transform(localB), float(width), float(height));
    const uint32_t lit = shot.At(int(a.x), int(a.y)), shaded = shot.At(int(b.x), int(b.y));
    EXPECT_TRUE(IsGrey(lit, 191, 4)) << std::hex << lit;
    EXPECT_TRUE(IsGrey(shaded, 64, 4)) << std::hex << shaded;

    // The quad: its material's white texture in the quad's colour, exactly over its rectangle.
    EXPECT_EQ(shot.At(40, 40), 0xFF0000u);
    EXPECT_EQ(shot.At(239, 139), 0xFF0000u);
    EXPECT_EQ(shot.At(39, 40), kBackground);
    EXPECT_EQ(shot.At(240, 139), kBackground);
    EXPECT_EQ(shot.At(239, 140), kBackground);

    // The text: yellow inside its rectangle and nothing below it.
    int yellow = 0, outside = 0;
    for (int y = 40; y < 100; ++y)
    {
        for (int x = 600; x < 1000; ++x)
        {
            const uint32_t p = shot.At(x, y);
            yellow += Channel(p, 16) > 200 && Channel(p, 8) > 200 && Channel(p, 0) < 80;
        }
    }
    for (int y = 110; y < 160; ++y)
        for (int x = 600; x < 1000; ++x)
            outside += shot.At(x, y) != kBackground;
    EXPECT_GT(yellow, 300);
    EXPECT_EQ(outside, 0);

    // The helper line: green on the row its world height projects to, clear of the box.
    const Vec2 onLine = ToScreen(viewProjection, Vec3(-10, -2.5f, 0), float(width), float(height));
    int green = 0;
    for (int y = int(onLine.y) - 2; y <= int(onLine.y) + 2; ++y)
    {
        const uint32_t p = shot.At(int(onLine.x), y);
        green += Channel(p, 8) >= 0xF0 && Channel(p, 16) < 0x10 && Channel(p, 0) < 0x10;
    }
    EXPECT_GE(green, 1);
    EXPECT_EQ(shot.At(int(onLine.x), int(onLine.y) - 20), kBackground);
}

INSTANTIATE_TEST_SUITE_P(Roots, RenderCheckTest, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return info.param ? std::string("Archives") : std::string("Folders");
                         });

} // namespace
