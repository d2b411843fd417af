#include "SceneFixture.h"

#include "MaterialSystem/materials/MaterialMgr.h"
#include "MaterialSystem/meshes/MeshMgr.h"
#include "MaterialSystem/textures/TextureMgr.h"
#include "foundation/base/Dumper.h"
#include "scene/model/ModelMgr.h"

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
    _system->InitSystem(DataFolder("ShaderLib").c_str());
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
