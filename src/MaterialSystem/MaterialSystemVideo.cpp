#include "MaterialSystem/MaterialSystem.h"

#include <algorithm>

void MaterialSystem::SetVMR9(IVideoSource* video)
{
    if (_currentVideo)
        _currentVideo->_registeredWith = nullptr;
    _currentVideo = video;
    if (video)
        video->_registeredWith = this;
}

void MaterialSystem::DeleteVMR9(std::unique_ptr<IVideoSource> video)
{
    if (!video)
        return;
    if (video.get() == _currentVideo)
        SetVMR9(nullptr);
    _videosToRelease.push_back(std::move(video));
}

// The video's pictures come on a thread of its own: a new one is taken at once; without one
// the wait goes on in 3 ms steps until about 100 ms have passed since the last picture came,
// and stays off until the next one comes (a video at its end does not slow every frame).
void MaterialSystem::WaitForVideoFrame()
{
    IVideoSource* video = _currentVideo;
    if (!video)
        return;
    for (;;)
    {
        if (video->GetState() == IVideoSource::FRAME_READY)
        {
            video->ObtainTexture();
            video->SetState(IVideoSource::FRAME_IDLE);
            video->SetWaitCounter(0);
            return;
        }
        if (video->GetWaitCounter() > 100)
            return;
        _sleep(3);
        video->SetWaitCounter(video->GetWaitCounter() + 3);
    }
}

// Videos that cannot be deleted yet stay listed for a later frame.
void MaterialSystem::ReleaseVideos()
{
    std::erase_if(_videosToRelease, [](const std::unique_ptr<IVideoSource>& video) { return video->CanBeDeleted(); });
}
