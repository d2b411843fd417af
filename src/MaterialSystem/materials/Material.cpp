#include "MaterialSystem/materials/Material.h"

#include "MaterialSystem/MaterialSystem.h"
#include "MaterialSystem/materials/MaterialFlags.h"
#include "MaterialSystem/materials/MaterialMgr.h"
#include "MaterialSystem/shaders/Shader.h"
#include "MaterialSystem/shaders/ShaderLib.h"
#include "MaterialSystem/shaders/ShaderUsageFlags.h"
#include "MaterialSystem/textures/TextureMgr.h"
#include "foundation/config/VideoSettings.h"

#include <cctype>
#include <strings.h>

namespace {

Shader* const kInvalidShader = reinterpret_cast<Shader*>(INVALID_RES_HANDLE);

unsigned FlagWord(const Flags& flags)
{
    unsigned word = 0;
    for (unsigned bit = 0; bit < 32; ++bit)
    {
        if (flags.HasFlag(1ul << bit))
            word |= 1u << bit;
    }
    return word;
}

} // namespace

Material::Material(MaterialMgr* manager, const ResourceInfo& info)
    : IResource(info), _manager(manager), _surface("generic"), _initialized(info.name[0] == '$')
{
    CompileStateBlock();
}

Material::~Material() = default;

bool Material::IsTranslucent() const { return _flags.HasFlag(MF_TRANSLUCENT | MF_ADDITIVE); }
bool Material::IsUnlit() const { return _flags.HasFlag(MF_UNLIT); }
bool Material::IsTwoSided() const { return _flags.HasFlag(MF_TWO_SIDED); }
bool Material::NeedsFrameBuffer() const { return _shader && _needsFrameBuffer; }

void Material::CompileStateBlock()
{
    const MaterialSystem* system = _manager ? _manager->GetMaterialSystem() : nullptr;
    const VideoSettings* settings = system ? system->GetSettings() : nullptr;
    if (settings && !settings->UseStateBlocks)
        return;
    _stateBlock = MaterialStates::FromFlags(0);
    _appliedFlags = 0;
}

void Material::DestroyStateBlock() { _stateBlock.reset(); }

void Material::Update(unsigned long flags)
{
    ShaderParams::Update(flags);
    Texture* frameBuffer =
        _manager && _manager->GetTextureMgr() ? _manager->GetTextureMgr()->GetFrameBufferTexture() : nullptr;
    _needsFrameBuffer = false;
    for (const ShaderVar* var : _valueList)
    {
        if (var->type == ShaderVar::TYPE_TEXTURE && frameBuffer && var->texture == frameBuffer)
            _needsFrameBuffer = true;
    }
}

void Material::ApplyToShader(void* context)
{
    if (_shader && _shader->GetDefaultParams())
        _shader->GetDefaultParams()->ApplyToShader(context);
    ShaderParams::ApplyToShader(context);
    if (_flags.HasFlag(MF_DONT_APPLY_STDSTATEBLOCK) || !_stateBlock)
        return;
    const unsigned flags = FlagWord(_flags);
    if (flags != _appliedFlags)
    {
        _stateBlock = MaterialStates::FromFlags(flags);
        _appliedFlags = flags;
    }
    gfx::Device* device = _manager->GetMaterialSystem() ? _manager->GetMaterialSystem()->GetDevice() : nullptr;
    if (device)
        _stateBlock->Apply(*device, ShaderLib::GetInstance()->GetEffectPool());
}

void Material::BindShaderEx(const char* name, ShaderUsageFlags* flags)
{
    _usageFlags.reset();
    Shader* shader = ShaderLib::GetInstance()->FindOptimalShader(name, flags);
    // An unknown name must not bind the all-ones handle.
    if (shader == kInvalidShader || !shader)
        shader = ShaderLib::GetInstance()->GetProxyShader();
    if (name)
        _shaderName = std::string(name).substr(0, ShaderNameSize - 1);
    BindShader(shader, BIND_RESOLVE);
}

void Material::RebindShader(const char* flag)
{
    AddShaderUsageFlag(flag);
    Shader* shader = ShaderLib::GetInstance()->FindOptimalShader(_shaderName.c_str(), _usageFlags.get());
    if (shader == kInvalidShader || !shader || shader == _shader)
        return;
    ClearParams();
    BindShader(shader, BIND_RESOLVE);
}

void Material::AddShaderUsageFlag(const char* flag)
{
    if (!flag)
        return;
    if (!_usageFlags)
        _usageFlags = std::make_unique<ShaderUsageFlags>();
    if (std::string(flag) == "INSTANCING")
        _instanced = true;
    std::string text = strncasecmp(flag, "USE_", 4) == 0 ? std::string(flag) : "USE_" + std::string(flag);
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    _usageFlags->Add(text.c_str());
}

void Material::Reset()
{
    _surface = Name("generic");
    _flags = Flags(0);
    _appliedFlags = 0;
    if (_stateBlock)
        _stateBlock = MaterialStates::FromFlags(0);
    _usageFlags.reset();
    _instanced = false;
    _errorText.clear();
    ClearParams();
}

void Material::AddError(const std::string& line)
{
    _errorText += line;
    _errorText += '\n';
}
