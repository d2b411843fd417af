#include "TextureFixture.h"

#include "platform/gfx/Texture.h"

#include <cstring>
#include <fstream>
#include <unistd.h>

void TextureTest::SetUp()
{
    RenderTest::SetUp();
    if (IsSkipped())
        return;
    _root = std::filesystem::temp_directory_path() / ("bm_textures_" + std::to_string(getpid()) + "_" +
                                                      ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(_root);
    std::filesystem::create_directories(_root);
    _resources = std::make_unique<ResourceSystem>(&Dumper::Instance(), 0);
    _system.reset();
    _system = std::make_unique<MaterialSystem>(_window->GetHandle(), &Dumper::Instance(), _resources.get(),
                                               _video.get(), false);
    _system->SetSleepFunction([](unsigned) {});
    // The built-in proxy shader includes the game's shared parameters.
    const std::filesystem::path shaders =
        (std::filesystem::path(TEST_DATA_DIR) / ".." / ".." / "data" / "shaderlib").lexically_normal();
    std::filesystem::copy_file(shaders / "inc_sharedparams.fx", _root / "inc_sharedparams.fx");
    WriteExtraFiles();
    const std::string root = _root.string() + "/";
    _system->InitSystem(root.c_str());
    ASSERT_TRUE(Mgr());
    Mgr()->SetRootDir(root.c_str());
}

void TextureTest::TearDown()
{
    RenderTest::TearDown();
    _resources.reset();
    if (!_root.empty())
        std::filesystem::remove_all(_root);
}

void TextureTest::WriteTextureFile(const std::string& name, const std::vector<uint8_t>& bytes) const
{
    std::ofstream file(_root / name, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

std::vector<uint8_t> TextureTest::LevelBytes(Texture* texture, unsigned level) const
{
    gfx::Texture* handle = texture->GetTexHandle();
    if (!handle)
        return {};
    unsigned pitch = 0;
    auto* data = static_cast<const uint8_t*>(handle->Lock(level, pitch));
    if (!data)
        return {};
    std::vector<uint8_t> bytes(
        data, data + gfx::LevelBytes(handle->GetFormat(), handle->GetWidth(level), handle->GetHeight(level)));
    handle->Unlock(level);
    return bytes;
}
