#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// One entry found by a FileFinder.
class FileInfo
{
public:
    static constexpr unsigned MaxName = 256;
    static constexpr uint32_t ATTR_DIRECTORY = 0x10;
    static constexpr uint32_t ATTR_NORMAL = 0x80;

    FileInfo() = default;
    FileInfo(const char* name, uint32_t size, uint32_t attributes);

    const char* GetFileName() const { return _fileName; }
    uint32_t GetFileSize() const { return _fileSize; }
    uint32_t GetAttributes() const { return _attributes; }
    bool IsDirectory() const { return _attributes & ATTR_DIRECTORY; }
    bool IsFile() const { return !IsDirectory(); }

private:
    char _fileName[MaxName] = {};
    uint32_t _fileSize = 0;
    uint32_t _attributes = 0;
};

// The owned records of a recursive scan.
class FileScanResult
{
public:
    void AddFileInfo(const FileInfo& info);
    FileInfo* GetFileInfo(unsigned i) const;
    // Takes ownership of `info` and frees the record it replaces.
    void SetFileInfo(unsigned i, FileInfo* info);
    void RemoveFileInfo(unsigned i);
    void Clear() { _files.clear(); }
    unsigned GetSize() const { return static_cast<unsigned>(_files.size()); }

private:
    std::vector<std::unique_ptr<FileInfo>> _files;
};

// Lists the entries of a folder whose names match a mask ("*" and "?", case-insensitive, "*.*"
// matches everything), in name order. Folder paths may use "\\" and any letter case.
class FileFinder
{
public:
    // Longest folder path (with its separator) and mask a finder takes, terminators included.
    static constexpr unsigned MaxFolder = 256;
    static constexpr unsigned MaxMask = 128;

    enum
    {
        FF_LOWER_CASE = 0x01, // deliver names in lower case
    };

    explicit FileFinder(unsigned long flags = 0);
    // Keeps the pattern only; the finder stays uninitialised.
    FileFinder(const char* pattern, unsigned long flags);
    FileFinder(const char* folder, const char* mask, unsigned long flags);
    ~FileFinder();

    bool Initialize(const char* pattern);
    // False when the folder is missing, is not a directory, or the folder path or mask is too
    // long (which also ends a scan that loops through linked folders).
    bool Initialize(const char* folder, const char* mask);

    bool Next();
    bool Next(std::string& name);
    bool Next(char* name, unsigned size);
    const FileInfo& GetInfo() const { return _info; }
    bool Close();

    // Adds every matching file below the folder; subfolders are entered when their own names
    // match the mask. Fails when a stored name would reach `maxLength` (at most 256) or a
    // subfolder's path would reach MaxFolder.
    bool RecursiveFileScan(FileScanResult& result, unsigned long& largest, bool fullPath, unsigned maxLength);

    static bool MatchMask(const char* name, const char* mask);

private:
    bool Start();

    unsigned long _flags;
    bool _initialized = false;
    bool _started = false;
    std::string _pattern;
    std::string _folder; // normalised, ends in "/"
    std::string _mask;
    std::vector<FileInfo> _entries;
    size_t _nextEntry = 0;
    FileInfo _info;
};
