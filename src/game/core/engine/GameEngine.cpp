#include "game/core/engine/GameEngine.h"

#include "MaterialSystem/MaterialSystem.h"
#include "MaterialSystem/materials/MaterialMgr.h"
#include "MaterialSystem/meshes/MeshMgr.h"
#include "MaterialSystem/textures/TextureMgr.h"
#include "ResourceSystem/ResourceSystem.h"
#include "foundation/base/Dumper.h"
#include "foundation/base/Profiler.h"
#include "foundation/base/Random.h"
#include "foundation/base/Timer.h"
#include "foundation/config/ConfigSystem.h"
#include "foundation/config/GameSettings.h"
#include "foundation/config/NetworkSettings.h"
#include "foundation/config/RenderSettings.h"
#include "foundation/config/SoundSettings.h"
#include "foundation/config/VideoSettings.h"
#include "foundation/lua/VirtualMachine.h"
#include "game/core/frames/GameFrameManager.h"
#include "game/core/texts/GameTexts.h"
#include "layers/LayerManager.h"
#include "scene/RenderScene.h"
#include "scene/particles/EmitterMgr.h"
#include "scene/model/ModelMgr.h"
#include "scene/nodes/Camera.h"
#include "services/input/InputCodes.h"
#include "services/input/InputConfig.h"
#include "services/input/InputSystem.h"
#include "services/network/NetworkEngine.h"
#include "services/sound/SoundEngine.h"

#include <chrono>
#include <ctime>
#include <filesystem>
#include <system_error>

namespace {

constexpr unsigned long PauseScanCode = 25; // P

// "config.ini" in the working folder.
std::string BindingsPath()
{
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::current_path(error);
    return (folder / "config.ini").string();
}

double RealSeconds()
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

} // namespace

GameEngine::GameEngine() : _videoClock(RealSeconds) {}

GameEngine::~GameEngine() = default;

void GameEngine::SetVideoClock(std::function<double()> clock)
{
    _videoClock = clock ? std::move(clock) : std::function<double()>(RealSeconds);
}

float GameEngine::GetFPS() const
{
    const Timer* timer = GetTimer();
    return timer ? timer->GetFPS() : 0.0f;
}

void GameEngine::LogCreated(const char* service) const
{
    Dumper::Instance().Print(DUMP_STARTUP, "Engine: %s created\n", service);
}

void GameEngine::LogFreed(const char* service) const
{
    Dumper::Instance().Print(DUMP_SHUTDOWN, "Engine: %s freed\n", service);
}

template <class T>
void GameEngine::Free(std::unique_ptr<T>& service, const char* name)
{
    if (!service)
        return;
    service.reset();
    LogFreed(name);
}

// The log's clients belong to the process-wide log, which lives as long as the process: the file
// client is registered by the first start only, so that a later start does not write every line
// twice. The log itself already echoes every line to standard output and the console, so a
// console client would print each line a second time.
void GameEngine::RegisterLogClients()
{
    static const bool registered =
        Dumper::Instance().RegisterClient(new FileDumper("game.log", FileDumper::FD_RELIABLE));
    (void)registered;
}

void GameEngine::Start(WindowHandle window, bool)
{
    EngineSeed(unsigned(std::time(nullptr)));

    _timer = std::make_unique<Timer>(0.75f);
    _timer->Start(60.0f);
    Profiler::SetTimer(_timer.get());

    _vm = std::make_unique<VirtualMachine>();

    _dumper = &Dumper::Instance();
    RegisterLogClients();
    LogCreated("timer");
    LogCreated("virtual machine");

    _config = std::make_unique<ConfigSystem>(_dumper, "config_constants.lua");
    _videoSettings = std::make_unique<VideoSettings>(_config.get());
    _renderSettings = std::make_unique<RenderSettings>(_config.get());
    _gameSettings = std::make_unique<GameSettings>(_config.get());
    _soundSettings = std::make_unique<SoundSettings>(_config.get());
    _networkSettings = std::make_unique<NetworkSettings>(_config.get());
    _config->ExecFile("config.cfg");
    LogCreated("configuration");

    _resources = std::make_unique<ResourceSystem>(_dumper, 1);
    LogCreated("resource system");

    _network = std::make_unique<NetworkEngine>(_networkSettings.get());
    LogCreated("network engine");

    _inputConfig = std::make_unique<InputConfig>();
    _input = std::make_unique<InputSystem>(window);
    _input->SetConfig(_inputConfig.get());
    _inputConfig->SetButtonEvent(INPUT_KEYBOARD, "GamePause", PauseScanCode);
    _inputConfig->LoadConfig(BindingsPath().c_str());
    LogCreated("input system");

    _texts = std::make_unique<GameTexts>();
    _texts->Initialize();
    LogCreated("texts");

    _render = std::make_unique<MaterialSystem>(window, _dumper, _resources.get(), _videoSettings.get(), false);
    _render->InitSystem("ShaderLib\\");
    _render->GetMaterialMgr()->SetRootDir("materials");
    _render->GetMeshMgr()->SetRootDir("meshes");
    _render->GetTextureMgr()->SetRootDir("textures");
    LogCreated("render device");

    _scene = std::make_unique<RenderScene>(_render.get(), _resources.get(), _dumper, _renderSettings.get());
    _scene->GetModelMgr()->SetRootDir("assets");
    _camera = _scene->CreateCamera();
    _camera->SetPosition(0.0f, 0.0f, -100.0f);
    _camera->SetNearClip(1.0f);
    _camera->SetFarClip(75000.0f);
    _camera->SetFov(_gameSettings->PlayerFov);
    LogCreated("render scene");

    _sound = std::make_unique<SoundEngine>(_resources.get(), _dumper, _soundSettings.get());
    _sound->Init();
    LogCreated("sound engine");

    _emitters = std::make_unique<EmitterMgr>(_resources.get(), _render.get());
    _emitters->SetRootDir("particles");
    LogCreated("emitter manager");

    LayerManager::Create(_dumper, _render.get());
    _layers = true;
    LogCreated("layer manager");

    _frameManager = std::make_unique<GameFrameManager>(this, _input.get());
    _frameManager->Initialize();
    LogCreated("frame manager");
}

void GameEngine::Proceed()
{
    _timer->Tick();
    _input->ProcessInputData();
    const float seconds = GetSPF();
    const float realSeconds = GetRealSPF();
    _frameManager->Proceed(seconds, realSeconds);
    _sound->Update();
    _network->Update(seconds);
    LayerManager::Update(realSeconds);
}

// Settings are written before anything is freed, so the file holds the values of the run. What
// uses the render device (frames, layers, the scene) goes before it, and it goes before the video
// settings it reads.
void GameEngine::ShutDown()
{
    if (_config)
        _config->WriteFile("outconfig.cfg");

    if (_frameManager)
        _frameManager->ShutDown();
    Free(_frameManager, "frame manager");
    if (_layers)
    {
        LayerManager::Release();
        _layers = false;
        LogFreed("layer manager");
    }
    _camera = nullptr;
    Free(_scene, "render scene");
    Free(_emitters, "emitter manager");
    Free(_render, "render device");

    if (Profiler::GetTimer() == _timer.get())
        Profiler::SetTimer(nullptr);
    // The measurements of the frames go with the engine that made them.
    Profiler::ClearProfileTree();
    Free(_timer, "timer");
    Free(_network, "network engine");

    _networkSettings.reset();
    _soundSettings.reset();
    _gameSettings.reset();
    _renderSettings.reset();
    _videoSettings.reset();

    if (_sound)
        _sound->ShutDown();
    Free(_resources, "resource system");
    Free(_sound, "sound engine");

    if (_texts)
        _texts->ShutDown();
    Free(_texts, "texts");

    Free(_input, "input system");
    _inputConfig.reset();
    Free(_config, "configuration");
    Free(_vm, "virtual machine");
}
