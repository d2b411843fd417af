#include "layers/video/WebcamView.h"

#include "foundation/base/Dumper.h"
#include "layers/video/WebcamCut.h"
#include "layers/video/WebcamFrameAccessor.h"
#include "platform/video/CaptureDevice.h"

WebcamView::WebcamView(MaterialSystem* render, Timer* timer) : _render(render), _timer(timer) {}

void WebcamView::Init()
{
    _ableToCapture = false;
    if (!FindCaptureDevice())
        return;
    _renderer = std::make_unique<WebcamFrameAccessor>(_render, _timer);
    if (PrepareTextureRenderer())
    {
        _renderer->SetFPS(24);
        _ready = true;
    }
}

// The first node that opens as a capture device.
bool WebcamView::FindCaptureDevice()
{
    if (_device)
        return false;
    for (const std::string& path : video::FindCaptureDevices())
    {
        std::string error;
        _device = video::CaptureDevice::Open(path, error);
        if (_device)
        {
            Dumper::Instance().Print(DUMP_INFO, "Webcam: %s (%s)\n", _device->GetName().c_str(), path.c_str());
            _ableToCapture = true;
            return true;
        }
        Dumper::Instance().Print(DUMP_WARNING, "Webcam: %s %s\n", path.c_str(), error.c_str());
    }
    Dumper::Instance().Print(DUMP_INFO, "Webcam: no video capture device\n");
    _ableToCapture = false;
    return false;
}

bool WebcamView::PrepareTextureRenderer()
{
    if (!PrepareCaptureVideo())
        return false;
    SetVideoParams(160, 120, 24);
    std::string error;
    if (!_device->Start(error))
    {
        Dumper::Instance().Print(DUMP_WARNING, "Webcam: %s\n", error.c_str());
        return false;
    }
    return true;
}

bool WebcamView::PrepareCaptureVideo()
{
    if (!_device || !_renderer)
        return false;
    StopCaptureVideo();
    return true;
}

bool WebcamView::SetVideoParams(int, int, double)
{
    const std::optional<video::CaptureFormat> format =
        _device ? ChooseCaptureFormat(_device->GetFormats()) : std::nullopt;
    std::string error = "no format at least 120 pixels high that can be converted";
    if (!format || !_device->SetFormat(*format, error))
    {
        Dumper::Instance().Print(DUMP_WARNING, "Webcam: %s\n", error.c_str());
        _ableToCapture = false;
        return false;
    }
    _renderer->SetVideoParams(_device->GetFormat().width, _device->GetFormat().height);
    return true;
}

bool WebcamView::CreateTexture()
{
    if (!_ready || !_ableToCapture)
        return false;
    if (!_renderer->CreateTexture())
        _ableToCapture = false;
    return _ableToCapture;
}

void WebcamView::StartCaptureVideo()
{
    std::string error;
    if (_ready && _ableToCapture && _device->Start(error))
        _capturing = true;
}

void WebcamView::StopCaptureVideo()
{
    if (!_ready || !_ableToCapture)
        return;
    _device->Stop();
    _capturing = false;
}

void WebcamView::SwitchCaptureVideo()
{
    if (_capturing)
    {
        StopCaptureVideo();
    }
    else
    {
        StartCaptureVideo();
    }
}

void WebcamView::CloseAll()
{
    if (!_ready)
        return;
    StopCaptureVideo();
    _device.reset();
    _ableToCapture = false;
    _renderer.reset();
    _ready = false;
}

void WebcamView::Proceed(float)
{
    if (_ready && _device && _device->TakeFrame(_frame))
        _renderer->DoRenderSample(_frame.data(), _frame.size());
}
