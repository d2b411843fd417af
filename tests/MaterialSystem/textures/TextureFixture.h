#pragma once

#include "../RenderFixture.h"
#include "MaterialSystem/textures/TextureMgr.h"
#include "ResourceSystem/ResourceSystem.h"

#include <filesystem>
#include <memory>
#include <vector>

// A material system with a resource system whose texture root is a fresh folder of its own.
class TextureTest : public RenderTest
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Files the shader library should find when the system starts.
    virtual void WriteExtraFiles() {}
    TextureMgr* Mgr() const { return _system->GetTextureMgr(); }
    void WriteTextureFile(const std::string& name, const std::vector<uint8_t>& bytes) const;
    // Level `level` of a texture as the device holds it (blocks for compressed formats).
    std::vector<uint8_t> LevelBytes(Texture* texture, unsigned level) const;

    std::unique_ptr<ResourceSystem> _resources;
    std::filesystem::path _root;
};
