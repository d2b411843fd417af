#pragma once

#include "MaterialSystem/shaders/ShaderParams.h"
#include "foundation/base/Flags.h"
#include "foundation/base/Name.h"

// What every drawn thing carries: a parameter set with a shader, render flags and a surface
// type for game logic.
class IMaterial : public ShaderParams
{
public:
    virtual Name GetSurfaceType() const = 0;
    virtual Flags& MaterialFlags() = 0;
    virtual bool IsInitialized() const = 0;
    virtual bool IsTranslucent() const = 0;
    virtual bool IsUnlit() const = 0;
    virtual bool IsTwoSided() const = 0;
    virtual bool NeedsFrameBuffer() const = 0;
};
