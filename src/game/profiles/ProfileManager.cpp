#include "game/profiles/ProfileManager.h"

#include <algorithm>
#include <strings.h>

#include "foundation/base/Dumper.h"
#include "foundation/base/Path.h"
#include "game/core/texts/GameTexts.h"
#include "game/core/texts/ScreenTextsFiles.h"
#include "game/profiles/ProfileFile.h"

namespace {
// The profile name of a found file: its path without the ".prf" suffix, whatever its letter
// case, so that names holding a dot keep it.
std::string ConvertFilenameToProfilename(const std::string& file)
{
    const size_t suffix = std::char_traits<char>::length(ProfileFile::Suffix);
    if (file.size() >= suffix && strcasecmp(file.c_str() + file.size() - suffix, ProfileFile::Suffix) == 0)
        return file.substr(0, file.size() - suffix);
    return file;
}
} // namespace

ProfileManager::ProfileManager(GameTexts* texts, const Base* base, std::string language, std::filesystem::path folder)
    : _texts(texts), _language(std::move(language)), _context{texts, base, std::move(folder)}
{}

void ProfileManager::Initialize()
{
    if (_initialized)
        return;
    _initialized = true;
    _tips.Initialize(_language.c_str(), _context.folder);
    if (_texts)
        for (const char* file : ScreenTextsFiles)
            _texts->LoadTextsFromFile(_language.c_str(), file);

    ScanProfileFolder();
    for (const std::string& file : _foundFiles)
    {
        const std::string name = ConvertFilenameToProfilename(file);
        if (!ProfileFile::IsSafeName(name.c_str()))
        {
            Dumper::Instance().Print(DUMP_WARNING, "Profile file \"%s\" skipped: its name cannot be a profile name\n",
                                     file.c_str());
            continue;
        }
        if (UserProfile* profile = AddProfile(name.c_str()))
            profile->Load();
    }
    Dumper::Instance().Print(DUMP_INFO, "Profiles loaded: %d\n", GetProfileCount());
}

void ProfileManager::ShutDown()
{
    _current = nullptr;
    for (const auto& profile : _profiles)
        profile->Save();
    _profiles.clear();
    _tips.ShutDown();
    _initialized = false;
}

// Every ".prf" file below "profiles/", in name order; a folder that is missing gives none.
void ProfileManager::ScanProfileFolder()
{
    _foundFiles.clear();
    const std::filesystem::path folder = ResolvePath((_context.folder / ProfileFile::Folder).string());
    std::error_code error;
    const auto options = std::filesystem::directory_options::skip_permission_denied;
    for (std::filesystem::recursive_directory_iterator it(folder, options, error), end; !error && it != end;
         it.increment(error))
    {
        const std::string name = it->path().filename().string();
        std::error_code typeError;
        if (it->is_regular_file(typeError) && name != ConvertFilenameToProfilename(name))
            _foundFiles.push_back(it->path().lexically_relative(folder).string());
    }
    std::sort(_foundFiles.begin(), _foundFiles.end());
}

UserProfile* ProfileManager::FindProfile(const char* name) const
{
    for (const auto& profile : _profiles)
        if (strcasecmp(profile->GetName(), name) == 0)
            return profile.get();
    return nullptr;
}

UserProfile* ProfileManager::CreateProfile(const char* name)
{
    // A file that no listed pilot stands for (the second of two names that differ only in letter
    // case) is still a pilot's: the new one must not write over it.
    if (ProfileFile::IsSafeName(name) && !FindProfile(name))
    {
        const std::vector<std::filesystem::path> files = ProfileFile::FilesOf(_context.folder, name);
        if (!files.empty())
        {
            Dumper::Instance().Print(DUMP_WARNING, "Profile \"%s\" not created: the name is taken by the file \"%s\"\n",
                                     name, files.front().c_str());
            return nullptr;
        }
    }
    // A new pilot is on disk at once: a crash must not lose it.
    UserProfile* profile = AddProfile(name);
    if (profile)
        profile->Save();
    return profile;
}

UserProfile* ProfileManager::AddProfile(const char* name)
{
    if (!ProfileFile::IsSafeName(name))
    {
        Dumper::Instance().Print(DUMP_WARNING, "Profile \"%s\" not created: the name cannot be a file name\n",
                                 name ? name : "");
        return nullptr;
    }
    if (FindProfile(name))
    {
        Dumper::Instance().Print(DUMP_WARNING, "Profile \"%s\" not created: the name is taken\n", name);
        return nullptr;
    }
    _profiles.push_back(std::make_unique<UserProfile>(_context));
    UserProfile* profile = _profiles.back().get();
    profile->Create(name);
    if (!_current)
        _current = profile;
    return profile;
}

bool ProfileManager::RenameProfile(UserProfile* profile, const char* name)
{
    if (!profile)
        return false;
    if (!ProfileFile::IsSafeName(name))
    {
        Dumper::Instance().Print(DUMP_WARNING, "Profile \"%s\" not renamed: \"%s\" cannot be a file name\n",
                                 profile->GetName(), name ? name : "");
        return false;
    }
    const UserProfile* other = FindProfile(name);
    if (other && other != profile)
    {
        Dumper::Instance().Print(DUMP_WARNING, "Profile \"%s\" not renamed: the name \"%s\" is taken\n",
                                 profile->GetName(), name);
        return false;
    }
    // A file of the new name in any letter case that is not the pilot's own is another pilot's,
    // listed or not, even where the new name is the pilot's own in another case: a file of
    // exactly that name would be replaced, and one in a third case could be listed in its place.
    std::error_code error;
    std::filesystem::path own = profile->HasFile() ? ProfileFile::PathOf(_context.folder, profile->GetName()) : "";
    if (!own.empty() && !std::filesystem::is_regular_file(own, error))
        own.clear();
    for (const std::filesystem::path& taken : ProfileFile::FilesOf(_context.folder, name))
    {
        if (!own.empty() && std::filesystem::equivalent(taken, own, error))
            continue;
        Dumper::Instance().Print(DUMP_WARNING,
                                 "Profile \"%s\" not renamed: the name \"%s\" is taken by the file \"%s\"\n",
                                 profile->GetName(), name, taken.c_str());
        return false;
    }
    // The file follows at once, so that the old name is not found again at the next start.
    if (!own.empty())
    {
        std::filesystem::rename(own, own.parent_path() / (std::string(name) + ProfileFile::Suffix), error);
        if (error)
        {
            Dumper::Instance().Print(DUMP_WARNING, "Profile \"%s\" not renamed: its file cannot be renamed: %s\n",
                                     profile->GetName(), error.message().c_str());
            return false;
        }
    }
    profile->SetName(name);
    // A pilot never saved gets its file now, under the new name.
    profile->Save();
    return true;
}

void ProfileManager::DeleteProfile(UserProfile* profile)
{
    auto it = std::find_if(_profiles.begin(), _profiles.end(), [profile](const auto& p) { return p.get() == profile; });
    if (it == _profiles.end())
        return;
    if (_current == profile)
        SelectNone();
    // A pilot without a file of its own has nothing to delete: a file of its name is another's.
    const std::filesystem::path path =
        profile->HasFile() ? ProfileFile::PathOf(_context.folder, profile->GetName()) : "";
    std::error_code error;
    if (!path.empty() && !std::filesystem::remove(path, error) && error)
        Dumper::Instance().Print(DUMP_WARNING, "Cannot delete the profile file \"%s\": %s\n", path.c_str(),
                                 error.message().c_str());
    if (it != _profiles.end() - 1)
        *it = std::move(_profiles.back());
    _profiles.pop_back();
}

void ProfileManager::SelectCurrent(const char* name)
{
    if (UserProfile* profile = name ? FindProfile(name) : nullptr)
        _current = profile;
}

UserProfile* ProfileManager::GetProfileByIndex(int index) const
{
    return index >= 0 && index < GetProfileCount() ? _profiles[static_cast<size_t>(index)].get() : nullptr;
}
