#include "MaterialSystem/shaders/ShaderLib.h"

#include "MaterialSystem/shaders/Shader.h"
#include "MaterialSystem/shaders/ShaderUsageFlags.h"
#include "ResourceSystem/LowerCase.h"
#include "ResourceSystem/ResourceSystem.h"
#include "foundation/base/Assert.h"
#include "foundation/base/Dumper.h"
#include "foundation/base/FileFinder.h"
#include "foundation/base/Path.h"
#include "platform/effect/Effect.h"
#include "platform/effect/EffectPool.h"

#include <cstring>

namespace {

// No effect file comes near this; a larger one is not an effect.
constexpr unsigned long kMaxScriptSize = 4u << 20;

} // namespace

std::unique_ptr<ShaderLib> ShaderLib::_instance;

ShaderLib* ShaderLib::GetInstance()
{
    if (!_instance)
        _instance.reset(new ShaderLib());
    return _instance.get();
}

void ShaderLib::DestroyInstance() { _instance.reset(); }

ShaderLib::~ShaderLib()
{
    // Effects hold values of the pool: they go first.
    RemoveAllResources(true);
    _proxy = nullptr;
    _pool.reset();
    if (GetMaster())
        GetMaster()->UnregisterResMgr(this);
}

int ShaderLib::Init(MaterialMgr* manager, ResourceSystem* resources, gfx::Device* device, const char* rootDir)
{
    _manager = manager;
    _device = device;
    SetRootDir(rootDir);
    if (device && !_pool)
        _pool = std::make_unique<fx::EffectPool>(*device);
    if (resources)
        resources->RegisterResMgr("fx", this);
    return 1;
}

bool ShaderLib::Compile(Shader& shader, const std::vector<fx::Macro>& macros)
{
    if (!_pool)
        return false;
    std::string errors;
    auto effect = fx::Effect::Create(*_pool, shader.GetScriptData(), shader.GetName(), macros, this, &errors);
    if (!effect)
    {
        Dumper& log = Dumper::Instance();
        log.Print(DUMP_WARNING, "There were some errors while parsing shader script \"%s\"\n", shader.GetName());
        log.Print(DUMP_PLAIN, "%s\n", errors.empty() ? "(the compiler gave no reason)" : errors.c_str());
        return false;
    }
    shader.Initialize(std::move(effect));
    return true;
}

void* ShaderLib::OnQueryHeader(unsigned long& headerSize, const char*)
{
    headerSize = 0;
    return nullptr;
}

// The proxy stays filed under "$proxy" only: filing it under the failed name too would give
// it two owners in the resource map.
IResource* ShaderLib::OnCreateProxyResource(const ResourceInfo&)
{
    return _proxy ? static_cast<IResource*>(_proxy) : INVALID_RES_HANDLE;
}

IResource* ShaderLib::OnCreateResource(const ResourceInfo& info, unsigned long dataSize)
{
    if (dataSize > kMaxScriptSize)
    {
        Dumper::Instance().Print(DUMP_ERROR, "Shader \"%s\" is too large (%lu bytes)\n", info.name, dataSize);
        return INVALID_RES_HANDLE;
    }
    std::string text(dataSize, '\0');
    if (dataSize && ReadNextChunk(0, text.data(), dataSize) != dataSize)
    {
        Dumper::Instance().Print(DUMP_ERROR, "Shader \"%s\" could not be read whole\n", info.name);
        return INVALID_RES_HANDLE;
    }
    auto shader = std::make_unique<Shader>(info);
    // An include ends with a line feed so that two includes in a row never run together.
    if (shader->GetType() == SHADER_TYPE_INCLUDE)
        text += '\n';
    shader->SetScriptData(std::move(text));
    if (shader->GetType() != SHADER_TYPE_INCLUDE)
        Compile(*shader, {});
    Shader* raw = shader.release();
    AddResource(raw);
    return raw;
}

void ShaderLib::InitDefaultResources()
{
    ResourceInfo info;
    info.location = LocationMadeInCode;
    info.SetName("$proxy");
    info.size = static_cast<uint32_t>(std::strlen(ProxyShaderText) + 1 + sizeof(Shader));
    // Filed before it compiles: a missing include then fails the proxy (below) instead of
    // asking the resource system for a proxy that does not exist yet.
    _proxy = new Shader(info);
    _proxy->SetScriptData(ProxyShaderText);
    AddResource(_proxy);
    if (!Compile(*_proxy, {}))
        ExecRuntimeAssert("proxy shader", nullptr, __FILE__, __LINE__, "Proxy shader failed to initialize.");
    _worldInstances = _proxy->GetD3DEffect()->GetParameterBySemantic("WorldInstances");
}

bool ShaderLib::Open(const std::string& name, std::string& text)
{
    std::string resource;
    Shader::ShaderNameFromType(SHADER_TYPE_INCLUDE, name.c_str(), resource);
    IResource* found = GetMaster() ? GetMaster()->LoadResource(resource.c_str(), this, 0, 1) : INVALID_RES_HANDLE;
    Shader* shader = found != INVALID_RES_HANDLE ? static_cast<Shader*>(found) : nullptr;
    if (!shader || shader == _proxy || shader->GetType() != SHADER_TYPE_INCLUDE)
    {
        Dumper::Instance().Print(DUMP_ERROR, "#include directive is unable to compile - file not found \"%s\"\n",
                                 resource.c_str());
        return false;
    }
    text = shader->GetScriptData();
    return true;
}

bool ShaderLib::PrecacheShaders()
{
    if (!GetMaster())
        return false;
    const std::string root = GetRootDir();
    FileFinder finder(root.c_str(), "*.fx", 0);
    FileScanResult files;
    unsigned long largest = 0;
    finder.RecursiveFileScan(files, largest, true, FileInfo::MaxName);
    const std::string normalizedRoot = NormalizePath(root);
    for (unsigned i = 0; i < files.GetSize(); ++i)
    {
        const std::string path = NormalizePath(files.GetFileInfo(i)->GetFileName());
        std::string name;
        if (!normalizedRoot.empty() && ToLowerCase(path).rfind(ToLowerCase(normalizedRoot), 0) == 0)
        {
            name = path.substr(normalizedRoot.size());
        }
        else
        {
            const size_t slash = path.find('/');
            name = slash == std::string::npos ? path : path.substr(slash + 1);
        }
        GetMaster()->LoadResource(name.c_str(), this, 0, 1);
    }
    return true;
}

void ShaderLib::ValidateShaders(Dumper* log)
{
    Dumper& out = log ? *log : Dumper::Instance();
    bool all = true;
    for (IResource* r = BeginResource(); r != INVALID_RES_HANDLE; r = NextResource())
    {
        Shader* shader = static_cast<Shader*>(r);
        if (shader->GetType() == SHADER_TYPE_INCLUDE)
        {
            out.Print(DUMP_PLAIN, "\t  Shader \"%s\": Include shaders dont't need validation\n", shader->GetName());
            continue;
        }
        std::string technique;
        if (shader->SelectFirstValidTechnique(&technique))
        {
            out.Print(DUMP_PLAIN, "\t  Shader \"%s\": Valid technique found <%s>\n", shader->GetName(),
                      technique.c_str());
        }
        else
        {
            out.Print(DUMP_PLAIN, "\t  Shader \"%s\": Valid technique not found!\n", shader->GetName());
            all = false;
        }
    }
    if (all)
        out.Print(DUMP_STARTUP, "All render shaders were successfully validated!\n");
    else
        out.Print(DUMP_WARNING,
                  "Not all render shaders were validated properly, some runtime rendering errors may occur\n");
}

Shader* ShaderLib::Usable(Shader* shader)
{
    if (shader->GetD3DEffect() || shader->GetType() == SHADER_TYPE_INCLUDE)
        return shader;
    Dumper::Instance().Print(DUMP_ERROR, "Shader \"%s\" did not compile: the proxy shader stands in\n",
                             shader->GetName());
    return _proxy;
}

Shader* ShaderLib::FindOptimalShader(const char* name, ShaderUsageFlags* flags)
{
    Shader* const invalid = reinterpret_cast<Shader*>(INVALID_RES_HANDLE);
    if (!name)
        return invalid;
    IResource* base = GetResource(name);
    if (base == INVALID_RES_HANDLE)
    {
        Dumper::Instance().Print(DUMP_ERROR, "Shader \"%s\" is not in the shader library\n", name);
        return invalid;
    }
    if (!flags || flags->GetNumFlags() == 0)
        return Usable(static_cast<Shader*>(base));

    const std::string key = ToLowerCase(std::string(name) + "|" + flags->GetText());
    // A key cut to the room of a resource name would never be found again: every request
    // would compile another copy that the map cannot hold.
    if (key.size() >= ResourceInfo::NAME_SIZE)
    {
        Dumper::Instance().Print(DUMP_ERROR, "Shader variant \"%s\" has too long a name: the proxy shader stands in\n",
                                 key.c_str());
        return _proxy;
    }
    // A variant that failed keeps its key, so it is not compiled (and reported) again.
    if (IResource* variant = GetResource(key.c_str()); variant != INVALID_RES_HANDLE)
        return Usable(static_cast<Shader*>(variant));

    const Shader& source = *static_cast<Shader*>(base);
    ResourceInfo info;
    info.location = LocationMadeInCode;
    info.SetName(key.c_str());
    info.size = static_cast<uint32_t>(source.GetScriptData().size() + sizeof(Shader));
    auto variant = std::make_unique<Shader>(info);
    variant->SetScriptData(source.GetScriptData());
    const bool compiled = Compile(*variant, flags->CompileMacroSet());
    Shader* raw = variant.release();
    AddResource(raw);
    if (!compiled)
    {
        Dumper::Instance().Print(DUMP_ERROR, "Shader variant \"%s\" did not compile: the proxy shader stands in\n",
                                 key.c_str());
        return _proxy;
    }
    return raw;
}

void ShaderLib::ClearShaders() { RemoveAllResources(false); }
