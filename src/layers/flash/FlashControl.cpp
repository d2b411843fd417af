#include "layers/flash/FlashControl.h"

#include "MaterialSystem/MaterialSystem.h"
#include "MaterialSystem/textures/Texture.h"
#include "MaterialSystem/textures/TextureMgr.h"
#include "foundation/base/Dumper.h"
#include "foundation/base/Path.h"
#include "foundation/base/Profiler.h"
#include "layers/LayerManager.h"
#include "layers/flash/FlashProtocol.h"
#include "layers/flash/TextureImage.h"
#include "platform/movie/Movie.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <strings.h>
#include <vector>

namespace FlashHost {

namespace {

// Numbers the textures of all controls, never reset.
int TextureCounter = 0;

int NextPowerOfTwo(int size)
{
    long long power = 1;
    while (power < size)
        power <<= 1;
    return power > 0x40000000 ? size : int(power);
}

bool IsPowerOfTwo(int size) { return size > 0 && (size & (size - 1)) == 0; }

// "swf//name.swf" plays the script "swf/name.lua".
std::string MoviePath(const std::string& path)
{
    std::string normal = NormalizePath(path);
    if (normal.size() >= 4 && strcasecmp(normal.c_str() + normal.size() - 4, ".swf") == 0)
        normal.replace(normal.size() - 4, 4, ".lua");
    return normal;
}

movie::Value ToMovie(const FlashValue& value)
{
    switch (value.getType())
    {
    case FT_BOOLEAN: return movie::Value::FromBool(value.getBool());
    case FT_NUMBER: return movie::Value::FromNumber(value.getNumber());
    case FT_STRING: return movie::Value::FromString(wstring2string(value.getString()));
    default: return movie::Value();
    }
}

FlashValue FromMovie(const movie::Value& value)
{
    switch (value.type)
    {
    case movie::Value::Boolean: return FlashValue(value.boolean);
    case movie::Value::Number: return FlashValue(value.number);
    case movie::Value::String: return FlashValue(string2wstring(value.text));
    default: return FlashValue();
    }
}

TextureMgr* Textures()
{
    MaterialSystem* system = LayerManager::GetMaterialSystem();
    return system ? system->GetTextureMgr() : nullptr;
}

double SteadySeconds()
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

FlashControl::Clock& DefaultClock()
{
    static FlashControl::Clock clock = SteadySeconds;
    return clock;
}

} // namespace

FlashControl::FlashControl(const char* name, int width, int height)
    : _name(name ? name : ""), _width(width), _height(height), _textureWidth(width), _textureHeight(height),
      _clock(DefaultClock())
{
    createControl();
    createMaterial();
    setQuality(3);
    setTransparent(true, true);
}

FlashControl::~FlashControl() { PrepareToRelease(); }

void FlashControl::createControl()
{
    _movie = movie::Movie::Create(_name, _width, _height, this);
    if (!_movie)
        Dumper::Instance().Print(DUMP_ERROR, "FlashControl \"%s\" has no movie and draws nothing\n", _name.c_str());
}

// The texture the layer samples: the movie's size, or the powers of two above it, with the
// texture coordinates of the movie's area.
void FlashControl::createMaterial()
{
    if (!IsPowerOfTwo(_width) || !IsPowerOfTwo(_height))
    {
        _textureWidth = NextPowerOfTwo(_width);
        _textureHeight = NextPowerOfTwo(_height);
        _powerOfTwo = true;
    }
    TextureMgr* textures = Textures();
    if (textures && _width > 0 && _height > 0)
    {
        TextureDesc desc;
        desc.kind = TEXKIND_PROCEDURAL;
        desc.format = TEXFMT_A8R8G8B8;
        desc.width = unsigned(_textureWidth);
        desc.height = unsigned(_textureHeight);
        desc.mipLevels = 1;
        char textureName[40];
        std::snprintf(textureName, sizeof(textureName), "$flash_texture%d", TextureCounter++);
        _texture = textures->CreateTexture(textureName, desc);
        if (_texture && !_texture->GetTexHandle())
        {
            textures->DestroyTexture(_texture);
            _texture = nullptr;
        }
    }
    if (_texture)
    {
        const std::vector<uint8_t> zeros(size_t(_textureWidth) * _textureHeight * 4, 0);
        _texture->FillPixelData(0, zeros.data(), unsigned(zeros.size()));
    }
    else
    {
        Dumper::Instance().Print(DUMP_ERROR, "FlashControl \"%s\" has no texture of %d x %d and draws nothing\n",
                                 _name.c_str(), _textureWidth, _textureHeight);
    }
    _clean = false;
    _fullRedraw = true;
    _dirty = Block{0, 0, _width, _height};
    const float w = _powerOfTwo ? float(_width) / float(_textureWidth) : 1.0f;
    const float h = _powerOfTwo ? float(_height) / float(_textureHeight) : 1.0f;
    _uv[0] = Vec2(0.0f, h);
    _uv[1] = Vec2(0.0f, 0.0f);
    _uv[2] = Vec2(w, h);
    _uv[3] = Vec2(w, 0.0f);
}

void FlashControl::load(const std::string& movie)
{
    if (!_movie)
        return;
    const std::string path = MoviePath(std::string(LayerManager::GetBaseDirectory()) + "\\" + movie);
    _movie->Load(path, MoviePath(movie));
}

int FlashControl::update(const char*, bool force, bool)
{
    advance();
    if (force)
    {
        _clean = false;
        _fullRedraw = true;
    }
    copyFromFlash();
    if (_uploadPending)
        copyToTexture();
    return _framesDrawn;
}

// Movies play in real time, as their own player would: each update advances the timeline by
// the time since the one before.
void FlashControl::advance()
{
    const double now = _clock();
    if (_timing && _movie)
        _movie->Advance(now - _lastUpdate);
    _lastUpdate = now;
    _timing = true;
}

void FlashControl::setDefaultClock(Clock clock) { DefaultClock() = clock ? std::move(clock) : Clock(SteadySeconds); }

void FlashControl::setClock(Clock clock)
{
    _clock = std::move(clock);
    _timing = false;
}

void FlashControl::copyFromFlash()
{
    if (_clean)
        return;
    if (_fullRedraw)
        _dirty = Block{0, 0, _width, _height};
    if (isInert())
        return;
    static const Name Scope("Movies");
    AutoScopeProfile profile(Scope);
    const bool painted = _movie->Render(movie::Rect{_dirty.left, _dirty.top, _dirty.right, _dirty.bottom});
    _clean = true;
    _fullRedraw = false;
    // An inert movie or a failed paint: the texture keeps showing what it showed.
    if (!painted)
        return;
    _upload = _dirty;
    _uploadPending = true;
    ++_framesDrawn;
}

// The block goes from the movie's image (its own row pitch) to the same place in the texture.
void FlashControl::copyToTexture()
{
    _uploadPending = false;
    if (!_texture || !_movie || _upload.right > _width || _upload.bottom > _height)
        return;
    static const Name Scope("Uploads");
    AutoScopeProfile profile(Scope);
    const uint8_t* block = _movie->GetPixels() + size_t(_upload.top) * _movie->GetStride() + size_t(_upload.left) * 4;
    _texture->UpdateRect(0, _upload.left, _upload.top, _upload.right - _upload.left, _upload.bottom - _upload.top,
                         block, unsigned(_movie->GetStride()));
}

FlashValue FlashControl::callFunction(const std::wstring& name, const std::vector<FlashValue>& args)
{
    return callFunctionNow(name, args);
}

FlashValue FlashControl::callFunctionNow(const std::wstring& name, const std::vector<FlashValue>& args)
{
    return DecodeValue(CallFunction(BuildRequest(name, args)));
}

std::wstring FlashControl::CallFunction(const std::wstring& request)
{
    std::wstring name;
    Args args;
    if (!_movie || !ParseRequest(request, name, args))
        return std::wstring();
    std::vector<movie::Value> values;
    values.reserve(args.size());
    for (const FlashValue& value : args)
        values.push_back(ToMovie(value));
    return EncodeValue(FromMovie(_movie->Call(wstring2string(name), values)));
}

void FlashControl::Invalidate(const movie::Rect* rect)
{
    if (_fullRedraw)
        return;
    if (rect)
    {
        if (_clean)
        {
            _dirty = Block{rect->left, rect->top, rect->right, rect->bottom};
            _clean = false;
        }
        else
        {
            _dirty.left = std::min(_dirty.left, rect->left);
            _dirty.top = std::min(_dirty.top, rect->top);
            _dirty.right = std::max(_dirty.right, rect->right);
            _dirty.bottom = std::max(_dirty.bottom, rect->bottom);
        }
    }
    if (!rect || _dirty.left < 0 || _dirty.top < 0 || _dirty.right > _width || _dirty.bottom > _height)
    {
        _clean = false;
        _fullRedraw = true;
        _dirty = Block{0, 0, _width, _height};
    }
}

movie::Value FlashControl::CallHost(const std::string& name, const std::vector<movie::Value>& args)
{
    Args values;
    for (const movie::Value& value : args)
        values.push_back(FromMovie(value));
    _returnValue.clear();
    handleFlashCall(BuildRequest(string2wstring(name), values));
    return ToMovie(DecodeValue(_returnValue));
}

// The layer manager's frame, not this control's updates: a screen calls into movies whose layer
// is hidden and not updated, and those calls belong to the frames they are made in.
uint64_t FlashControl::GetFrame() const { return LayerManager::GetFrame(); }

std::shared_ptr<movie::MovieGroup> FlashControl::GetGroup() const { return LayerManager::GetMovies(); }

bool FlashControl::LoadImage(const std::string& name, movie::Image& image, std::string& error)
{
    TextureMgr* textures = Textures();
    if (!textures)
    {
        error = "no texture folder to come from";
        return false;
    }
    return ReadTextureImage(std::string(textures->GetRootDir()) + name, image, error);
}

void FlashControl::setQuality(short quality)
{
    if (_movie)
        _movie->SetQuality(quality);
}

void FlashControl::setTransparent(bool transparent, bool)
{
    _transparent = transparent;
    if (_movie)
        _movie->SetTransparent(transparent);
}

void FlashControl::setLoop(bool loop)
{
    if (_movie)
        _movie->SetLoop(loop);
}

void FlashControl::rewind()
{
    if (_movie)
        _movie->Rewind();
}

void FlashControl::stop()
{
    if (_movie)
        _movie->Stop();
}

void FlashControl::play()
{
    if (_movie)
        _movie->Play();
}

void FlashControl::injectMouseMove(int x, int y)
{
    if (_movie)
        _movie->MouseMove(x, y);
}

void FlashControl::injectMouseDown(int x, int y)
{
    if (_movie)
        _movie->MouseDown(x, y);
}

void FlashControl::injectMouseUp(int x, int y)
{
    if (_movie)
        _movie->MouseUp(x, y);
}

void FlashControl::handleKeyEvent(unsigned msg, unsigned wParam, long)
{
    if (!_movie)
        return;
    switch (msg)
    {
    case 0x100: _movie->KeyDown(wParam); break;
    case 0x101: _movie->KeyUp(wParam); break;
    case 0x102: _movie->Char(wParam); break;
    default: break;
    }
}

void FlashControl::OnDeviceRestore()
{
    _clean = false;
    _fullRedraw = true;
    if (_texture)
    {
        const std::vector<uint8_t> zeros(size_t(_textureWidth) * _textureHeight * 4, 0);
        _texture->FillPixelData(0, zeros.data(), unsigned(zeros.size()));
    }
}

void FlashControl::PrepareToRelease()
{
    if (_texture)
    {
        if (TextureMgr* textures = Textures())
            textures->DestroyTexture(_texture);
        _texture = nullptr;
    }
    _movie.reset();
}

bool FlashControl::IsReadyToRelease()
{
    if (_releaseCountdown > ReleaseDelay)
        return true;
    ++_releaseCountdown;
    return false;
}

void FlashControl::bind(const std::wstring& name, const FlashFunction& function)
{
    if (name.empty() || !function)
        return;
    _bound[name] = function;
}

void FlashControl::unbind(const std::wstring& name) { _bound.erase(name); }

void FlashControl::handleFlashCall(const std::wstring& request)
{
    std::wstring name;
    Args args;
    if (!ParseRequest(request, name, args))
        return;
    auto found = _bound.find(name);
    if (found == _bound.end())
    {
        if (_unboundReported.insert(name).second)
            Dumper::Instance().Print(DUMP_WARNING,
                                     "FlashControl \"%s\": the movie calls \"%s\", which the game has not bound\n",
                                     _name.c_str(), wstring2string(name).c_str());
        return;
    }
    const FlashFunction function = found->second; // the function may unbind itself
    _returnValue = EncodeValue(function(this, args));
}

} // namespace FlashHost
