#pragma once
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include <unistd.h>
#include <zip.h>

#include <gtest/gtest.h>

#include "ResourceSystem/IResourceMgr.h"
#include "foundation/base/Dumper.h"

// Collects the lines of a Dumper of the test's own.
class LogCapture : public IDumperClient
{
public:
    explicit LogCapture(std::vector<std::string>& lines) : _lines(lines) {}
    void OnPrint(eDumpEvent kind, const char* text) override { _lines.push_back(Prefix(kind) + text); }
    void OnDump(eDumpEvent, const void*, unsigned) override {}

    static std::string Prefix(eDumpEvent kind) { return std::to_string(static_cast<int>(kind)) + ":"; }

private:
    std::vector<std::string>& _lines;
};

inline bool HasLine(const std::vector<std::string>& lines, eDumpEvent kind, const std::string& text)
{
    for (const std::string& line : lines)
        if (line == LogCapture::Prefix(kind) + text)
            return true;
    return false;
}

struct FakeResource : IResource
{
    FakeResource(const ResourceInfo& info, std::string header, std::string data, int* destroyed)
        : IResource(info), header(std::move(header)), data(std::move(data)), destroyed(destroyed)
    {}
    ~FakeResource() override
    {
        if (destroyed)
            ++*destroyed;
    }
    std::string header;
    std::string data;
    int* destroyed;
};

// A manager of plain byte files: an optional header, then data read after `skip` bytes.
// Data that begins with "BAD" is refused.
class FakeMgr : public IResourceMgr
{
public:
    explicit FakeMgr(size_t headerSize = 0, bool withProxy = true) : _headerSize(headerSize), _withProxy(withProxy) {}

    void* OnQueryHeader(unsigned long& headerSize, const char* extension) override
    {
        lastExtension = extension;
        headerSize = _headerSize;
        _header.assign(_headerSize, '\0');
        return _headerSize ? _header.data() : nullptr;
    }
    IResource* OnCreateProxyResource(const ResourceInfo&) override
    {
        IResource* proxy = GetResource("$proxy");
        return proxy == INVALID_RES_HANDLE ? INVALID_RES_HANDLE : proxy;
    }
    IResource* OnCreateResource(const ResourceInfo& info, unsigned long dataSize) override
    {
        ++created;
        lastInfo = info;
        lastDataSize = dataSize;
        std::string data(dataSize > skip ? dataSize - skip : 0, '\0');
        unsigned long got = ReadNextChunk(skip, data.data(), data.size());
        data.resize(got);
        if (data.rfind("BAD", 0) == 0)
            return INVALID_RES_HANDLE;
        auto* resource = new FakeResource(info, _header, data, &destroyed);
        AddResource(resource);
        return resource;
    }
    void OnInitResource() override { ++initialised; }
    void InitDefaultResources() override
    {
        ++defaultsMade;
        if (_withProxy && GetResource("$proxy") == INVALID_RES_HANDLE)
        {
            ResourceInfo info;
            info.SetName("$proxy");
            AddResource(new FakeResource(info, "", "proxy", &destroyed));
        }
    }

    int created = 0;
    int initialised = 0;
    int defaultsMade = 0;
    int destroyed = 0;
    unsigned long skip = 0;
    unsigned long lastDataSize = 0;
    std::string lastExtension;
    ResourceInfo lastInfo;

private:
    size_t _headerSize;
    bool _withProxy;
    std::string _header;
};

// A fresh folder under the system's temporary folder, removed afterwards.
class TempDir
{
public:
    TempDir()
    {
        static int counter = 0;
        _path = std::filesystem::temp_directory_path() /
                ("bm_resource_" + std::to_string(::getpid()) + "_" + std::to_string(counter++));
        std::filesystem::remove_all(_path);
        std::filesystem::create_directories(_path);
    }
    ~TempDir() { std::filesystem::remove_all(_path); }
    std::string operator/(const std::string& relative) const { return (_path / relative).string(); }
    const std::filesystem::path& Path() const { return _path; }

private:
    std::filesystem::path _path;
};

inline void WriteFile(const std::string& path, const std::string& bytes)
{
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

// Writes a deflated zip archive of (member name, bytes) pairs.
inline void WriteZip(const std::string& path, const std::vector<std::pair<std::string, std::string>>& members)
{
    zipFile zip = zipOpen(path.c_str(), APPEND_STATUS_CREATE);
    ASSERT_NE(zip, nullptr);
    for (const auto& [name, bytes] : members)
    {
        zip_fileinfo info = {};
        ASSERT_EQ(zipOpenNewFileInZip(zip, name.c_str(), &info, nullptr, 0, nullptr, 0, nullptr, Z_DEFLATED,
                                      Z_DEFAULT_COMPRESSION),
                  ZIP_OK);
        ASSERT_EQ(zipWriteInFileInZip(zip, bytes.data(), static_cast<unsigned>(bytes.size())), ZIP_OK);
        ASSERT_EQ(zipCloseFileInZip(zip), ZIP_OK);
    }
    ASSERT_EQ(zipClose(zip, nullptr), ZIP_OK);
}
