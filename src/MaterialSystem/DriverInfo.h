#pragma once

#include "foundation/base/Name.h"
#include "platform/gfx/Graphics.h"

class Dumper;

// What device creation and the renderer need to know about one adapter: names, limits,
// feature flags and supported formats, captured once from its capability table.
class DriverInfo
{
public:
    DriverInfo(const gfx::AdapterCaps& caps, int adapter);

    void DumpCaps(Dumper* log) const;

    bool IsColorDepthSupported(gfx::Format format) const;
    bool IsDepthFormatSupported(gfx::Format depth, gfx::Format adapterFormat) const;
    bool IsDepthFormatCompatible(gfx::Format depth, gfx::Format renderTargetFormat) const;
    gfx::Format ColorDepthToD3DFormat(int bits, bool fullscreen) const;
    static int D3DFormatToColorDepth(gfx::Format format);
    gfx::Format FindSupportedDepthFormat(gfx::Format preferred, gfx::Format backBufferFormat) const;
    // 2..16 samples, else 0 (none).
    static int ComputeMultisampleType(int samples);
    // Whether a back buffer of the format may have the given sample count.
    bool CheckMultisampleType(int samples) const { return samples > 0 && unsigned(samples) <= _maxSamples; }
    bool CanRenderTo(gfx::Format format) const { return _caps.CanRenderTo(format); }

    Name GetDriverName() const { return _driverName; }
    Name GetDescription() const { return _description; }
    int GetAdapter() const { return _adapter; }
    bool IsPerfHUD() const { return _perfHUD; }
    unsigned GetMaxTextureWidth() const { return _maxTextureWidth; }
    unsigned GetMaxTextureHeight() const { return _maxTextureHeight; }
    unsigned GetMaxAnisotropy() const { return _maxAnisotropy; }
    unsigned GetMaxSimultaneousTextures() const { return _maxTextureUnits; }
    unsigned GetMaxTextureStages() const { return _maxTextureStages; }
    unsigned GetMaxActiveLights() const { return _maxActiveLights; }
    unsigned GetNumSimultaneousRTs() const { return _maxRenderTargets; }
    bool SupportsPureDevice() const { return _pureDevice; }
    bool SupportsTnL() const { return _tnl; }
    bool SupportsHDR() const { return _hdr; }
    bool SupportsMRT() const { return _mrt; }
    bool SupportsAutoMips() const { return _autoMips; }
    bool SupportsDynamicTextures() const { return _dynamicTextures; }
    // -1 not yet known, 0 unsupported, 1 supported.
    int GetOcclusionQuerySupport() const { return _occlusionQueries; }
    void SetOcclusionQuerySupport(int value) { _occlusionQueries = value; }

private:
    gfx::AdapterCaps _caps;
    Name _driverName, _description;
    int _adapter;
    uint32_t _identifier;
    bool _perfHUD;
    unsigned _maxTextureWidth, _maxTextureHeight, _maxAnisotropy, _maxTextureUnits, _maxTextureStages;
    unsigned _maxActiveLights, _maxUserClipPlanes, _maxPrimitiveCount, _maxIndices, _maxStreams, _maxRenderTargets;
    unsigned _maxSamples;
    unsigned _pixelShaderInstructions, _vertexShaderInstructions;
    bool _pureDevice, _tnl, _pixelShaders, _vertexShaders;
    bool _colorDepth16, _colorDepth24, _colorDepth32;
    bool _gammaRamp, _dynamicTextures, _autoMips, _mipCubeMaps, _cubeMaps, _nonPow2, _anisotropic, _textureCopying;
    bool _textures64, _srgb, _hdr, _mrt, _mrtIndependentBitDepths;
    int _occlusionQueries = -1;
    float _vertexShaderVersion, _pixelShaderVersion;
};
