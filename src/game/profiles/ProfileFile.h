#pragma once
// The profile file "profiles/<name>.prf" (format in docs/profile-file.md): which names may
// become file names, where the file of a name is, and its bytes both ways.
#include <cstdint>
#include <filesystem>
#include <vector>

class BinaryReader;
class BinaryWriter;
class UserProfile;

class ProfileFile
{
public:
    // The version written; every older one is read.
    static constexpr uint32_t Version = 7;
    // Only this much of a file is read.
    static constexpr size_t MaxFileSize = 16 << 20;
    // More ships than this are not read.
    static constexpr int MaxShips = 1000;
    static constexpr const char* Folder = "profiles";
    static constexpr const char* Suffix = ".prf";

    // A name is a safe file name when it is not empty, has at most 63 bytes, holds no '/', '\\'
    // or control character, and does not start with '.', so its file stays inside "profiles/".
    static bool IsSafeName(const char* name);
    // "<folder>/profiles/<name>.prf", matched to an existing file in any letter case; empty for
    // a name that is not safe.
    static std::filesystem::path PathOf(const std::filesystem::path& folder, const char* name);
    // The files of "<folder>/profiles/" that stand for the name in any letter case, the suffix's
    // too: a file written for the name could replace any of them.
    static std::vector<std::filesystem::path> FilesOf(const std::filesystem::path& folder, const char* name);

    static void Write(const UserProfile& profile, BinaryWriter& out);
    // Reads what is sound over the profile and logs the rest: fields past the end keep their
    // values, counts are bounded by the data, a cut ship record ends the ships, devices a ship
    // cannot fit stay in its record unfitted, and a profile left without ships gets "Default".
    // False when the file is not one whole record: it was cut, damaged (bytes after the record of
    // its version, a field out of range, a ship's name without its end), or written by a newer
    // version. Write gives back byte for byte a whole record of the version written that holds a
    // ship.
    static bool Read(UserProfile& profile, BinaryReader& in);

private:
    // The ship count, the current ship and, from version 7, the ship records.
    static bool ReadShips(UserProfile& profile, BinaryReader& in, uint32_t version);
};
