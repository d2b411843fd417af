#pragma once

#include "foundation/math/Vec2.h"
#include "layers/flash/FlashValue.h"
#include "platform/movie/MovieTypes.h"

#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

class Texture;
namespace movie {
class Movie;
}

namespace FlashHost {

class FlashControl;

// A function of the game that a movie can call by name: it gets the control and the arguments
// and answers a value.
using FlashFunction = std::function<FlashValue(FlashControl*, const Args&)>;

// Plays one movie into a texture that a Flash layer draws. The movie reports the rectangles it
// changed; each update draws only their union and copies only that block into the texture.
// Calls into the movie and back go through the XML texts of the call protocol. A control whose
// movie or texture cannot be made is inert: it draws nothing and its calls answer null.
class FlashControl : private movie::IMovieHost
{
public:
    // Updates after which IsReadyToRelease answers true.
    static constexpr int ReleaseDelay = 100;

    FlashControl(const char* name, int width, int height);
    ~FlashControl() override;
    FlashControl(const FlashControl&) = delete;
    FlashControl& operator=(const FlashControl&) = delete;

    // Plays "<base directory>\<movie>"; the movie path "swf//name.swf" plays "swf/name.lua".
    void load(const std::string& movie);
    // Advances the movie by the time since the last update, draws what changed (everything
    // with `force`) and copies it into the texture. Answers the number of draws so far; the
    // name and the last flag change nothing.
    int update(const char* name, bool force, bool flag);
    // Where the timeline's time comes from: seconds on a steady clock. A test steps its own;
    // the next update after a change starts timing afresh.
    using Clock = std::function<double()>;
    void setClock(Clock clock);
    // The clock that controls made from now on start with: a test's for the movies a screen
    // makes itself, or null for the steady clock again.
    static void setDefaultClock(Clock clock);

    FlashValue callFunction(const std::wstring& name, const std::vector<FlashValue>& args);
    FlashValue callFunctionNow(const std::wstring& name, const std::vector<FlashValue>& args);

    // 0 low, 1 medium, 2 high, 3 best, 4 auto-low, 5 auto-high; other values are ignored.
    void setQuality(short quality);
    void setTransparent(bool transparent, bool flag);
    void setLoop(bool loop);
    void rewind();
    void stop();
    void play();

    // Input in movie pixels; key events as window messages (key down 0x100, key up 0x101,
    // character 0x102) with the key or character in wParam.
    void injectMouseMove(int x, int y);
    void injectMouseDown(int x, int y);
    void injectMouseUp(int x, int y);
    void handleKeyEvent(unsigned msg, unsigned wParam, long lParam);

    Texture* getTexture() const { return _texture; }
    // Texture coordinates of the movie's area, corners bottom-left, top-left, bottom-right,
    // top-right.
    const Vec2* getUV() const { return _uv; }
    int getTextureWidth() const { return _textureWidth; }
    int getTextureHeight() const { return _textureHeight; }
    bool isInert() const { return !_movie || !_texture; }

    // After a device reset: everything is drawn again.
    void OnDeviceRestore();
    // Drops the texture and the movie.
    void PrepareToRelease();
    bool IsReadyToRelease();

    // Functions the movie can call; an empty name or function is ignored.
    void bind(const std::wstring& name, const FlashFunction& function);
    void unbind(const std::wstring& name);
    // A call request of the movie: the bound function runs and its value becomes the answer.
    void handleFlashCall(const std::wstring& request);

    // The block the last update copied into the texture, in movie pixels.
    struct Block
    {
        int left = 0, top = 0, right = 0, bottom = 0;
    };
    const Block& getLastUpload() const { return _upload; }

private:
    void createControl();
    void createMaterial();
    void copyFromFlash();
    void copyToTexture();
    void advance();

    // What the movie asks of its player.
    void Invalidate(const movie::Rect* rect) override;
    movie::Value CallHost(const std::string& name, const std::vector<movie::Value>& args) override;
    uint64_t GetFrame() const override;
    std::shared_ptr<movie::MovieGroup> GetGroup() const override;
    bool LoadImage(const std::string& name, movie::Image& image, std::string& error) override;
    // The player's side of a call: the request in, the movie's answer out, both as XML.
    std::wstring CallFunction(const std::wstring& request);

    std::string _name;
    int _width, _height;
    std::unique_ptr<movie::Movie> _movie;
    Block _dirty;
    bool _clean = true;
    bool _fullRedraw = false;
    int _textureWidth, _textureHeight;
    Texture* _texture = nullptr;
    bool _powerOfTwo = false;
    bool _transparent = false;
    std::map<std::wstring, FlashFunction> _bound;
    Vec2 _uv[4];
    int _releaseCountdown = 0;
    bool _uploadPending = false;
    int _framesDrawn = 0;
    Block _upload;
    std::wstring _returnValue;
    std::set<std::wstring> _unboundReported;
    Clock _clock;
    double _lastUpdate = 0.0;
    bool _timing = false;
};

} // namespace FlashHost
