#include "foundation/base/FileFinder.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <filesystem>
#include <strings.h>

#include "foundation/base/Path.h"

namespace fs = std::filesystem;

FileInfo::FileInfo(const char* name, uint32_t size, uint32_t attributes) : _fileSize(size), _attributes(attributes)
{
    if (name)
        strncpy(_fileName, name, MaxName - 1);
}

void FileScanResult::AddFileInfo(const FileInfo& info) { _files.push_back(std::make_unique<FileInfo>(info)); }

FileInfo* FileScanResult::GetFileInfo(unsigned i) const { return i < _files.size() ? _files[i].get() : nullptr; }

void FileScanResult::SetFileInfo(unsigned i, FileInfo* info)
{
    if (i < _files.size() && _files[i].get() != info)
        _files[i].reset(info);
}

void FileScanResult::RemoveFileInfo(unsigned i)
{
    if (i < _files.size())
        _files.erase(_files.begin() + i);
}

namespace {

bool Match(const char* name, const char* mask)
{
    while (*mask)
    {
        if (*mask == '*')
        {
            while (*mask == '*')
                ++mask;
            if (!*mask)
                return true;
            for (const char* rest = name; *rest; ++rest)
                if (Match(rest, mask))
                    return true;
            return false;
        }
        if (!*name)
            return false;
        if (*mask != '?' && tolower(static_cast<unsigned char>(*mask)) != tolower(static_cast<unsigned char>(*name)))
            return false;
        ++mask;
        ++name;
    }
    return !*name;
}

} // namespace

bool FileFinder::MatchMask(const char* name, const char* mask)
{
    if (!name || !mask)
        return false;
    if (Match(name, mask))
        return true;
    // As on the original platform, "x.*" also matches "x" (so "*.*" matches every name).
    size_t length = strlen(mask);
    if (length >= 2 && strcmp(mask + length - 2, ".*") == 0)
        return Match(name, std::string(mask, length - 2).c_str());
    return false;
}

FileFinder::FileFinder(unsigned long flags) : _flags(flags) {}

FileFinder::FileFinder(const char* pattern, unsigned long flags) : _flags(flags) { Initialize(pattern); }

FileFinder::FileFinder(const char* folder, const char* mask, unsigned long flags) : _flags(flags)
{
    Initialize(folder, mask);
}

FileFinder::~FileFinder() { Close(); }

bool FileFinder::Initialize(const char* pattern)
{
    Close();
    _pattern = pattern ? pattern : "";
    return false;
}

bool FileFinder::Initialize(const char* folder, const char* mask)
{
    Close();
    if (!folder || !mask)
        return false;
    std::string resolved = ResolvePath(folder);
    std::error_code error;
    if (!fs::is_directory(resolved.empty() ? "." : resolved, error))
        return false;
    if (!resolved.empty() && resolved.back() != '/')
        resolved += '/';
    if (resolved.size() >= MaxFolder || strlen(mask) >= MaxMask)
        return false;
    _folder = resolved;
    _mask = mask;
    _pattern = _folder + _mask;
    _initialized = true;
    return true;
}

bool FileFinder::Start()
{
    std::error_code error;
    fs::directory_iterator it(_folder.empty() ? "." : _folder, error);
    if (error)
        return false;
    for (; it != fs::directory_iterator(); it.increment(error))
    {
        if (error)
            break;
        std::string name = it->path().filename().string();
        if (name == "." || name == ".." || !MatchMask(name.c_str(), _mask.c_str()) || name.size() >= FileInfo::MaxName)
            continue;
        if (_flags & FF_LOWER_CASE)
            for (char& c : name)
                c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
        std::error_code entryError;
        bool directory = it->is_directory(entryError);
        uint64_t size = directory ? 0 : it->file_size(entryError);
        if (entryError)
            size = 0;
        _entries.emplace_back(name.c_str(), static_cast<uint32_t>(size),
                              directory ? FileInfo::ATTR_DIRECTORY : FileInfo::ATTR_NORMAL);
    }
    std::sort(_entries.begin(), _entries.end(),
              [](const FileInfo& a, const FileInfo& b) { return strcmp(a.GetFileName(), b.GetFileName()) < 0; });
    _nextEntry = 0;
    _started = true;
    return true;
}

bool FileFinder::Next()
{
    if (!_initialized)
        return false;
    if (!_started && !Start())
    {
        Close();
        return false;
    }
    if (_nextEntry >= _entries.size())
    {
        Close();
        return false;
    }
    _info = _entries[_nextEntry++];
    return true;
}

bool FileFinder::Next(std::string& name)
{
    bool found = Next();
    name = found ? _info.GetFileName() : "";
    return found;
}

bool FileFinder::Next(char* name, unsigned size)
{
    bool found = Next();
    if (name && size)
    {
        strncpy(name, found ? _info.GetFileName() : "", size - 1);
        name[size - 1] = 0;
    }
    return found;
}

bool FileFinder::Close()
{
    _entries.clear();
    _nextEntry = 0;
    _started = false;
    _info = FileInfo();
    _pattern.clear();
    _initialized = false;
    return true;
}

bool FileFinder::RecursiveFileScan(FileScanResult& result, unsigned long& largest, bool fullPath, unsigned maxLength)
{
    maxLength = std::min(maxLength, FileInfo::MaxName);
    const std::string folder = _folder;
    const std::string mask = _mask;
    while (Next())
    {
        const FileInfo info = _info;
        if (info.IsDirectory())
        {
            const std::string subFolder = folder + info.GetFileName() + "/";
            if (subFolder.size() >= MaxFolder)
                return false;
            FileFinder sub(subFolder.c_str(), mask.c_str(), _flags);
            if (!sub.RecursiveFileScan(result, largest, fullPath, FileInfo::MaxName))
                return false;
            continue;
        }
        std::string name = fullPath ? folder + info.GetFileName() : std::string(info.GetFileName());
        if (name.size() + 1 >= maxLength)
            return false;
        result.AddFileInfo(FileInfo(name.c_str(), info.GetFileSize(), info.GetAttributes()));
        largest = std::max<unsigned long>(largest, info.GetFileSize());
    }
    return true;
}
