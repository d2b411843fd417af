#pragma once

#include "foundation/base/Handles.h"
#include "foundation/base/Timer.h"

#include <functional>
#include <memory>

class Camera;
class ConfigSystem;
class Dumper;
class EmitterMgr;
class GameFrameManager;
class GameSettings;
class GameTexts;
class InputConfig;
class InputSystem;
class MaterialSystem;
class NetworkEngine;
class NetworkSettings;
class RenderScene;
class RenderSettings;
class ResourceSystem;
class SoundEngine;
class SoundSettings;
class VideoSettings;
class VirtualMachine;

// Owns every engine service and runs their start-up, their per-frame update and their shut-down
// in a fixed order. The services are reached through the getters, which return what is held
// (null before Start and after ShutDown). One owner per service: the engine cannot be copied.
class GameEngine
{
public:
    GameEngine();
    virtual ~GameEngine();
    GameEngine(const GameEngine&) = delete;
    GameEngine& operator=(const GameEngine&) = delete;

    // Creates the services on the window, in order; the flag is the game's (a mission given on
    // the command line).
    virtual void Start(WindowHandle window, bool flag);
    // Timer, input, the current frame, sound, network, then the screen layers. The frame runs on
    // the game's time, which stands still while the game is paused; its fade and the layers
    // (the console among them) run on the clock.
    virtual void Proceed();
    // Writes "outconfig.cfg" first, then frees every service. Safe to call twice.
    virtual void ShutDown();

    // The installed timer when a test installed one, else the engine's own.
    Timer* GetTimer() const { return _installedTimer ? _installedTimer : _timer.get(); }
    float GetFPS() const;
    // The last frame's duration in seconds; 0 while the game is paused or before Start. Inline:
    // every actor asks for it every frame.
    float GetSPF() const
    {
        const Timer* timer = GetTimer();
        return timer ? timer->GetSPF() : 0.0f;
    }
    // The last frame's duration in seconds even while the game is paused, for what keeps
    // moving then: the console, the frames' fades and the pause menu.
    float GetRealSPF() const
    {
        const Timer* timer = GetTimer();
        return timer ? timer->GetRealSPF() : 0.0f;
    }
    VirtualMachine* GetVirtualMachine() const { return _vm.get(); }
    ConfigSystem* GetConfig() const { return _config.get(); }
    Dumper* GetDumper() const { return _dumper; }
    VideoSettings* GetVideoSettings() const { return _videoSettings.get(); }
    RenderSettings* GetRenderSettings() const { return _renderSettings.get(); }
    GameSettings* GetGameSettings() const { return _gameSettings.get(); }
    SoundSettings* GetSoundSettings() const { return _soundSettings.get(); }
    NetworkSettings* GetNetworkSettings() const { return _networkSettings.get(); }
    GameTexts* GetGameTextsSystem() const { return _installedTexts ? _installedTexts : _texts.get(); }
    // Texts a test installs in place of the engine's (null takes them back); they stay the
    // installer's.
    void SetGameTextsSystem(GameTexts* texts) { _installedTexts = texts; }
    // The installed input when a test installed one, else the engine's own.
    InputSystem* GetInput() const { return _installedInput ? _installedInput : _input.get(); }
    ResourceSystem* GetResourceSystem() const { return _resources.get(); }
    NetworkEngine* GetNetworkEngine() const { return _network.get(); }
    GameFrameManager* GetGameFrameManager() const { return _frameManager.get(); }
    MaterialSystem* GetRender() const { return _render.get(); }
    RenderScene* GetRenderScene() const { return _scene.get(); }
    // Made by the scene, which owns it.
    Camera* GetCamera() const { return _camera; }
    SoundEngine* GetSoundEngine() const { return _sound.get(); }
    EmitterMgr* GetEmitterManager() const { return _emitters.get(); }

    // What the game world reads its frame time from; tests install their own clock. An installed
    // timer stays its installer's; null gives the engine's own back.
    void SetTimer(Timer* timer) { _installedTimer = timer; }
    // The clock the screens' videos play by, in seconds: real time unless a test installed its
    // own, which the videos read on their own threads. Null gives real time back.
    const std::function<double()>& GetVideoClock() const { return _videoClock; }
    void SetVideoClock(std::function<double()> clock);
    // The input the game world reads its controls from; tests install scripted input. An
    // installed input stays its installer's, and its installer processes it; null gives the
    // engine's own back.
    void SetInput(InputSystem* input) { _installedInput = input; }

protected:
    // A line of the start-up or shut-down log naming one service.
    void LogCreated(const char* service) const;
    void LogFreed(const char* service) const;

private:
    template <class T>
    void Free(std::unique_ptr<T>& service, const char* name);
    void RegisterLogClients();

    std::unique_ptr<Timer> _timer;
    Timer* _installedTimer = nullptr;
    InputSystem* _installedInput = nullptr;
    std::function<double()> _videoClock;
    std::unique_ptr<VirtualMachine> _vm;
    std::unique_ptr<ConfigSystem> _config;
    Dumper* _dumper = nullptr; // the process-wide log
    std::unique_ptr<VideoSettings> _videoSettings;
    std::unique_ptr<RenderSettings> _renderSettings;
    std::unique_ptr<GameSettings> _gameSettings;
    std::unique_ptr<SoundSettings> _soundSettings;
    std::unique_ptr<NetworkSettings> _networkSettings;
    std::unique_ptr<GameTexts> _texts;
    GameTexts* _installedTexts = nullptr;
    std::unique_ptr<InputSystem> _input;
    std::unique_ptr<InputConfig> _inputConfig;
    std::unique_ptr<ResourceSystem> _resources;
    std::unique_ptr<NetworkEngine> _network;
    std::unique_ptr<GameFrameManager> _frameManager;
    std::unique_ptr<MaterialSystem> _render;
    std::unique_ptr<RenderScene> _scene;
    Camera* _camera = nullptr;
    std::unique_ptr<SoundEngine> _sound;
    std::unique_ptr<EmitterMgr> _emitters;
    bool _layers = false; // the layer manager's statics were created
};
