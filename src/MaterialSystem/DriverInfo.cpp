#include "MaterialSystem/DriverInfo.h"

#include "foundation/base/Assert.h"
#include "foundation/base/Dumper.h"
#include "foundation/base/MessageBox.h"

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <string>

namespace {

const char* YesNo(bool value) { return value ? "TRUE" : "FALSE"; }

// Trailing blanks and control characters some drivers leave in their names.
std::string RemoveDriverDescGarbage(std::string text)
{
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ')
        text.pop_back();
    return text;
}

} // namespace

DriverInfo::DriverInfo(const gfx::AdapterCaps& caps, int adapter) : _caps(caps), _adapter(adapter)
{
    const std::string description = RemoveDriverDescGarbage(caps.description);
    _driverName = Name(caps.driverName.c_str());
    _description = Name(description.c_str());
    _identifier = caps.identifier;
    _perfHUD = description.find("PerfHUD") != std::string::npos;
    _maxTextureWidth = caps.maxTextureWidth;
    _maxTextureHeight = caps.maxTextureHeight;
    _maxAnisotropy = caps.maxAnisotropy;
    _maxTextureUnits = caps.maxTextureUnits;
    _maxTextureStages = caps.maxTextureStages;
    _maxActiveLights = caps.maxActiveLights;
    _maxUserClipPlanes = caps.maxUserClipPlanes;
    _maxPrimitiveCount = caps.maxPrimitiveCount;
    _maxIndices = caps.maxVertexIndex;
    _maxStreams = caps.maxStreams;
    _maxRenderTargets = caps.maxRenderTargets;
    _maxSamples = caps.maxSamples;
    _pixelShaderInstructions = caps.pixelShaderInstructions;
    _vertexShaderInstructions = caps.vertexShaderInstructions;
    _pixelShaderVersion = caps.pixelShaderVersion;
    _vertexShaderVersion = caps.vertexShaderVersion;
    _pureDevice = caps.pureDevice;
    _tnl = caps.hardwareTnL;
    _pixelShaders = int(caps.pixelShaderVersion) != 0;
    _vertexShaders = int(caps.vertexShaderVersion) != 0;
    _colorDepth16 = IsColorDepthSupported(gfx::Format::R5G6B5);
    _colorDepth24 = IsColorDepthSupported(gfx::Format::R8G8B8);
    _colorDepth32 = IsColorDepthSupported(gfx::Format::X8R8G8B8);
    _gammaRamp = caps.gammaRamp;
    _dynamicTextures = caps.dynamicTextures;
    _autoMips = caps.autoMipGeneration;
    _mipCubeMaps = caps.mipCubeMaps;
    _cubeMaps = caps.cubeMaps;
    _nonPow2 = caps.nonPow2Textures;
    _anisotropic = caps.anisotropic;
    _textureCopying = caps.textureCopying;
    _textures64 = caps.CanRenderTo(gfx::Format::A16B16G16R16);
    _srgb = caps.srgbTextures;
    _hdr = _vertexShaderVersion >= 2.0f && _pixelShaderVersion >= 2.0f && _textures64 &&
           caps.linearToSrgbPresentation && caps.separateAlphaBlend && _srgb;
    _mrt = _maxRenderTargets > 1;
    _mrtIndependentBitDepths = caps.mrtIndependentBitDepths;
}

bool DriverInfo::IsColorDepthSupported(gfx::Format format) const { return _caps.CanRenderTo(format); }

bool DriverInfo::IsDepthFormatSupported(gfx::Format depth, gfx::Format) const { return _caps.CanDepth(depth); }

// Any depth format pairs with any colour target in a framebuffer object.
bool DriverInfo::IsDepthFormatCompatible(gfx::Format depth, gfx::Format) const { return _caps.CanDepth(depth); }

gfx::Format DriverInfo::ColorDepthToD3DFormat(int bits, bool fullscreen) const
{
    using gfx::Format;
    if (!fullscreen)
        return _caps.desktopFormat;
    static const Format order16[] = {Format::R5G6B5, Format::R8G8B8, Format::X8R8G8B8};
    static const Format order24[] = {Format::R8G8B8, Format::X8R8G8B8, Format::R5G6B5};
    static const Format order32[] = {Format::X8R8G8B8, Format::R8G8B8, Format::R5G6B5};
    const Format* order = bits == 16 ? order16 : bits == 24 ? order24 : bits == 32 ? order32 : nullptr;
    if (order)
    {
        for (int i = 0; i < 3; ++i)
        {
            if (IsColorDepthSupported(order[i]))
                return order[i];
        }
    }
    char reason[96];
    std::snprintf(reason, sizeof(reason), "Illegal ColorDepth value <%d>, should be 16, 24, or 32", bits);
    ExecAssert("ColorDepth", nullptr, __FILE__, __LINE__, reason);
    ShowMessageBox("No any suitable ColorDepth format is supported by the hardware.\n"
                   "Trying to get ColorDepth format directly from display settings",
                   "Engine warning:", MessageBoxIcon::Warning, MessageBoxButtons::Ok);
    return _caps.desktopFormat;
}

int DriverInfo::D3DFormatToColorDepth(gfx::Format format)
{
    switch (format)
    {
    case gfx::Format::R5G6B5: return 16;
    case gfx::Format::R8G8B8: return 24;
    case gfx::Format::X8R8G8B8: return 32;
    default: return 0;
    }
}

gfx::Format DriverInfo::FindSupportedDepthFormat(gfx::Format preferred, gfx::Format backBufferFormat) const
{
    using gfx::Format;
    static const Format order[] = {Format::D32, Format::D24S8, Format::D24X8, Format::D16};
    const Format* start = std::find(std::begin(order), std::end(order), preferred);
    for (const Format* f = start; f != std::end(order); ++f)
    {
        if (IsDepthFormatSupported(*f, backBufferFormat) && IsDepthFormatCompatible(*f, backBufferFormat))
            return *f;
    }
    return Format::D16;
}

int DriverInfo::ComputeMultisampleType(int samples) { return samples >= 2 && samples <= 16 ? samples : 0; }

void DriverInfo::DumpCaps(Dumper* log) const
{
    if (!log)
        return;
    log->Print(DUMP_STARTUP, "Adapter Capabilities <%s>: \n", _description.Str());
    log->Print(DUMP_PLAIN, "\t  Max_Texture_Width: %d\n", _maxTextureWidth);
    log->Print(DUMP_PLAIN, "\t  Max_Texture_Height: %d\n", _maxTextureHeight);
    log->Print(DUMP_PLAIN, "\t  Max_Texture_Units: %d\n", _maxTextureUnits);
    log->Print(DUMP_PLAIN, "\t  Max_Texture_Stages: %d\n", _maxTextureStages);
    log->Print(DUMP_PLAIN, "\t  Max_Active_Lights: %d\n", _maxActiveLights);
    log->Print(DUMP_PLAIN, "\t  Max_User_Clip_Planes: %d\n", _maxUserClipPlanes);
    log->Print(DUMP_PLAIN, "\t  Max_Primitive_Count: %d\n", _maxPrimitiveCount);
    log->Print(DUMP_PLAIN, "\t  Max_Anisotropy: %d\n", _maxAnisotropy);
    log->Print(DUMP_PLAIN, "\t  Max_Indices: %d\n", _maxIndices);
    log->Print(DUMP_PLAIN, "\t  Max_Render_Targets: %d\n", _maxRenderTargets);
    log->Print(DUMP_PLAIN, "\t  Max_Streams: %d\n", _maxStreams);
    log->Print(DUMP_PLAIN, "\t  Supports_Pure_Device: %s\n", YesNo(_pureDevice));
    log->Print(DUMP_PLAIN, "\t  Supports_TnL: %s\n", YesNo(_tnl));
    log->Print(DUMP_PLAIN, "\t  Supports_Pixel_Shaders: %s\n", YesNo(_pixelShaders));
    log->Print(DUMP_PLAIN, "\t  Supports_Vertex_Shaders: %s\n", YesNo(_vertexShaders));
    log->Print(DUMP_PLAIN, "\t  Supports_Gamma_Ramp: %s\n", YesNo(_gammaRamp));
    log->Print(DUMP_PLAIN, "\t  Supports_Dynamic_Textures: %s\n", YesNo(_dynamicTextures));
    log->Print(DUMP_PLAIN, "\t  Supports_Mip_Cubemaps: %s\n", YesNo(_mipCubeMaps));
    log->Print(DUMP_PLAIN, "\t  Supports_Auto_Mip_Generation: %s\n", YesNo(_autoMips));
    log->Print(DUMP_PLAIN, "\t  Supports_Cubemaps: %s\n", YesNo(_cubeMaps));
    log->Print(DUMP_PLAIN, "\t  Supports_Anisotropic: %s\n", YesNo(_anisotropic));
    log->Print(DUMP_PLAIN, "\t  Supports_Non_Pow2_Textures: %s\n", YesNo(_nonPow2));
    log->Print(DUMP_PLAIN, "\t  Supports_Texture_Copying: %s\n", YesNo(_textureCopying));
    log->Print(DUMP_PLAIN, "\t  Supports_64Bit_Textures: %s\n", YesNo(_textures64));
    log->Print(DUMP_PLAIN, "\t  Supports_SRGB: %s\n", YesNo(_srgb));
    log->Print(DUMP_PLAIN, "\t  Supports_HDR: %s\n", YesNo(_hdr));
    log->Print(DUMP_PLAIN, "\t  Supports_MRT: %s\n", YesNo(_mrt));
    log->Print(DUMP_PLAIN, "\t  Supports_16Bit_Color_Depth: %s\n", YesNo(_colorDepth16));
    log->Print(DUMP_PLAIN, "\t  Supports_24Bit_Color_Depth: %s\n", YesNo(_colorDepth24));
    log->Print(DUMP_PLAIN, "\t  Supports_32Bit_Color_Depth: %s\n", YesNo(_colorDepth32));
    if (_vertexShaders)
    {
        log->Print(DUMP_PLAIN, "\t  Vertex_Shader_Version: %.1f (%d instructions)\n", _vertexShaderVersion,
                   _vertexShaderInstructions);
    }
    if (_pixelShaders)
    {
        log->Print(DUMP_PLAIN, "\t  Pixel_Shader_Version: %.1f (%d instructions)\n", _pixelShaderVersion,
                   _pixelShaderInstructions);
    }
}
