// Device creation: adapter choice, creation flags, presentation parameters and the retry ladder.
#include "MaterialSystem/MaterialSystem.h"

#include "MaterialSystem/DriverInfo.h"
#include "foundation/base/Dumper.h"
#include "foundation/config/ConfigSystem.h"
#include "foundation/config/VideoSettings.h"
#include "platform/gfx/Query.h"
#include "platform/window/Window.h"

int MaterialSystem::ChooseAdapter(const std::vector<DriverInfo>& adapters, VideoSettings& settings, Dumper* log)
{
    const int count = static_cast<int>(adapters.size());
    if (count <= 1)
        return 0;
    if (settings.DefaultDriver != -1)
    {
        if (settings.DefaultDriver >= 0 && settings.DefaultDriver < count)
            return settings.DefaultDriver;
        if (log)
            log->Print(DUMP_WARNING, "DefaultDriver %d names no adapter; using adapter 0\n", settings.DefaultDriver);
        return 0;
    }
    if (settings.UsePerfHUD)
    {
        int chosen = 0;
        for (const DriverInfo& info : adapters)
        {
            if (!info.IsPerfHUD())
                continue;
            chosen = info.GetAdapter();
            if (log)
                log->Print(DUMP_STARTUP, "Found PerfHUD adapter. GPU profiling enabled\n");
        }
        return chosen;
    }
    std::vector<Name> names;
    for (const DriverInfo& info : adapters)
        names.push_back(info.GetDescription());
    bool remember = false;
    int chosen =
        settings.GetMaster() ? settings.GetMaster()->SpawnAdapterSelectionDialog(names.data(), count, remember) : 0;
    if (chosen < 0 || chosen >= count)
        chosen = 0;
    if (remember)
        settings.DefaultDriver = chosen;
    return chosen;
}

unsigned MaterialSystem::DetermineDevCreationFlags(const DriverInfo* info)
{
    unsigned flags = 0;
    if (info->SupportsTnL())
    {
        flags = CF_HARDWARE_VERTEXPROCESSING;
        if (info->SupportsPureDevice())
            flags |= CF_PUREDEVICE;
    }
    else
    {
        flags = CF_SOFTWARE_VERTEXPROCESSING;
        _log->Print(DUMP_WARNING, "TnL is not supported by the hardware. Performance will be poor.\n");
    }
    flags |= CF_MULTITHREADED;
    if (_settings->UseDoublePrecision)
    {
        flags |= CF_FPU_PRESERVE;
        _log->Print(DUMP_WARNING, "It is not recommended to use double precision. Performance will be poor.\n");
    }
    return flags;
}

void MaterialSystem::AdjustWindowForStyle(bool fullscreen)
{
    Window* window = Window::FromHandle(_window);
    if (fullscreen)
    {
        window->SetSize(_settings->ScrWidth, _settings->ScrHeight);
        window->SetFullscreen(true);
    }
    else
    {
        window->SetFullscreen(false);
        window->SetBordered(true);
        window->SetSize(_settings->ScrWidth, _settings->ScrHeight);
    }
    window->Show();
}

void MaterialSystem::PreparePresentParameters(const DriverInfo* info, PresentParameters& params)
{
    params = PresentParameters{};
    const bool fullscreen = _settings->Fullscreen;
    params.windowed = !fullscreen;
    params.width = _settings->ScrWidth;
    params.height = _settings->ScrHeight;
    params.refreshHz = fullscreen ? _settings->RefreshHz : 0;

    if (info->GetOcclusionQuerySupport() == 0)
    {
        params.lockableBackBuffer = true;
        _log->Print(DUMP_WARNING, "Using lockable back buffer. Antialiasing disabled\n");
    }

    if (fullscreen && _settings->UseHDR && info->SupportsHDR())
    {
        params.backBufferFormat = gfx::Format::A8R8G8B8;
    }
    else
    {
        params.backBufferFormat = info->ColorDepthToD3DFormat(_settings->ColorDepth, fullscreen);
        const int used = DriverInfo::D3DFormatToColorDepth(params.backBufferFormat);
        if (used != _settings->ColorDepth)
        {
            _log->Print(DUMP_WARNING,
                        "%d-bit Color Depth is not supported by the hardware. Defaulting to %d-bit Color Depth\n",
                        _settings->ColorDepth, used);
        }
    }
    params.depthFormat = info->FindSupportedDepthFormat(gfx::Format::D32, params.backBufferFormat);
    params.vsync = fullscreen && _settings->VSync;

    if (fullscreen)
    {
        AdjustWindowForStyle(true);
    }
    else if (_keepClientArea)
    {
        int width = 0, height = 0;
        Window::FromHandle(_window)->GetSize(width, height);
        _settings->ScrWidth = width;
        _settings->ScrHeight = height;
        params.width = width;
        params.height = height;
    }
    else
    {
        AdjustWindowForStyle(false);
    }

    if (_settings->Antialias > 1 && !params.lockableBackBuffer)
    {
        const int type = DriverInfo::ComputeMultisampleType(_settings->Antialias);
        if (!info->CheckMultisampleType(type))
        {
            _log->Print(DUMP_WARNING, "Current antialias quality is not supported by the hardware\n");
        }
        else
        {
            params.multisampleType = type;
            params.multisampleQuality = 0;
        }
    }

    if (!info->CanRenderTo(gfx::Format::R32F))
    {
        _log->Print(DUMP_ERROR, "FATAL ERROR: Videocard doesn't support D3DFMT_R32F for Rendertarget surfaces!\n");
    }
}

gfx::DeviceParams MaterialSystem::ToDeviceParams() const
{
    gfx::DeviceParams params;
    params.width = _presentParams.width;
    params.height = _presentParams.height;
    params.vsync = _presentParams.vsync;
    params.backBufferFormat = _presentParams.backBufferFormat;
    params.depthFormat = _presentParams.depthFormat;
    return params;
}

bool MaterialSystem::CreateD3DDevice()
{
    unsigned flags = DetermineDevCreationFlags(_driverInfo.get());
    PreparePresentParameters(_driverInfo.get(), _presentParams);
    std::string error;
    _device = _graphics->CreateDevice(ToDeviceParams(), &error);
    if (!_device)
    {
        _log->Print(DUMP_WARNING, "D3DDevice creation failed.\n\tCreation retried in one second\n");
        _sleep(1000);
        _device = _graphics->CreateDevice(ToDeviceParams(), &error);
    }
    if (!_device && _presentParams.windowed)
    {
        _log->Print(DUMP_WARNING,
                    "D3DDevice creation failed.\n\tCreation retried in one second with some internal settings "
                    "brought down\n");
        // Multisampling is what can be brought down here; the flags only matter to the log.
        _presentParams.multisampleType = 0;
        _presentParams.multisampleQuality = 0;
        flags ^= CF_FPU_PRESERVE;
        _sleep(1000);
        _device = _graphics->CreateDevice(ToDeviceParams(), &error);
    }
    if (!_device)
    {
        _log->Print(DUMP_ERROR, "D3DDevice creation is impossible due to internal problems\n");
        return false;
    }
    if (_driverInfo->GetOcclusionQuerySupport() == -1)
    {
        if (!_device->CreateOcclusionQuery())
        {
            _log->Print(DUMP_WARNING, "OcclusionQuery is not supported by the hardware\n");
            _driverInfo->SetOcclusionQuerySupport(0);
            _device.reset();
            return CreateD3DDevice();
        }
        _driverInfo->SetOcclusionQuerySupport(1);
    }
    _log->Print(DUMP_STARTUP, "OpenGL vendor: %s, renderer: %s, version: %s\n", _graphics->GetVendor().c_str(),
                _graphics->GetRenderer().c_str(), _graphics->GetVersion().c_str());
    _log->Print(DUMP_STARTUP, "Device creation flags: 0x%02x\n", flags);
    _log->Print(DUMP_STARTUP, "Display mode: %ux%u %s, %s, %s\n", _presentParams.width, _presentParams.height,
                gfx::FormatName(_presentParams.backBufferFormat), gfx::FormatName(_presentParams.depthFormat),
                _presentParams.windowed ? "windowed" : "full screen");
    return true;
}
