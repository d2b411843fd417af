// Particle set files: loading into an effect, the cache of parsed files, writing an effect
// and reading it back, and files that are missing or malformed.
#include "../SceneFixture.h"
#include "foundation/base/Dumper.h"
#include "foundation/base/Random.h"
#include "scene/particles/Emitter.h"
#include "scene/particles/EmitterMgr.h"
#include "scene/particles/ParticleEmitter.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

const char* const TwoEmitters = R"(-- two emitters, every key given
ParticleSet = {
    speed = 2;
    Emitters = {
        {
            au = 1; av = 2; ASize = 4;
            StartDelay = -0.5; Duration = 1.5; RepeatDelay = 3;
            EmissionMode = 2; ScatterMode = 1; DefaultLengthAdjust = 0.25;
            ParticleShape = 3; LodLevels = 2; AnimLength = 8; AnimDelay = 0.05;
            ParticleLifetimeVar = 0.1; ParticleVelocityVar = 0.2;
            ParticleSizeVar = 0.3; ParticleSpinVar = 0.4;
            Rate = { {0, 10}, {1, 0} };
            Scattering = { {0, 30} };
            InnerRadius = { {0, 1} };
            OuterRadius = { {0, 2} };
            Lifetime = { {0, 0.75} };
            Velocity = { {0, 5}, {0.5, 2}, {1, 1} };
            Size = { {0, 1}, {1, 8} };
            Spin = { {0, 45} };
            Color = { {0, 4278190335}, {1, 16777215} };
        },
        {
            Rate = { {0, 4} };
        },
    };
}
)";

// An effect and a manager on a folder of its own, without a device (so without materials).
class EmitterMgrTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        SceneLog::Clear();
        EngineSeed(7);
        fs::create_directories(_folder);
        _mgr.SetRootDir((_folder.string() + "/").c_str());
        _root.Attach(_effect);
    }
    void TearDown() override { fs::remove_all(_folder); }

    void Write(const std::string& name, const std::string& text)
    {
        std::ofstream(_folder / name, std::ios::binary) << text;
    }

    const fs::path _folder =
        fs::temp_directory_path() / ("bm_particles_" + std::to_string(getpid()) + "_" +
                                     ::testing::UnitTest::GetInstance()->current_test_info()->name());
    ResourceSystem _resources{&Dumper::Instance(), 1};
    EmitterMgr _mgr{&_resources, nullptr};
    Group _root{nullptr, nullptr};
    Emitter* _effect = new Emitter(&_root, nullptr);
};

void ExpectSameCurve(const Lerper<float>& a, const Lerper<float>& b, const char* name)
{
    ASSERT_EQ(a.GetCount(), b.GetCount()) << name;
    for (unsigned i = 0; i < a.GetCount(); ++i)
    {
        EXPECT_FLOAT_EQ(a.GetKeyTime(i), b.GetKeyTime(i)) << name << " " << i;
        EXPECT_FLOAT_EQ(a.GetKeyValue(i), b.GetKeyValue(i)) << name << " " << i;
    }
}

} // namespace

TEST_F(EmitterMgrTest, AFileFillsTheEffectAndPlaysItAtItsSpeed)
{
    Write("two.pse", TwoEmitters);
    _mgr.Load("Two.PSE", _effect);
    EXPECT_TRUE(SceneLog::Lines().empty()) << SceneLog::Lines().front();
    ASSERT_EQ(_effect->GetNumParticleEmitters(), 2u);
    EXPECT_TRUE(_effect->IsPlaying());
    EXPECT_EQ(_effect->GetSpeedFactor(), 2.0f);

    const ParticleEmitter* e = _effect->GetParticleEmitter(0);
    EXPECT_EQ(e->GetTexIndexU(), 1u);
    EXPECT_EQ(e->GetTexIndexV(), 2u);
    EXPECT_EQ(e->GetAtlasDivU(), 4u);
    EXPECT_TRUE(e->HasAtlas());
    EXPECT_EQ(e->GetStartDelay(), 0.5f);
    EXPECT_EQ(e->GetDuration(), 1.5f);
    EXPECT_EQ(e->GetRepeatDelay(), 3.0f);
    EXPECT_EQ(e->GetEmissionMode(), EM_RING);
    EXPECT_EQ(e->GetScatterMode(), SM_FAN_Y);
    EXPECT_EQ(e->GetDefaultLengthAdjust(), 0.25f);
    EXPECT_EQ(e->GetParticleShape(), PS_LINE);
    EXPECT_EQ(e->GetLodLevels(), 2u);
    EXPECT_EQ(e->GetParticleAnimationLength(), 8u);
    EXPECT_FLOAT_EQ(e->GetParticleAnimationDelay(), 0.05f);
    EXPECT_FLOAT_EQ(e->GetParticleSpinVar(), 0.4f);
    EXPECT_EQ(e->GetTintStrength(), 1.0f);
    EXPECT_FLOAT_EQ(e->GetParticleVelocity().GetValue(0.25f), 3.5f);
    EXPECT_EQ(e->GetParticleVelocity().GetCount(), 3u);
    // {0, 4278190335} is opaque blue; the second key is transparent white.
    EXPECT_EQ(e->GetParticleColor().GetKeyValue(0), Color(0.0f, 0.0f, 0.00392157f * 255.0f, 0.00392157f * 255.0f));
    EXPECT_FLOAT_EQ(e->GetParticleColor().GetValue(1.0f).r, 1.0f);
    EXPECT_EQ(e->GetParticleColor().GetValue(1.0f).a, 0.0f);

    // Curves a file leaves out keep the emitter's own value, with no keys of their own.
    const ParticleEmitter* second = _effect->GetParticleEmitter(1);
    EXPECT_EQ(second->GetParticleSize().GetCount(), 0u);
    EXPECT_EQ(second->GetParticleSize().GetValue(0.5f), 2.0f);
    EXPECT_EQ(second->GetEmissionLifetime().GetValue(0.0f), 1.0f);
    EXPECT_EQ(second->GetEmissionRate().GetValue(0.0f), 4.0f);
    EXPECT_EQ(second->GetScatterMode(), SM_CONE);
}

TEST_F(EmitterMgrTest, AFileIsParsedOnceWhateverTheCaseOfItsName)
{
    Write("cached.pse", TwoEmitters);
    _mgr.Load("CACHED.pse", _effect);
    Write("cached.pse", "ParticleSet = { Emitters = { {} } }");
    Emitter* again = new Emitter(&_root, nullptr);
    _root.Attach(again);
    _mgr.Load("cached.pse", again);
    EXPECT_EQ(again->GetNumParticleEmitters(), 2u);
    EXPECT_EQ(again->GetParticleEmitter(0)->GetDuration(), 1.5f);

    // Once the cache is emptied the file is read anew.
    _mgr.Clear();
    Emitter* fresh = new Emitter(&_root, nullptr);
    _root.Attach(fresh);
    _mgr.Load("cached.pse", fresh);
    EXPECT_EQ(fresh->GetNumParticleEmitters(), 1u);
}

TEST_F(EmitterMgrTest, AnEffectWrittenReadsBackTheSame)
{
    ParticleEmitter* e = _effect->AddParticleEmitter();
    e->SetAtlasParams(8, 8);
    e->SetDefaultTexIndex(3, 5);
    e->SetStartDelay(0.25f);
    e->SetDuration(2.5f);
    e->SetRepeatDelay(100.0f);
    e->SetEmissionMode(EM_SPHERE);
    e->SetScatterMode(SM_CONE_EDGE);
    e->SetDefaultLengthAdjust(0.75f);
    e->SetParticleShape(PS_RIBBON_TRAIL);
    e->SetLodLevels(1);
    e->SetParticleAnimationLength(24);
    e->SetParticleAnimationDelay(0.0625f);
    e->SetParticleLifetimeVar(0.5f);
    e->SetParticleVelocityVar(0.125f);
    e->SetParticleSizeVar(0.25f);
    e->SetParticleSpinVar(0.375f);
    e->GetEmissionRate().AddKey(0.5f, 200.0f);
    e->GetEmissionScattering() = Lerper<float>(180.0f);
    e->GetParticleSize().AddKey(1.0f, 16.5f);
    e->GetParticleColor().AddKey(0.5f, Color(1.0f, 0.5f, 0.25f, 0.75f));
    e->GetParticleColor().AddKey(1.0f, Color(0.0f, 0.0f, 0.0f, 0.0f));
    _effect->AddParticleEmitter()->GetEmissionOuterRadius().AddKey(1.0f, 64.0f);
    _effect->Play(1.5f);

    _mgr.SetEmitter(_effect);
    ASSERT_TRUE(_mgr.Save((_folder / "saved.pse").c_str()));
    std::ifstream in(_folder / "saved.pse", std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), {});
    EXPECT_EQ(text.find('\0'), std::string::npos);

    Emitter* loaded = new Emitter(&_root, nullptr);
    _root.Attach(loaded);
    _mgr.Load("saved.pse", loaded);
    EXPECT_TRUE(SceneLog::Lines().empty()) << SceneLog::Lines().front();
    EXPECT_EQ(loaded->GetSpeedFactor(), 1.5f);

    std::vector<ParticleEmitterInfo> before, after;
    _mgr.Serialize(_effect, &before);
    _mgr.Serialize(loaded, &after);
    ASSERT_EQ(after.size(), before.size());
    for (size_t i = 0; i < before.size(); ++i)
    {
        const ParticleEmitterInfo &a = before[i], &b = after[i];
        EXPECT_EQ(a.au, b.au);
        EXPECT_EQ(a.av, b.av);
        EXPECT_EQ(a.ASize, b.ASize);
        EXPECT_EQ(a.StartDelay, b.StartDelay);
        EXPECT_EQ(a.Duration, b.Duration);
        EXPECT_EQ(a.RepeatDelay, b.RepeatDelay);
        EXPECT_EQ(a.EmissionMode, b.EmissionMode);
        EXPECT_EQ(a.ScatterMode, b.ScatterMode);
        EXPECT_EQ(a.DefaultLengthAdjust, b.DefaultLengthAdjust);
        EXPECT_EQ(a.ParticleShape, b.ParticleShape);
        EXPECT_EQ(a.LodLevels, b.LodLevels);
        EXPECT_EQ(a.AnimLength, b.AnimLength);
        EXPECT_EQ(a.AnimDelay, b.AnimDelay);
        EXPECT_EQ(a.ParticleLifetimeVar, b.ParticleLifetimeVar);
        EXPECT_EQ(a.ParticleVelocityVar, b.ParticleVelocityVar);
        EXPECT_EQ(a.ParticleSizeVar, b.ParticleSizeVar);
        EXPECT_EQ(a.ParticleSpinVar, b.ParticleSpinVar);
        ExpectSameCurve(a.Rate, b.Rate, "Rate");
        ExpectSameCurve(a.Scattering, b.Scattering, "Scattering");
        ExpectSameCurve(a.InnerRadius, b.InnerRadius, "InnerRadius");
        ExpectSameCurve(a.OuterRadius, b.OuterRadius, "OuterRadius");
        ExpectSameCurve(a.Lifetime, b.Lifetime, "Lifetime");
        ExpectSameCurve(a.Velocity, b.Velocity, "Velocity");
        ExpectSameCurve(a.Size, b.Size, "Size");
        ExpectSameCurve(a.Spin, b.Spin, "Spin");
        ASSERT_EQ(a.Color.GetCount(), b.Color.GetCount());
        for (unsigned k = 0; k < a.Color.GetCount(); ++k)
            EXPECT_EQ(a.Color.GetKeyValue(k).ARGB(), b.Color.GetKeyValue(k).ARGB()) << k;
    }

    // Deserialize fills another effect from the same descriptions.
    Emitter* copy = new Emitter(&_root, nullptr);
    _root.Attach(copy);
    _mgr.Deserialize(copy, &after);
    EXPECT_EQ(copy->GetNumParticleEmitters(), 2u);
    EXPECT_EQ(copy->GetParticleEmitter(0)->GetParticleAnimationLength(), 24u);

    // An effect without particle emitters writes an empty set, and a folder that cannot be
    // written is reported.
    Emitter empty(&_root, nullptr);
    _mgr.SetEmitter(&empty);
    EXPECT_TRUE(_mgr.Save((_folder / "empty.pse").c_str()));
    EXPECT_FALSE(_mgr.Save((_folder / "missing" / "x.pse").c_str()));
    EXPECT_TRUE(SceneLog::Has("cannot be written"));
}

TEST_F(EmitterMgrTest, FilesThatAreMissingOrDefineNoSetFillNothing)
{
    struct Case
    {
        const char* name;
        const char* text; // null: no file
        const char* logged;
    };
    const Case cases[] = {
        {"missing.pse", nullptr, "File not found"},
        {"syntax.pse", "ParticleSet = { Emitters = { {", ""},
        {"control.pse", "ParticleSet = {}\x01", ""},
        {"other.pse", "Other = { Emitters = { {} } }", "defines no \"ParticleSet\""},
        {"notable.pse", "ParticleSet = 5", "defines no \"ParticleSet\""},
        {"noemitters.pse", "ParticleSet = { speed = 1 }", "has no \"Emitters\""},
        {"badlist.pse", "ParticleSet = { Emitters = 3 }", "is not a table"},
        {"empty.pse", "ParticleSet = { Emitters = {} }", nullptr},
        {"notemitter.pse", "ParticleSet = { Emitters = { 1, 2 } }", "emitter 1 is not a table"},
    };
    for (const Case& c : cases)
    {
        SceneLog::Clear();
        if (c.text)
            Write(c.name, c.text);
        Emitter* effect = new Emitter(&_root, nullptr);
        _root.Attach(effect);
        _mgr.Load(c.name, effect);
        EXPECT_EQ(effect->GetNumParticleEmitters(), 0u) << c.name;
        EXPECT_FALSE(effect->IsPlaying()) << c.name;
        if (c.logged)
        {
            EXPECT_FALSE(SceneLog::Lines().empty()) << c.name;
            EXPECT_TRUE(SceneLog::Has(c.logged)) << c.name;
        }
        // A name that failed is not read, or reported, again.
        SceneLog::Clear();
        _mgr.Load(c.name, effect);
        EXPECT_TRUE(SceneLog::Lines().empty()) << c.name;
    }
    // A name of any length is only looked for.
    _mgr.Load((std::string(300, 'a') + ".pse").c_str(), _effect);
    _mgr.Load((std::string(130, 'b') + ".pse").c_str(), _effect);
    EXPECT_EQ(_effect->GetNumParticleEmitters(), 0u);
}

TEST_F(EmitterMgrTest, BadValuesAreReportedAndKeepTheirDefaults)
{
    struct Case
    {
        const char* key;
        const char* value;
        const char* logged;
    };
    const Case cases[] = {
        {"ASize", "-1", "\"ASize\" is out of range"},
        {"ASize", "100000", "\"ASize\" is out of range"},
        {"LodLevels", "1e9", "\"LodLevels\" is out of range"},
        {"Duration", "\"long\"", "\"Duration\" is not a number"},
        {"StartDelay", "1/0", "\"StartDelay\" is not a finite number"},
        {"Rate", "5", "\"Rate\" is not a table"},
        {"Rate", "{ {0} }", "\"Rate\" holds a key that is not a pair"},
        {"Size", "{ {0, 0/0} }", "\"Size\" holds a key that is not a pair"},
        {"Size", "{ 3 }", "\"Size\" holds a key that is not a pair"},
        {"Color", "{ {0, -5} }", "\"Color\" holds a key that is not a pair"},
        {"Color", "{ {0, 4294967296} }", "\"Color\" holds a key that is not a pair"},
        {"Material", "12", "\"Material\" is not a string"},
    };
    int n = 0;
    for (const Case& c : cases)
    {
        SceneLog::Clear();
        const std::string name = "bad" + std::to_string(n++) + ".pse";
        Write(name, std::string("ParticleSet = { Emitters = { { ") + c.key + " = " + c.value + "; } } }");
        Emitter* effect = new Emitter(&_root, nullptr);
        _root.Attach(effect);
        _mgr.Load(name.c_str(), effect);
        EXPECT_TRUE(SceneLog::Has(c.logged)) << c.key << " = " << c.value;
        ASSERT_EQ(effect->GetNumParticleEmitters(), 1u) << c.key;
        const ParticleEmitter* e = effect->GetParticleEmitter(0);
        EXPECT_FALSE(e->HasAtlas());
        EXPECT_EQ(e->GetLodLevels(), 0u);
        EXPECT_EQ(e->GetDuration(), 0.0f);
        EXPECT_EQ(e->GetStartDelay(), 0.0f);
        EXPECT_EQ(e->GetEmissionRate().GetValue(0.0f), 1.0f);
        EXPECT_EQ(e->GetParticleSize().GetValue(0.0f), 2.0f);
        EXPECT_EQ(e->GetParticleColor().GetValue(0.0f), Color(1.0f, 1.0f, 1.0f, 1.0f));
        // The effect runs on what it kept.
        effect->Update(0.0f);
        for (int i = 0; i < 10; ++i)
            effect->Update(0.5f);
        EXPECT_GT(e->GetTotalParticles(), 0u) << c.key;
    }

    // A play speed that plays nothing, a long material name and a curve of too many keys.
    std::string keys;
    for (int i = 0; i <= 120; ++i)
        keys += "{" + std::to_string(i) + ", 1},";
    Write("many.pse", "ParticleSet = { speed = 0; Emitters = { { Material = \"" + std::string(100, 'm') +
                          ".mat\"; Rate = {" + keys + "} } } }");
    SceneLog::Clear();
    _mgr.Load("many.pse", _effect);
    EXPECT_TRUE(SceneLog::Has("a speed of 0 plays nothing"));
    EXPECT_TRUE(SceneLog::Has("more keys than a curve takes"));
    EXPECT_TRUE(SceneLog::Has("\"Material\" is longer than 63 characters"));
    EXPECT_EQ(_effect->GetSpeedFactor(), 1.0f);
    ASSERT_EQ(_effect->GetNumParticleEmitters(), 1u);
    EXPECT_EQ(_effect->GetParticleEmitter(0)->GetEmissionRate().GetCount(), Lerper<float>::MaxKeys);
}
