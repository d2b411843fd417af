#pragma once

#include "MaterialSystem/materials/IMaterial.h"
#include "MaterialSystem/materials/MaterialStates.h"
#include "ResourceSystem/IResource.h"

#include <memory>
#include <optional>
#include <string>

class MaterialMgr;
class ShaderUsageFlags;
class Table;

// A material: a shader chosen by name and usage flags, its textures and constants, render
// flags turned into device states, and a surface type. Filled from a ".mat" script or in code.
class Material : public IMaterial, public IResource
{
public:
    static constexpr unsigned ShaderNameSize = 128;

    // Names beginning with "$" are initialised at once (no script is run for them).
    Material(MaterialMgr* manager, const ResourceInfo& info);
    ~Material() override;

    Name GetSurfaceType() const override { return _surface; }
    Flags& MaterialFlags() override { return _flags; }
    bool IsInitialized() const override { return _initialized; }
    bool IsTranslucent() const override;
    bool IsUnlit() const override;
    bool IsTwoSided() const override;
    bool NeedsFrameBuffer() const override;
    bool IsInstanced() const { return _instanced; }
    const char* GetShaderName() const { return _shaderName.c_str(); }
    ShaderUsageFlags* GetUsageFlags() const { return _usageFlags.get(); }
    // The recorded render states; null without state blocks.
    const MaterialStates* GetStateBlock() const { return _stateBlock ? &*_stateBlock : nullptr; }

    void Update(unsigned long flags) override;
    void ApplyToShader(void* context) override;

    // Resets the material and reads the script's table; each problem adds one line to the
    // error text, and parsing goes on. Without a usable technique the proxy shader is bound.
    void InitFromScript(const Table& table);
    const std::string& GetErrorText() const { return _errorText; }
    void SetInitialized() { _initialized = true; }

    // Binds the shader of a name for the given flags (the material's own flags are dropped);
    // the proxy shader when the library has no shader of that name.
    void BindShaderEx(const char* name, ShaderUsageFlags* flags);
    // Adds a usage flag and moves to that variant of the current shader; the values are
    // cleared when the shader changes (the caller adds them again).
    void RebindShader(const char* flag);
    // "INSTANCING" marks the material instanced; the flag becomes "USE_" + flag, upper-cased.
    void AddShaderUsageFlag(const char* flag);

    // Around a device reset.
    void CompileStateBlock();
    void DestroyStateBlock();

private:
    void Reset();
    void AddError(const std::string& line);
    void ReadSurface(const Table& table);
    void ReadFlags(const Table& table);
    void ReadMaps(const Table& table);
    void ReadParams(const Table& table);
    void ReadShaderFlags(const Table& table);
    bool ReadTechnique(const Table& table);

    MaterialMgr* _manager;
    std::optional<MaterialStates> _stateBlock;
    Name _surface;
    std::string _errorText;
    Flags _flags;
    unsigned _appliedFlags = 0;
    bool _needsFrameBuffer = false;
    bool _initialized = false;
    bool _instanced = false;
    std::unique_ptr<ShaderUsageFlags> _usageFlags;
    std::string _shaderName;
};
