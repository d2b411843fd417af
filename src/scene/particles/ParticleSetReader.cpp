// Reading a particle set file's table: every value is checked before it is used, and a bad
// one is reported with the file, the emitter and the key, and replaced by the default.
#include "foundation/base/Dumper.h"
#include "foundation/lua/LuaTypes.h"
#include "foundation/lua/Table.h"
#include "scene/particles/EmitterMgr.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace {

// Channels of a packed colour are multiplied by this (slightly above 1/255, so that a channel
// written back from the colour packs to the same number).
constexpr float ChannelScale = 0.00392157f;

class EmitterReader
{
public:
    EmitterReader(const Table& table, const char* file, int emitter) : _table(table), _file(file), _emitter(emitter) {}

    void Float(const char* key, float& out) const
    {
        double value;
        if (Number(key, value))
        {
            if (std::isfinite(value) && std::fabs(value) <= 3.4e38)
                out = float(value);
            else
                Warn(key, "is not a finite number");
        }
    }

    // Truncated toward zero; values below 0 or above `limit` are refused.
    void Unsigned(const char* key, unsigned& out, unsigned limit) const
    {
        double value;
        if (!Number(key, value))
            return;
        if (value >= 0.0 && value < double(limit) + 1.0)
            out = static_cast<unsigned>(value);
        else
            Warn(key, "is out of range");
    }

    // Cut to the buffer, and reported when it does not fit.
    void String(const char* key, char* buffer, size_t size) const
    {
        const int type = _table.GetMemberType(key);
        if (type == LUA_TYPE_NIL || type == LUA_TYPE_NONE)
            return;
        char text[1024];
        if (type != LUA_TYPE_STRING || !_table.GetString(key, text, sizeof(text)))
        {
            Warn(key, "is not a string");
            return;
        }
        if (std::strlen(text) >= size)
        {
            Dumper::Instance().Print(
                DUMP_WARNING, "Particle set \"%s\", emitter %d: \"%s\" is longer than %zu characters; it is cut\n",
                _file, _emitter, key, size - 1);
        }
        std::snprintf(buffer, size, "%s", text);
    }

    // {time, value} pairs in order; a pair that is not two finite numbers is left out.
    template <typename T, typename Convert>
    void Curve(const char* key, Lerper<T>& curve, Convert convert) const
    {
        Table pairs;
        if (!ReadTable(key, pairs))
            return;
        const int count = pairs.GetArraySize();
        for (int i = 1; i <= count; ++i)
        {
            Table pair;
            double time, value;
            T converted;
            if (!pairs.GetTable(i, pair) || !pair.GetNumber(1, time) || !pair.GetNumber(2, value) ||
                !std::isfinite(time) || std::fabs(time) > 3.4e38 || !convert(value, converted))
            {
                Warn(key, "holds a key that is not a pair of numbers; it is left out");
                continue;
            }
            if (!curve.AddKey(float(time), converted))
            {
                Warn(key, "holds more keys than a curve takes; the rest are left out");
                return;
            }
        }
    }

    bool ReadTable(const char* key, Table& out) const
    {
        const int type = _table.GetMemberType(key);
        if (type == LUA_TYPE_NIL || type == LUA_TYPE_NONE)
            return false;
        if ((type == LUA_TYPE_TABLE || type == LUA_TYPE_ARRAY) && _table.GetTable(key, out))
            return true;
        Warn(key, "is not a table");
        return false;
    }

private:
    // True for a number; a member of another type is reported, a missing one is not.
    bool Number(const char* key, double& value) const
    {
        const int type = _table.GetMemberType(key);
        if (type == LUA_TYPE_NIL || type == LUA_TYPE_NONE)
            return false;
        if (type == LUA_TYPE_NUMBER && _table.GetNumber(key, value))
            return true;
        Warn(key, "is not a number");
        return false;
    }

    void Warn(const char* key, const char* problem) const
    {
        if (_emitter > 0)
        {
            Dumper::Instance().Print(DUMP_WARNING, "Particle set \"%s\", emitter %d: \"%s\" %s\n", _file, _emitter, key,
                                     problem);
        }
        else
        {
            Dumper::Instance().Print(DUMP_WARNING, "Particle set \"%s\": \"%s\" %s\n", _file, key, problem);
        }
    }

    const Table& _table;
    const char* _file;
    int _emitter; // from 1; 0 for the top level
};

bool FloatValue(double value, float& out)
{
    if (!std::isfinite(value) || std::fabs(value) > 3.4e38)
        return false;
    out = float(value);
    return true;
}

// A packed ARGB number: alpha in bits 24-31, red 16-23, green 8-15, blue 0-7.
bool PackedColor(double value, Color& out)
{
    if (!(value >= 0.0 && value < 4294967296.0))
        return false;
    const uint32_t argb = static_cast<uint32_t>(value);
    out = Color(float((argb >> 16) & 0xFF) * ChannelScale, float((argb >> 8) & 0xFF) * ChannelScale,
                float(argb & 0xFF) * ChannelScale, float(argb >> 24) * ChannelScale);
    return true;
}

void LoadLerp(const EmitterReader& reader, const char* key, Lerper<float>& curve)
{
    reader.Curve(key, curve, FloatValue);
}

ParticleEmitterInfo ReadEmitter(const Table& table, const char* file, int index, float speed)
{
    const EmitterReader reader(table, file, index);
    ParticleEmitterInfo info;
    info.speed = speed;
    reader.String("Material", info.materialName, sizeof(info.materialName));
    reader.Unsigned("au", info.au, 0xFFFF);
    reader.Unsigned("av", info.av, 0xFFFF);
    reader.Unsigned("ASize", info.ASize, 256);
    reader.Float("StartDelay", info.StartDelay);
    reader.Float("Duration", info.Duration);
    reader.Float("RepeatDelay", info.RepeatDelay);
    reader.Unsigned("EmissionMode", info.EmissionMode, 0xFFFF);
    reader.Unsigned("ScatterMode", info.ScatterMode, 0xFFFF);
    reader.Float("DefaultLengthAdjust", info.DefaultLengthAdjust);
    reader.Unsigned("ParticleShape", info.ParticleShape, 0xFFFF);
    // The level search walks every level, so their number stays small.
    reader.Unsigned("LodLevels", info.LodLevels, 16);
    reader.Unsigned("AnimLength", info.AnimLength, 0xFFFF);
    reader.Float("AnimDelay", info.AnimDelay);
    reader.Float("ParticleLifetimeVar", info.ParticleLifetimeVar);
    reader.Float("ParticleVelocityVar", info.ParticleVelocityVar);
    reader.Float("ParticleSizeVar", info.ParticleSizeVar);
    reader.Float("ParticleSpinVar", info.ParticleSpinVar);
    LoadLerp(reader, "Rate", info.Rate);
    LoadLerp(reader, "Scattering", info.Scattering);
    LoadLerp(reader, "InnerRadius", info.InnerRadius);
    LoadLerp(reader, "OuterRadius", info.OuterRadius);
    LoadLerp(reader, "Lifetime", info.Lifetime);
    LoadLerp(reader, "Velocity", info.Velocity);
    LoadLerp(reader, "Size", info.Size);
    LoadLerp(reader, "Spin", info.Spin);
    reader.Curve("Color", info.Color, PackedColor);
    return info;
}

} // namespace

bool EmitterMgr::OnParseEntryTable(Table table)
{
    if (!_parsing)
        return false;
    _parsing->SetParsed();
    const char* file = _parsing->GetInfo().name;
    const EmitterReader reader(table, file, 0);
    float speed = 1.0f;
    reader.Float("speed", speed);
    if (!(speed > 0.0f))
    {
        Dumper::Instance().Print(DUMP_WARNING, "Particle set \"%s\": a speed of %g plays nothing; 1 is used\n", file,
                                 double(speed));
        speed = 1.0f;
    }
    Table emitters;
    if (!reader.ReadTable("Emitters", emitters))
    {
        Dumper::Instance().Print(DUMP_WARNING, "Particle set \"%s\" has no \"Emitters\"\n", file);
        return true;
    }
    const int count = emitters.GetArraySize();
    for (int i = 1; i <= count; ++i)
    {
        Table emitter;
        if (emitters.GetTable(i, emitter))
            _parsing->GetEmitters().push_back(ReadEmitter(emitter, file, i, speed));
        else
            Dumper::Instance().Print(DUMP_WARNING, "Particle set \"%s\": emitter %d is not a table\n", file, i);
    }
    return true;
}
