#include "services/sound/Music.h"

#include <fstream>
#include <iterator>
#include <vector>

#include "foundation/base/Dumper.h"
#include "foundation/base/Path.h"
#include "platform/audio/Stream.h"

Music::Music(SoundEngine* engine, Dumper* dumper) : ISound(engine), _dumper(dumper) {}

Music::~Music() { Close(); }

bool Music::ParseRIFFFromFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
    {
        _dumper->Print(DUMP_ERROR, "Music \"%s\": file not found\n", path.c_str());
        return false;
    }
    const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    std::string error, warning;
    if (!ReadXwmaLayout(bytes.data(), bytes.size(), path, _layout, error, warning))
    {
        _dumper->Print(DUMP_ERROR, "Music \"%s\": %s\n", path.c_str(), error.c_str());
        return false;
    }
    if (!warning.empty())
        _dumper->Print(DUMP_WARNING, "Music \"%s\": %s\n", path.c_str(), warning.c_str());
    return true;
}

void Music::Init(const char* path, bool loop, bool play)
{
    const std::string file = ResolvePath(path ? path : "");
    _looping = loop;
    if (!ParseRIFFFromFile(file))
        return;
    std::string error;
    std::unique_ptr<audio::Decoder> decoder = audio::Decoder::Open(file, error);
    if (decoder)
    {
        _stream = audio::Stream::Create(std::move(decoder), loop);
        if (!_stream)
            error = "no voice left to play it";
    }
    if (!_stream)
    {
        _dumper->Print(DUMP_ERROR, "Music \"%s\": %s\n", file.c_str(), error.c_str());
        return;
    }
    if (play)
        Play();
}

void Music::Close()
{
    if (!_stream)
        return;
    Stop();
    _stream.reset();
    _ended = true;
}

void Music::Play()
{
    if (_stream && !_playing)
        _playing = _stream->Play();
}

void Music::Stop()
{
    if (_stream && _playing)
        _stream->Pause();
    _playing = false;
}

void Music::SetEnded(bool ended)
{
    if (ended)
        Stop();
    else
        Play();
    _ended = ended;
}

void Music::SetVolume(float volume)
{
    if (_stream)
        _stream->SetGain(volume);
}

void Music::FlushBuffers()
{
    if (_stream)
        _stream->Flush();
}

void Music::Update()
{
    if (!_stream || _ended)
        return;
    _stream->Update();
    if (_stream->IsFinished())
        SetEnded(true);
}
