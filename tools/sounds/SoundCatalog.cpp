#include "sounds/SoundCatalog.h"

#include <cstdio>

#include "sounds/MissionLogicSounds.h"
#include "sounds/Synth.h"

namespace {

std::string Format(const char* fmt, int a, int b = 0, int c = 0)
{
    char text[256];
    std::snprintf(text, sizeof text, fmt, a, b, c);
    return text;
}

// Spreads pitches and seeds over the entries so no two sound alike.
struct Maker
{
    std::vector<CatalogEntry>& out;
    uint32_t seed = 1;

    void Burst(const std::string& path, float seconds, float darkness)
    {
        const uint32_t s = seed++;
        out.push_back({path, [=] { return synth::Burst(seconds, 0.8f, darkness, s); }});
    }
    void Sweep(const std::string& path, float from, float to, float seconds)
    {
        out.push_back({path, [=] { return synth::Sweep(from, to, seconds, 0.5f); }});
    }
    void Voice(const std::string& path, float pitch, float seconds)
    {
        const uint32_t s = seed++;
        out.push_back({path, [=] { return synth::Voice(pitch, seconds, s); }});
    }
};

const char* const kRaces[] = {"asp", "blg", "fslk", "rtb", "sha", "smkt", "tld", "ytg"};

} // namespace

std::vector<CatalogEntry> SoundEffectCatalog()
{
    std::vector<CatalogEntry> out;
    Maker m{out};
    const std::string s = "sounds/";

    m.Sweep(s + "alert_shield_down.wav", 880, 440, 0.4f);
    m.Sweep(s + "boost.wav", 120, 480, 0.6f);
    m.Sweep(s + "pick_target.wav", 1200, 1200, 0.08f);
    m.Sweep(s + "pick_target_nearest.wav", 1000, 1400, 0.1f);
    m.Sweep(s + "weapon_select.wav", 600, 900, 0.08f);
    m.Sweep(s + "menu/select_button.wav", 700, 700, 0.05f);
    m.Sweep(s + "menu/select_slot.wav", 500, 600, 0.05f);
    m.Sweep(s + "menu/press_button.wav", 900, 500, 0.1f);
    m.Voice(s + "speech_blg_do_you_need_any_help_00.wav", 140, 0.8f);
    for (int i = 0; i < 2; ++i)
        m.Burst(s + Format("collision_%.2d.wav", i), 0.3f, 0.8f);
    for (int i = 0; i < 3; ++i)
        m.Burst(s + Format("debris_explosion_%.2d.wav", i), 0.5f, 0.85f);
    for (int i = 0; i < 8; ++i)
        m.Burst(s + Format("debris_hit_%.2d.wav", i), 0.15f, 0.6f);
    for (int i = 0; i < 4; ++i)
        m.Burst(s + Format("hit_in_player_%.2d.wav", i), 0.2f, 0.7f);
    for (int i = 0; i < 3; ++i)
        m.Sweep(s + Format("hit_in_player_shield_%.2d.wav", i), 300.0f + 80 * i, 200, 0.2f);
    for (const char* kind : {"exp_%.2d.wav", "exp_ast_%.2d.wav", "exp_ice_%.2d.wav", "exp_lava_%.2d.wav"})
    {
        // Farther explosions (higher numbers) sound duller.
        for (int i = 0; i < 5; ++i)
            m.Burst(s + Format(kind, i), 0.9f, 0.8f + 0.03f * i);
    }
    for (const char* race : kRaces)
    {
        const std::string w = s + "weapons/" + race;
        for (int i = 0; i < 2; ++i)
            m.Sweep(w + Format("_blaster_%.2d.wav", i), 1500.0f - 300 * i, 300, 0.15f);
        m.Sweep(w + "_rocket_00.wav", 200, 90, 0.5f);
        m.Sweep(w + "_torpeda_00.wav", 150, 60, 0.6f);
    }
    m.Burst(s + "weapons/divisionexplosion.wav", 0.8f, 0.85f);

    const std::string robot = s + "localization/en/robot/";
    for (const char* line :
         {"01_systems/eng_l_flr", "01_systems/eng_r_flr", "02_parts/p_wing_l_dmg", "02_parts/p_wing_r_dmg",
          "04_enemy_objects/obj_enemy_ftr", "04_enemy_objects/obj_enemy_ship", "05_warnings/shld_dwn",
          "05_warnings/warn_pwr_low_1", "05_warnings/warn_pwr_low_2", "05_warnings/warn_shield_80",
          "05_warnings/warn_ship_atak", "05_warnings/warn_ship_dmg_1", "05_warnings/warn_ship_dmg_2"})
        m.Voice(robot + line + ".wav", 220, 0.6f);

    const std::string blg = s + "localization/en/blg/";
    for (int v = 1; v <= 4; ++v)
    {
        const float pitch = 100.0f + 20 * v;
        for (int n = 7; n <= 16; ++n)
            m.Voice(blg + Format("dead_screams/v%d/any_dead_scrm_%.2d_v%d.wav", v, n, v), pitch * 1.5f, 0.4f);
        for (int n = 1; n <= 7; ++n)
        {
            m.Voice(blg + Format("player_is_under_attack/v%d/bos_atk_bk_%d_v%d.wav", v, n, v), pitch, 0.5f);
            m.Voice(blg + Format("player_shoots_allies/v%d/man_whereu_shoot_s%d.wav", v, n), pitch, 0.5f);
        }
        for (int n = 3; n <= 8; ++n)
            m.Voice(blg + Format("ytg_fighters_got_local_victory/v%d/any_help_me_%d_v%d.wav", v, n, v), pitch, 0.5f);
        for (int n = 1; n <= 4; ++n)
            m.Voice(blg + Format("ytg_reinforcement_approaches_from_portal/v%d/bos_reinforce_%d.wav", v, n), pitch,
                    0.5f);
    }

    const std::string m13 = s + "localization/en/mission13/";
    for (const char* line :
         {"onstart/m13_start_s1_v6", "onstart/m13_start_s2_v7", "onstart/m13_start_s3_v1", "onstart/m13_start_s4_v7",
          "04_ytg_detected_pirates/m13_order_start_v1", "04_ytg_detected_pirates/m13_order_start_v7"})
        m.Voice(m13 + line + ".wav", 130, 1.2f);
    for (CatalogEntry& entry : MissionLogicVoiceLines())
        out.push_back(std::move(entry));

    // The voices lie under the game's language; every language the settings program offers has
    // the same lines.
    const std::string english = s + "localization/en/";
    const size_t count = out.size();
    for (size_t i = 0; i < count; ++i)
    {
        if (out[i].path.rfind(english, 0) == 0)
            out.push_back({s + "localization/ru/" + out[i].path.substr(english.size()), out[i].make});
    }
    return out;
}

std::vector<CatalogEntry> MusicCatalog()
{
    struct Track
    {
        const char* path;
        float root;
        float tempo;
    };
    static const Track kTracks[] = {
        {"music/00_menu.xwma", 220.0f, 96},
        {"music/01_ytg_exploration.xwma", 196.0f, 84},
        {"music/01_ytg_battletrack.xwma", 174.6f, 132},
        {"music/06_sha_exploration_1.xwma", 246.9f, 90},
    };
    std::vector<CatalogEntry> out;
    uint32_t seed = 100;
    for (const Track& t : kTracks)
    {
        const uint32_t s = seed++;
        out.push_back({t.path, [=] { return synth::MusicLoop(t.root, 4, t.tempo, s); }});
    }
    for (CatalogEntry& entry : MissionLogicMusic())
        out.push_back(std::move(entry));
    return out;
}
