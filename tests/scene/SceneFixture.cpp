#include "SceneFixture.h"

#include "MaterialSystem/materials/Material.h"
#include "MaterialSystem/materials/MaterialFlags.h"
#include "MaterialSystem/materials/MaterialMgr.h"
#include "MaterialSystem/shaders/ShaderUsageFlags.h"
#include "MaterialSystem/meshes/MeshMgr.h"
#include "MaterialSystem/textures/TextureMgr.h"
#include "foundation/base/Dumper.h"

#include <filesystem>
#include <unistd.h>
#include "platform/gfx/Device.h"
#include "scene/model/ModelMgr.h"
#include "scene/nodes/RenderMesh.h"

namespace {

std::vector<std::string>& Captured()
{
    static std::vector<std::string> lines;
    return lines;
}

class CaptureClient : public IDumperClient
{
public:
    void OnPrint(eDumpEvent kind, const char* text) override
    {
        if (kind == DUMP_ERROR || kind == DUMP_WARNING)
            Captured().push_back(text);
    }
    void OnDump(eDumpEvent, const void*, unsigned) override {}
};

const bool registered = Dumper::Instance().RegisterClient(new CaptureClient);

std::string DataFolder(const char* folder) { return std::string(GAME_DATA_DIR) + "/" + folder + "/"; }

} // namespace

namespace SceneLog {

void Clear() { Captured().clear(); }

bool Has(const std::string& text)
{
    for (const std::string& line : Captured())
        if (line.find(text) != std::string::npos)
            return true;
    return false;
}

const std::vector<std::string>& Lines() { return Captured(); }

} // namespace SceneLog

void DeviceTest::SetUp()
{
    ASSERT_TRUE(registered);
    SceneLog::Clear();
    Window::Style style;
    style.hidden = true;
    std::string error;
    _window = Window::Create("scene test", _width, _height, style, &error);
    if (!_window)
        GTEST_SKIP() << "no display: " << error;
    _config = std::make_unique<ConfigSystem>(&Dumper::Instance(), nullptr);
    _video = std::make_unique<VideoSettings>(_config.get());
    _video->ScrWidth = _width;
    _video->ScrHeight = _height;
    _render = std::make_unique<RenderSettings>(_config.get());
    _resources = std::make_unique<ResourceSystem>(&Dumper::Instance(), 1);
    _system = std::make_unique<MaterialSystem>(_window->GetHandle(), &Dumper::Instance(), _resources.get(),
                                               _video.get(), false);
    _system->InitSystem(_shaderRoot.c_str());
    ASSERT_TRUE(_system->GetDevice());
    _system->GetMaterialMgr()->SetRootDir(DataFolder("materials").c_str());
    _system->GetMeshMgr()->SetRootDir(DataFolder("meshes").c_str());
    _system->GetTextureMgr()->SetRootDir(DataFolder("textures").c_str());
    _scene = std::make_unique<RenderScene>(_system.get(), _resources.get(), &Dumper::Instance(), _render.get());
    _scene->GetModelMgr()->SetRootDir(DataFolder("assets").c_str());
    SceneLog::Clear();
}

void DeviceTest::TearDown()
{
    _scene.reset();
    _system.reset();
    _resources.reset();
    _render.reset();
    _video.reset();
    _config.reset();
    _window.reset();
}

void DeviceTest::Frame(Camera* camera, const char* shot)
{
    _scene->UpdateScene(0.0f);
    _scene->RenderView(camera, _timer);
    if (!shot)
        return;
    // The screenshot is written under the working folder: take it in a scratch folder.
    namespace fs = std::filesystem;
    const fs::path before = fs::current_path();
    const fs::path scratch = fs::temp_directory_path() / ("bm_scene_shot_" + std::to_string(getpid()));
    fs::create_directories(scratch);
    fs::current_path(scratch);
    _system->TakeScreenShot();
    _system->Present(_scene->GetGlobals());
    fs::current_path(before);
    std::error_code ignored;
    fs::copy_file(scratch / "screenshots" / "screen0000.bmp", shot, fs::copy_options::overwrite_existing, ignored);
    fs::remove_all(scratch, ignored);
}

std::vector<uint32_t> DeviceTest::ReadBackBuffer() const
{
    std::vector<uint32_t> pixels(size_t(_width) * _height);
    _system->GetDevice()->ReadPixels(_system->GetBackBuffer(), gfx::Rect{0, 0, _width, _height}, pixels.data());
    for (uint32_t& p : pixels)
        p &= 0xFFFFFF;
    return pixels;
}

Camera* DeviceTest::FrontCamera()
{
    Camera* camera = _scene->CreateCamera();
    camera->SetAspectRatio(float(_width) / float(_height));
    camera->SetFov(60);
    return camera;
}

Bone* DeviceTest::WhiteSphere(const Vec3& at, float radius, bool unlit, eSceneLayerType layer)
{
    Material* white = _system->GetMaterialMgr()->CreateMaterial(unlit ? "$white_unlit" : "$white_lit");
    white->MaterialFlags() = Flags(unlit ? unsigned(MF_UNLIT) : 0u);
    ShaderUsageFlags deferred;
    deferred.Add("USE_DEFERRED");
    white->BindShaderEx("MAT_Diffuse.fx", &deferred);
    white->AddTexture("BASE_MAP", _system->GetTextureMgr()->GetWhiteTexture());
    Bone* holder = _scene->CreateBone(layer);
    holder->SetPosition(at);
    holder->SetScale(radius, radius, radius);
    RenderMesh* mesh = _scene->CreateMesh(layer);
    holder->Attach(mesh);
    mesh->BindMesh(_system->GetMeshMgr()->CreateMeshFromFile("sphere.sms"), false);
    mesh->SetCommonMaterial(white);
    return holder;
}
