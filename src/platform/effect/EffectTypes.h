#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Plain values of the effect runtime: parameter kinds, flags, macros and begin flags.
namespace fx {

enum class ParamType
{
    Int,
    Float,
    Vec2,
    Vec3,
    Vec4,
    Mat4,
    Texture
};

// How a parameter's value is shaped, for callers that copy values between effects.
enum class ParamClass
{
    Scalar,
    Vector,
    Matrix,
    Object
};

enum ParamFlags : unsigned
{
    ParamShared = 1,  // lives in the effect pool: one value seen by every effect of the pool
    ParamLiteral = 2, // a constant the effect author does not expect callers to change
};

// Begin flags.
enum BeginFlags : unsigned
{
    DoNotSaveState = 1, // leave the device states of the last pass in place at End
};

struct Macro
{
    std::string name;
    std::string value;
};

struct ParamDesc
{
    std::string name;
    std::string semantic;
    ParamType type = ParamType::Float;
    ParamClass typeClass = ParamClass::Scalar;
    unsigned elements = 0; // array length, 0 for a single value
    unsigned bytes = 0;    // size of the whole value (0 for textures)
    unsigned flags = 0;    // ParamFlags
    std::vector<std::pair<std::string, std::string>> annotations;
};

// 32-bit words of one element of a type (0 for textures).
unsigned ParamWords(ParamType type);
ParamClass ParamTypeClass(ParamType type);
const char* ParamTypeName(ParamType type);
// A number as an int parameter holds it: cut to the int range, 0 for NaN.
int32_t SaturateToInt(double value);

using Handle = int; // index of a parameter, technique or block; -1 for none
constexpr Handle kNoHandle = -1;

} // namespace fx
