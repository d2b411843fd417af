#pragma once
#include <cstdint>
#include <memory>
#include <string>

// One open ".apk" zip archive and the member currently being read from it.
// The only place that talks to minizip.
class ZipArchive
{
public:
    // Null when the archive does not open.
    static std::unique_ptr<ZipArchive> Open(const std::string& path);
    ~ZipArchive();
    ZipArchive(const ZipArchive&) = delete;
    ZipArchive& operator=(const ZipArchive&) = delete;

    // Finds the member case-insensitively and makes it current; gives its uncompressed size.
    // An encrypted member, or one whose size does not fit 32 bits (Zip64), is refused: false,
    // with the reason in `refusal`.
    bool Locate(const std::string& member, uint32_t& size, std::string* refusal = nullptr);
    // Opens the current member for reading.
    bool OpenMember();
    // Reads up to size bytes of the open member; the count read (0 at its end or on error).
    unsigned long Read(void* buffer, unsigned long size);
    void CloseMember();

private:
    explicit ZipArchive(void* handle) : _handle(handle) {}

    void* _handle;
    bool _memberOpen = false;
};
