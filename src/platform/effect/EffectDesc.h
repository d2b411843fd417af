#pragma once

#include "platform/effect/EffectTypes.h"
#include "platform/gfx/Device.h"

#include <string>
#include <vector>

namespace fx {

// The parsed form of an effect file, before anything is compiled.

struct ParamDecl
{
    ParamDesc desc;
    std::vector<uint32_t> defaults; // raw words (int or float bits); empty: zeros
    int line = 0;                   // output line of the preprocessed text
};

struct SamplerDecl
{
    std::string name;
    std::string texture; // name of a texture parameter
    gfx::SamplerState state;
    int line = 0;
};

struct StateAssign
{
    std::string key;
    std::string value;
    int line = 0;
};

enum class CodeKind
{
    Common,
    Vertex,
    Fragment
};

struct CodeBlock
{
    CodeKind kind = CodeKind::Common;
    std::string name;
    size_t begin = 0, end = 0; // text between the braces, offsets into the preprocessed text
};

struct PassDecl
{
    std::string name;
    std::string vertex, fragment; // code block names; empty: the pass sets states only
    std::vector<StateAssign> states;
    int line = 0;
};

struct TechniqueDecl
{
    std::string name;
    std::vector<PassDecl> passes;
    std::vector<std::pair<std::string, std::string>> annotations;
    int line = 0;
};

struct EffectDesc
{
    std::vector<ParamDecl> params;
    std::vector<SamplerDecl> samplers;
    std::vector<CodeBlock> code;
    std::vector<size_t> directives; // top-level #define/#undef lines (output line numbers)
    std::vector<TechniqueDecl> techniques;
};

struct PreprocessedSource;

// Reads the structure of a preprocessed effect. False with "file(line): error: ..." lines in
// `errors` on the first syntax error.
bool ParseEffect(const PreprocessedSource& source, EffectDesc& out, std::string& errors);

} // namespace fx
