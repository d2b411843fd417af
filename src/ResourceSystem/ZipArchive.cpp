#include "ResourceSystem/ZipArchive.h"

#include <climits>

#include <unzip.h>

namespace {
// minizip 1.1: 2 selects case-insensitive name comparison.
constexpr int CASE_INSENSITIVE = 2;
// General-purpose flag bit 0: the member is encrypted.
constexpr unsigned long ENCRYPTED = 1;
} // namespace

std::unique_ptr<ZipArchive> ZipArchive::Open(const std::string& path)
{
    unzFile handle = unzOpen64(path.c_str());
    if (!handle)
        return nullptr;
    return std::unique_ptr<ZipArchive>(new ZipArchive(handle));
}

ZipArchive::~ZipArchive()
{
    CloseMember();
    unzClose(static_cast<unzFile>(_handle));
}

bool ZipArchive::Locate(const std::string& member, uint32_t& size, std::string* refusal)
{
    auto handle = static_cast<unzFile>(_handle);
    CloseMember();
    if (unzLocateFile(handle, member.c_str(), CASE_INSENSITIVE) != UNZ_OK)
        return false;
    unz_file_info64 info;
    if (unzGetCurrentFileInfo64(handle, &info, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK)
        return false;
    if (info.flag & ENCRYPTED)
    {
        if (refusal)
            *refusal = "it is encrypted";
        return false;
    }
    // A size of all ones stands for a Zip64 size that the reader did not resolve: taking it
    // for real would announce a 4 GiB member.
    if (info.uncompressed_size >= UINT32_MAX || info.compressed_size >= UINT32_MAX)
    {
        if (refusal)
            *refusal = "its size does not fit 32 bits";
        return false;
    }
    size = static_cast<uint32_t>(info.uncompressed_size);
    return true;
}

bool ZipArchive::OpenMember()
{
    CloseMember();
    _memberOpen = unzOpenCurrentFile(static_cast<unzFile>(_handle)) == UNZ_OK;
    return _memberOpen;
}

unsigned long ZipArchive::Read(void* buffer, unsigned long size)
{
    if (!_memberOpen || !buffer)
        return 0;
    unsigned long total = 0;
    auto* out = static_cast<unsigned char*>(buffer);
    while (total < size)
    {
        unsigned long chunk = size - total;
        if (chunk > INT_MAX)
            chunk = INT_MAX;
        int got = unzReadCurrentFile(static_cast<unzFile>(_handle), out + total, static_cast<unsigned>(chunk));
        if (got <= 0)
            break;
        total += static_cast<unsigned long>(got);
    }
    return total;
}

void ZipArchive::CloseMember()
{
    if (_memberOpen)
    {
        unzCloseCurrentFile(static_cast<unzFile>(_handle));
        _memberOpen = false;
    }
}
