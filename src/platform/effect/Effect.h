#pragma once

#include "platform/effect/EffectTypes.h"
#include "platform/gfx/Device.h"

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace gfx {
class Program;
} // namespace gfx

namespace fx {

class EffectPool;
class IncludeHandler;
struct ParamValue;
struct PassStates;
struct EffectDesc;
struct PreprocessedSource;

// A compiled effect: parameters found by name or by semantic, techniques made of passes,
// each pass a GLSL program with the render and sampler states it sets. The text format is
// described in docs/effects.md.
class Effect
{
public:
    // Null when the text does not parse or a program fails to compile or link; `errors` then
    // holds the messages, each naming the file and line.
    static std::unique_ptr<Effect> Create(EffectPool& pool, const std::string& source, const std::string& name,
                                          const std::vector<Macro>& macros, IncludeHandler* includes,
                                          std::string* errors);
    ~Effect();
    Effect(const Effect&) = delete;
    Effect& operator=(const Effect&) = delete;

    const std::string& GetName() const { return _name; }
    EffectPool& GetPool() { return _pool; }

    // Parameters.
    unsigned GetParameterCount() const { return static_cast<unsigned>(_params.size()); }
    const ParamDesc* GetParameterDesc(Handle param) const;
    Handle GetParameterByName(const char* name) const;
    // Semantics are matched without regard to case.
    Handle GetParameterBySemantic(const char* semantic) const;

    // Setters answer false for a bad handle or a value of the wrong kind. Scalars convert
    // between int and float; SetValue and SetVector write at most the parameter's size.
    bool SetInt(Handle param, int value);
    bool SetFloat(Handle param, float value);
    bool SetValue(Handle param, const void* data, unsigned bytes);
    bool SetVector(Handle param, const float* xyzw);
    bool SetMatrix(Handle param, const float* matrix);
    // Arrays: at most the declared number of elements is taken; false when more are given.
    bool SetMatrixArray(Handle param, const float* matrices, unsigned count);
    bool SetMatrixPointerArray(Handle param, const float* const* matrices, unsigned count);
    bool SetTexture(Handle param, gfx::Texture* texture);
    bool GetValue(Handle param, void* out, unsigned bytes) const;
    gfx::Texture* GetTexture(Handle param) const;
    // Lets go of a texture being destroyed: parameters and recorded blocks holding it hold none.
    void ForgetTexture(const gfx::Texture* texture);

    // Parameter blocks: the sets made between Begin and End are recorded (and applied);
    // ApplyParameterBlock replays them.
    void BeginParameterBlock();
    Handle EndParameterBlock();
    bool ApplyParameterBlock(Handle block);
    void DeleteParameterBlock(Handle block);

    // Techniques.
    unsigned GetTechniqueCount() const { return static_cast<unsigned>(_techniques.size()); }
    Handle GetTechniqueByName(const char* name) const;
    const char* GetTechniqueName(Handle technique) const;
    bool ValidateTechnique(Handle technique) const;
    // The next valid technique after `previous` (kNoHandle: from the first), or kNoHandle.
    Handle FindNextValidTechnique(Handle previous) const;
    bool SetTechnique(Handle technique);
    Handle GetCurrentTechnique() const { return _technique; }
    unsigned GetPassCount(Handle technique) const;
    const char* GetPassName(Handle technique, unsigned pass) const;

    // Drawing: Begin answers the pass count of the current technique (0 when none).
    // Without DoNotSaveState, End puts back the states the passes changed.
    unsigned Begin(unsigned flags);
    bool BeginPass(unsigned pass);
    // Sends parameters changed since BeginPass to the pass's program.
    void CommitChanges();
    void EndPass();
    void End();

    // Programs survive a reset of the device; nothing to do but keep the interface.
    void OnLostDevice() {}
    void OnResetDevice() {}

private:
    struct Param
    {
        ParamDesc desc;
        std::shared_ptr<ParamValue> value;
    };
    struct Uniform
    {
        int param;
        int location;
        uint64_t uploaded;
    };
    struct Sampler
    {
        int param; // the texture parameter
        unsigned unit;
        int location;
    };
    struct Program
    {
        std::unique_ptr<gfx::Program> program;
        std::vector<Uniform> uniforms;
        std::vector<Sampler> samplers;
        std::vector<int> buffers; // array parameters read through uniform blocks
        int alphaFunc = -1, alphaReference = -1;
        uint64_t alphaUploaded = 0;
        int lighting = -1, flatShading = -1;
        uint64_t shadingUploaded = 0;
        // The program above leaves the alpha test out: its discard, though never taken, would
        // keep the driver from testing depth before the fragment code and slow every fragment.
        // The twin with the test is compiled from these sources the first time a draw needs it.
        std::unique_ptr<Program> alphaTested;
        std::string alphaVertex, alphaFragment;
    };
    struct Pass;
    struct Technique;
    struct BlockEntry
    {
        int param;
        std::vector<uint32_t> words;
        gfx::Texture* texture;
    };
    struct Saved;

    Effect(EffectPool& pool, std::string name);
    bool Build(const EffectDesc& desc, const PreprocessedSource& source, const std::vector<Macro>& macros,
               std::string& errors);
    int BuildProgram(const EffectDesc& desc, const PreprocessedSource& source, const std::vector<Macro>& macros,
                     const std::string& vertex, const std::string& fragment, int line, std::string& errors);
    void Link(Program& program);
    // The current pass's program for the pool's alpha test.
    Program& CurrentProgram();
    void Upload(Program& program);
    // `bytes`: how much of the value's start was written (0: all of it).
    void Changed(int param, size_t bytes = 0);
    void ApplyStates(const PassStates& states);

    EffectPool& _pool;
    gfx::Device& _device;
    std::string _name;
    std::vector<Param> _params;
    std::vector<std::pair<int, gfx::SamplerState>> _samplerStates; // texture parameter, states; index = unit
    std::vector<std::string> _samplerNames;
    std::vector<Program> _programs;
    std::map<std::pair<std::string, std::string>, int> _programIndex;
    std::vector<std::unique_ptr<Technique>> _techniques;
    Handle _technique = kNoHandle;

    std::map<Handle, std::vector<BlockEntry>> _blocks;
    std::optional<std::vector<BlockEntry>> _recording;
    Handle _nextBlock = 1;

    bool _begun = false;
    int _currentProgram = -1;
    std::unique_ptr<Saved> _saved;
};

} // namespace fx
