#pragma once
#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

#include <gtest/gtest.h>

#include "foundation/base/Dumper.h"
#include "foundation/config/ConfigSystem.h"
#include "foundation/config/GameSettings.h"
#include "foundation/config/NetworkSettings.h"
#include "foundation/config/RenderSettings.h"
#include "foundation/config/SoundSettings.h"
#include "foundation/config/VideoSettings.h"

class LogCapture : public IDumperClient
{
public:
    explicit LogCapture(std::vector<std::string>& lines) : _lines(lines) {}
    void OnPrint(eDumpEvent kind, const char* text) override
    {
        _lines.push_back(std::to_string(static_cast<int>(kind)) + ":" + text);
    }
    void OnDump(eDumpEvent, const void*, unsigned) override {}

private:
    std::vector<std::string>& _lines;
};

// The configuration system with the five sheets, in the engine's order, over a temporary folder.
struct ConfigSet
{
    explicit ConfigSet(Dumper* dumper, const char* constants = nullptr)
        : config(std::make_unique<ConfigSystem>(dumper, constants)),
          video(std::make_unique<VideoSettings>(config.get())), render(std::make_unique<RenderSettings>(config.get())),
          game(std::make_unique<GameSettings>(config.get())), sound(std::make_unique<SoundSettings>(config.get())),
          network(std::make_unique<NetworkSettings>(config.get()))
    {}
    ~ConfigSet()
    {
        network.reset();
        sound.reset();
        game.reset();
        render.reset();
        video.reset();
        config.reset();
    }

    std::unique_ptr<ConfigSystem> config;
    std::unique_ptr<VideoSettings> video;
    std::unique_ptr<RenderSettings> render;
    std::unique_ptr<GameSettings> game;
    std::unique_ptr<SoundSettings> sound;
    std::unique_ptr<NetworkSettings> network;
};

class ConfigTest : public ::testing::Test
{
protected:
    ConfigTest()
    {
        static int counter = 0;
        dir = std::filesystem::temp_directory_path() /
              ("bm_config_" + std::to_string(::getpid()) + "_" + std::to_string(counter++));
        std::filesystem::create_directories(dir);
        dumper.RegisterClient(new LogCapture(log));
    }
    ~ConfigTest() override { std::filesystem::remove_all(dir); }

    std::string Path(const std::string& name) const { return (dir / name).string(); }
    std::string Write(const std::string& name, const std::string& text) const
    {
        std::ofstream(Path(name), std::ios::binary) << text;
        return Path(name);
    }
    std::string Read(const std::string& name) const
    {
        std::ifstream in(Path(name), std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    bool Logged(eDumpEvent kind, const std::string& text) const
    {
        for (const std::string& line : log)
            if (line == std::to_string(static_cast<int>(kind)) + ":" + text)
                return true;
        return false;
    }

    std::filesystem::path dir;
    std::vector<std::string> log;
    Dumper dumper;
};
