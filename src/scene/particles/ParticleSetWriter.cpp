// Writing an effect as a particle set file, in the layout the reader takes back.
#include "MaterialSystem/materials/Material.h"
#include "foundation/base/Dumper.h"
#include "scene/particles/Emitter.h"
#include "scene/particles/EmitterMgr.h"
#include "scene/particles/ParticleEmitter.h"

#include <cstdarg>
#include <cstdio>

namespace {

// Appends printf-style text of any length.
void Append(std::string& text, const char* format, ...) __attribute__((format(printf, 2, 3)));
void Append(std::string& text, const char* format, ...)
{
    va_list args;
    va_start(args, format);
    va_list again;
    va_copy(again, args);
    const int length = std::vsnprintf(nullptr, 0, format, args);
    va_end(args);
    if (length > 0)
    {
        const size_t at = text.size();
        text.resize(at + size_t(length) + 1);
        std::vsnprintf(text.data() + at, size_t(length) + 1, format, again);
        text.resize(at + size_t(length));
    }
    va_end(again);
}

void AppendCurve(std::string& text, const char* key, const Lerper<float>& curve)
{
    Append(text, "\t\t\t%s = \n\t\t\t{\n", key);
    for (unsigned i = 0; i < curve.GetCount(); ++i)
        Append(text, "\t\t\t\t{%.04f, %.04f};\n", double(curve.GetKeyTime(i)), double(curve.GetKeyValue(i)));
    Append(text, "\t\t\t};\n");
}

void AppendCurve(std::string& text, const char* key, const Lerper<Color>& curve)
{
    Append(text, "\t\t\t%s = \n\t\t\t{\n", key);
    for (unsigned i = 0; i < curve.GetCount(); ++i)
        Append(text, "\t\t\t\t{%.04f, %u};\n", double(curve.GetKeyTime(i)), unsigned(curve.GetKeyValue(i).ARGB()));
    Append(text, "\t\t\t};\n");
}

// The text as a string of the data language.
std::string Quoted(const char* text)
{
    std::string quoted = "\"";
    for (; *text; ++text)
    {
        if (*text == '"' || *text == '\\')
            quoted += '\\';
        quoted += *text;
    }
    return quoted + '"';
}

void AppendEmitter(std::string& text, const ParticleEmitter& e)
{
    const Material* material = e.GetMaterial();
    Append(text, "\t\t{\n");
    Append(text, "\t\t\tMaterial = %s;\n", Quoted(material ? material->GetInfo().name : "").c_str());
    Append(text, "\t\t\tau = %u;\n", e.GetTexIndexU());
    Append(text, "\t\t\tav = %u;\n", e.GetTexIndexV());
    Append(text, "\t\t\tASize = %u;\n", e.GetAtlasDivU());
    Append(text, "\t\t\tStartDelay = %.04f;\n", double(e.GetStartDelay()));
    Append(text, "\t\t\tDuration = %.04f;\n", double(e.GetDuration()));
    Append(text, "\t\t\tRepeatDelay = %.04f;\n", double(e.GetRepeatDelay()));
    Append(text, "\t\t\tEmissionMode = %u;\n", unsigned(e.GetEmissionMode()));
    Append(text, "\t\t\tScatterMode = %u;\n", unsigned(e.GetScatterMode()));
    Append(text, "\t\t\tDefaultLengthAdjust = %.04f;\n", double(e.GetDefaultLengthAdjust()));
    Append(text, "\t\t\tParticleShape = %u;\n", unsigned(e.GetParticleShape()));
    Append(text, "\t\t\tLodLevels = %u;\n", e.GetLodLevels());
    Append(text, "\t\t\tAnimLength = %u;\n", e.GetParticleAnimationLength());
    Append(text, "\t\t\tAnimDelay = %.04f;\n", double(e.GetParticleAnimationDelay()));
    Append(text, "\t\t\tParticleLifetimeVar = %.04f;\n", double(e.GetParticleLifetimeVar()));
    Append(text, "\t\t\tParticleVelocityVar = %.04f;\n", double(e.GetParticleVelocityVar()));
    Append(text, "\t\t\tParticleSizeVar = %.04f;\n", double(e.GetParticleSizeVar()));
    Append(text, "\t\t\tParticleSpinVar = %.04f;\n", double(e.GetParticleSpinVar()));
    AppendCurve(text, "Rate", e.GetEmissionRate());
    AppendCurve(text, "Scattering", e.GetEmissionScattering());
    AppendCurve(text, "InnerRadius", e.GetEmissionInnerRadius());
    AppendCurve(text, "OuterRadius", e.GetEmissionOuterRadius());
    AppendCurve(text, "Lifetime", e.GetEmissionLifetime());
    AppendCurve(text, "Velocity", e.GetParticleVelocity());
    AppendCurve(text, "Size", e.GetParticleSize());
    AppendCurve(text, "Spin", e.GetParticleSpin());
    AppendCurve(text, "Color", e.GetParticleColor());
    Append(text, "\t\t};\n");
}

} // namespace

std::string EmitterMgr::SaveText() const
{
    std::string text = "ParticleSet = \n{\n";
    Append(text, "\tspeed = %.04f;\n", double(_emitter ? _emitter->GetSpeedFactor() : 1.0f));
    Append(text, "\tEmitters = \n\t{\n");
    for (unsigned i = 0; _emitter && i < _emitter->GetNumParticleEmitters(); ++i)
        AppendEmitter(text, *_emitter->GetParticleEmitter(i));
    Append(text, "\t};\n};");
    return text;
}

bool EmitterMgr::Save(const char* path) const
{
    const std::string text = SaveText();
    FILE* file = path ? std::fopen(path, "w+") : nullptr;
    bool written = file && std::fwrite(text.data(), 1, text.size(), file) == text.size();
    if (file)
        written = std::fclose(file) == 0 && written;
    if (!written)
    {
        Dumper::Instance().Print(DUMP_ERROR, "EmitterMgr: particle set cannot be written to \"%s\"\n",
                                 path ? path : "");
        return false;
    }
    return true;
}
