#include "game/profiles/ProfileFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include <fcntl.h>
#include <strings.h>
#include <unistd.h>

#include "foundation/base/BinaryReader.h"
#include "foundation/base/BinaryWriter.h"
#include "foundation/base/Dumper.h"
#include "foundation/base/Path.h"
#include "game/profiles/UserProfile.h"

namespace {
constexpr size_t MaxNameLength = 63;
// Device count, name and flag of a ship without devices.
constexpr size_t MinShipRecord = 4 + 64 + 1;

using File = std::unique_ptr<FILE, int (*)(FILE*)>;

// The rename itself reaches the disk only with the folder's entries; a failure here costs no
// data, only the guarantee against a power cut.
void SyncFolder(const std::filesystem::path& folder)
{
    const int descriptor = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (descriptor < 0)
        return;
    ::fsync(descriptor);
    ::close(descriptor);
}

// Writes a temporary file beside `path` and renames it over `path` only once it is complete and
// on disk, so a failure or a crash at any point leaves the old file whole.
bool WriteReplacing(const std::filesystem::path& path, const std::vector<uint8_t>& data)
{
    std::error_code error;
    std::filesystem::create_directories(path.parent_path(), error);
    if (error)
    {
        Dumper::Instance().Print(DUMP_ERROR, "Cannot create the folder \"%s\": %s\n", path.parent_path().c_str(),
                                 error.message().c_str());
        return false;
    }
    std::filesystem::path temporary = path;
    temporary += ".tmp";
    File file(std::fopen(temporary.c_str(), "wb"), &std::fclose);
    bool written = file && std::fwrite(data.data(), 1, data.size(), file.get()) == data.size() &&
                   std::fflush(file.get()) == 0 && ::fsync(::fileno(file.get())) == 0;
    int reason = errno;
    if (file && std::fclose(file.release()) != 0 && written)
    {
        written = false;
        reason = errno;
    }
    if (written)
    {
        std::filesystem::rename(temporary, path, error);
        if (!error)
        {
            SyncFolder(path.parent_path());
            return true;
        }
        reason = error.value();
    }
    std::filesystem::remove(temporary, error);
    Dumper::Instance().Print(DUMP_ERROR, "Cannot write the profile \"%s\": %s\n", path.c_str(), std::strerror(reason));
    return false;
}

enum class ReadResult
{
    Missing,  // no file of that name
    Unopened, // a file that cannot be opened
    Cut,      // larger than MaxFileSize: only the start was read
    Whole,
};

// At most MaxFileSize bytes of the file.
ReadResult ReadPrefix(const std::filesystem::path& path, std::vector<uint8_t>& data)
{
    std::error_code error;
    if (!std::filesystem::exists(path, error))
        return ReadResult::Missing;
    if (!std::filesystem::is_regular_file(path, error))
        return ReadResult::Unopened;
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    if (!file)
        return ReadResult::Unopened;
    const std::streamoff size = file.tellg();
    const bool cut = size > static_cast<std::streamoff>(ProfileFile::MaxFileSize);
    if (cut)
        Dumper::Instance().Print(DUMP_WARNING, "Profile \"%s\" is larger than %zu bytes; the rest is not read\n",
                                 path.c_str(), ProfileFile::MaxFileSize);
    data.resize(size > 0 ? std::min(static_cast<size_t>(size), ProfileFile::MaxFileSize) : 0);
    file.seekg(0);
    file.read(reinterpret_cast<char*>(data.data()), static_cast<std::streamsize>(data.size()));
    data.resize(static_cast<size_t>(file.gcount()));
    return cut ? ReadResult::Cut : ReadResult::Whole;
}

// A file the game could not read whole stays as it is under a name of its own, beside it and
// never read as a profile, before a save replaces it: "<file>.unreadable", or with a number
// when that is taken. A hard link costs nothing and works on a file that cannot be opened; a
// copy stands in where links are not had. Empty when neither could be made.
std::filesystem::path KeepUnreadable(const std::filesystem::path& path)
{
    constexpr int MaxKept = 100;
    for (int number = 1; number <= MaxKept; ++number)
    {
        std::filesystem::path kept = path;
        kept += number == 1 ? ".unreadable" : ".unreadable." + std::to_string(number);
        std::error_code error;
        if (std::filesystem::exists(std::filesystem::symlink_status(kept, error)))
            continue;
        std::filesystem::create_hard_link(path, kept, error);
        if (error && error != std::errc::file_exists)
            std::filesystem::copy_file(path, kept, std::filesystem::copy_options::none, error);
        if (!error)
            return kept;
        if (error != std::errc::file_exists)
        {
            Dumper::Instance().Print(DUMP_ERROR, "Cannot keep the unreadable profile \"%s\": %s\n", path.c_str(),
                                     error.message().c_str());
            return {};
        }
    }
    Dumper::Instance().Print(DUMP_ERROR, "Cannot keep the unreadable profile \"%s\": %d copies are kept already\n",
                             path.c_str(), MaxKept);
    return {};
}

// Always false: the file was not read whole.
bool Truncated(const BinaryReader& in, const char* what)
{
    Dumper::Instance().Print(DUMP_WARNING, "Profile file cut short before %s: %s\n", what, in.Error().c_str());
    return false;
}
} // namespace

bool ProfileFile::IsSafeName(const char* name)
{
    if (!name || !name[0] || name[0] == '.' || std::strlen(name) > MaxNameLength)
        return false;
    for (const char* c = name; *c; ++c)
    {
        const auto byte = static_cast<unsigned char>(*c);
        if (byte < 0x20 || byte == 0x7F || byte == '/' || byte == '\\')
            return false;
    }
    return true;
}

std::filesystem::path ProfileFile::PathOf(const std::filesystem::path& folder, const char* name)
{
    if (!IsSafeName(name))
        return {};
    return ResolvePath((folder / Folder / (std::string(name) + Suffix)).string());
}

std::vector<std::filesystem::path> ProfileFile::FilesOf(const std::filesystem::path& folder, const char* name)
{
    std::vector<std::filesystem::path> files;
    if (!IsSafeName(name))
        return files;
    const std::string wanted = std::string(name) + Suffix;
    std::error_code error;
    std::filesystem::directory_iterator it(ResolvePath((folder / Folder).string()), error);
    for (; !error && it != std::filesystem::directory_iterator(); it.increment(error))
        if (strcasecmp(it->path().filename().c_str(), wanted.c_str()) == 0)
            files.push_back(it->path());
    return files;
}

void ProfileFile::Write(const UserProfile& profile, BinaryWriter& out)
{
    out.Write(Version);
    for (int32_t number : {profile._level, profile._rate, profile._score, profile._efficiency, profile._cash})
        out.Write(number);
    out.Write(static_cast<int32_t>(profile._ships.size()));
    out.Write(static_cast<int32_t>(profile._currentShip));
    for (const auto& ship : profile._ships)
        ship->Save(out);
}

bool ProfileFile::Read(UserProfile& profile, BinaryReader& in)
{
    uint32_t version = 0;
    if (!in.Read(version))
        return Truncated(in, "its version");
    bool whole = true;
    if (version > Version)
    {
        Dumper::Instance().Print(DUMP_WARNING, "Profile file of version %u read as version %u\n", version, Version);
        whole = false;
    }
    if (version >= 1)
    {
        for (int* number : {&profile._level, &profile._rate, &profile._score, &profile._efficiency, &profile._cash})
            if (!in.Read(*number))
                return Truncated(in, "its numbers");
    }
    if (version >= 2 && !ReadShips(profile, in, version))
        whole = false;
    // A record is whole only up to the end of the file: anything after it is a file of another
    // version, or damage (a newer file whose version was lost reads as an older one).
    if (whole && in.Remaining() > 0)
    {
        Dumper::Instance().Print(DUMP_WARNING, "Profile file of version %u: %zu bytes after its end are not read\n",
                                 version, in.Remaining());
        whole = false;
    }
    return whole;
}

bool ProfileFile::ReadShips(UserProfile& profile, BinaryReader& in, uint32_t version)
{
    int32_t count = 0;
    int32_t current = 0;
    if (!in.Read(count) || !in.Read(current))
    {
        Truncated(in, "its ships");
        return false;
    }
    bool whole = true;
    // Older versions keep no ship data, so only newer ones bound the count by the bytes left.
    const size_t fit = version >= 7 ? in.Remaining() / MinShipRecord : static_cast<size_t>(MaxShips);
    const int bound = static_cast<int>(std::min<size_t>(fit, MaxShips));
    if (count < 0 || count > bound)
    {
        Dumper::Instance().Print(DUMP_WARNING, "Profile file: ship count %d, reading at most %d\n", count, bound);
        count = std::clamp(count, 0, bound);
        whole = false;
    }
    // The game writes the index of one of its ships, or -1 with none: any other is damage.
    if (whole && (count > 0 ? current < 0 || current >= count : current != -1))
    {
        Dumper::Instance().Print(DUMP_WARNING, "Profile file of version %u: current ship %d of %d ships\n", version,
                                 current, count);
        whole = false;
    }
    profile._ships.clear();
    for (int i = 0; i < count; ++i)
    {
        ProfileShip* ship = profile.CreateShip("Default");
        const ProfileShip::LoadResult read = version >= 7 ? ship->Load(in) : ProfileShip::LoadResult::Whole;
        if (read == ProfileShip::LoadResult::Cut)
        {
            Dumper::Instance().Print(DUMP_WARNING, "Profile file: ship %d of %d cannot be read; no more ships read\n",
                                     i + 1, count);
            profile._ships.pop_back();
            whole = false;
            break;
        }
        if (read == ProfileShip::LoadResult::Damaged)
            whole = false;
    }
    if (profile._ships.empty())
    {
        Dumper::Instance().Print(DUMP_WARNING, "Profile file holds no ship; the ship \"Default\" is added\n");
        profile.CreateShip("Default");
    }
    profile._currentShip = current >= 0 && current < profile.GetShipCount() ? current : profile.GetShipCount() - 1;
    return whole;
}

bool UserProfile::Save() const
{
    const std::filesystem::path path = ProfileFile::PathOf(_context.folder, _name);
    if (path.empty())
    {
        Dumper::Instance().Print(DUMP_ERROR, "Profile \"%s\" not saved: the name cannot be a file name\n", _name);
        return false;
    }
    // A pilot without a file yet would write over any file of its name, in any letter case.
    const std::vector<std::filesystem::path> taken =
        _hasFile ? std::vector<std::filesystem::path>() : ProfileFile::FilesOf(_context.folder, _name);
    if (!taken.empty())
    {
        Dumper::Instance().Print(DUMP_ERROR, "Profile \"%s\" not saved: the file \"%s\" is another pilot's\n", _name,
                                 taken.front().c_str());
        return false;
    }
    if (_unkeptFile)
    {
        Dumper::Instance().Print(DUMP_ERROR, "Profile \"%s\" not saved: its unreadable file could not be kept\n",
                                 _name);
        return false;
    }
    BinaryWriter out;
    ProfileFile::Write(*this, out);
    if (!WriteReplacing(path, out.Data()))
        return false;
    _hasFile = true;
    return true;
}

bool UserProfile::Load()
{
    const std::filesystem::path path = ProfileFile::PathOf(_context.folder, _name);
    if (path.empty())
    {
        Dumper::Instance().Print(DUMP_ERROR, "Profile \"%s\" not loaded: the name cannot be a file name\n", _name);
        return false;
    }
    std::vector<uint8_t> data;
    const ReadResult result = ReadPrefix(path, data);
    _hasFile = result != ReadResult::Missing;
    if (result == ReadResult::Missing || result == ReadResult::Unopened)
        Dumper::Instance().Print(DUMP_WARNING, "Profile \"%s\" cannot be opened\n", path.c_str());
    bool whole = result == ReadResult::Whole;
    if (result == ReadResult::Whole || result == ReadResult::Cut)
    {
        BinaryReader in(data.data(), data.size(), path.string());
        whole = ProfileFile::Read(*this, in) && whole;
    }
    if (!whole && result != ReadResult::Missing)
    {
        const std::filesystem::path kept = KeepUnreadable(path);
        _unkeptFile = kept.empty();
        if (!_unkeptFile)
            Dumper::Instance().Print(DUMP_WARNING,
                                     "Profile \"%s\" could not be read whole; the file is kept as \"%s\"\n",
                                     path.c_str(), kept.c_str());
    }
    return result != ReadResult::Missing && result != ReadResult::Unopened;
}
