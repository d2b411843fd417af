#pragma once

// Render flags of a material, also defined as globals of the material scripts' machine.
enum eMaterialFlags : unsigned
{
    MF_NOZCULL = 1,
    MF_NOZWRITE = 2,
    MF_TRANSLUCENT = 4,
    MF_ADDITIVE = 8,
    MF_ALPHA_MASKED = 16,
    MF_UNLIT = 32,
    MF_FLAT = 64,
    MF_BACK_SIDED = 128,
    MF_TWO_SIDED = 256,
    MF_WIREFRAME = 512,
    MF_SHADOW_CASTER = 1024,
    MF_SHADOW_RECEIVER = 2048,
    MF_GLOW = 4096,
    MF_DONT_APPLY_STDSTATEBLOCK = 8192,
    MF_NEED_FRESH_FRAMEBUFFER = 16384,
};

struct MaterialFlagName
{
    const char* name;
    unsigned value;
};

// Every flag with its script name, in value order.
const MaterialFlagName* GetMaterialFlagNames(unsigned& count);
