#include "MaterialSystem/IVideoSource.h"
#include "RenderFixture.h"

#include <algorithm>

namespace {

// A video whose state the test sets by hand, in place of a playing one.
class HandVideo : public IVideoSource
{
public:
    explicit HandVideo(bool* deleted = nullptr) : _deleted(deleted) {}
    ~HandVideo() override
    {
        if (_deleted)
            *_deleted = true;
    }
    int GetState() const override { return state; }
    void SetState(int value) override { state = value; }
    bool ObtainTexture() override
    {
        ++obtained;
        return true;
    }
    bool CanBeDeleted() const override { return deletable; }

    int state = FRAME_IDLE;
    int obtained = 0;
    bool deletable = false;

private:
    bool* _deleted;
};

} // namespace

TEST_F(RenderTest, PresentWaitsForAVideoPictureUntilOneIsAbout100MsLate)
{
    Init();
    HandVideo video;
    _system->SetVMR9(&video);
    _sleeps.clear();
    _system->Present(nullptr);
    // 3 ms steps until the counter passes 100.
    EXPECT_EQ(_sleeps.size(), 34u);
    EXPECT_TRUE(std::all_of(_sleeps.begin(), _sleeps.end(), [](unsigned ms) { return ms == 3; }));
    EXPECT_EQ(video.GetWaitCounter(), 102);
    _sleeps.clear();
    _system->Present(nullptr);
    EXPECT_TRUE(_sleeps.empty()) << "no picture came: the next frames do not wait";

    video.state = IVideoSource::FRAME_READY;
    _system->Present(nullptr);
    EXPECT_EQ(video.obtained, 1);
    EXPECT_EQ(video.state, IVideoSource::FRAME_IDLE);
    EXPECT_EQ(video.GetWaitCounter(), 0);
    EXPECT_TRUE(_sleeps.empty());
    _system->Present(nullptr);
    EXPECT_EQ(_sleeps.size(), 34u) << "a picture came: the wait is back";
    _system->SetVMR9(nullptr);
}

TEST_F(RenderTest, VideosLeaveTheRenderDeviceWhenDeletedOrHandedToDeleteVMR9)
{
    Init();
    {
        HandVideo video;
        _system->SetVMR9(&video);
    }
    EXPECT_EQ(_system->GetVMR9(), nullptr) << "a deleted video is no longer waited for";

    bool deleted = false;
    auto owned = std::make_unique<HandVideo>(&deleted);
    HandVideo* video = owned.get();
    _system->SetVMR9(video);
    _system->DeleteVMR9(std::move(owned));
    EXPECT_EQ(_system->GetVMR9(), nullptr);
    _system->Present(nullptr);
    EXPECT_FALSE(deleted) << "kept while it cannot be deleted";
    video->deletable = true;
    _system->Present(nullptr);
    EXPECT_TRUE(deleted);
}
