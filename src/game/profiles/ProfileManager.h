#pragma once
// Every pilot profile of the installation, and which one is current. At start it loads the
// screens' texts files and the loading tips, and a profile for each ".prf" file in "profiles/";
// a profile is written when it is created or renamed (its file goes when it is deleted), and
// every profile at shut-down.
#include <memory>
#include <string>
#include <vector>

#include "game/core/catalogue/LevelTips.h"
#include "game/profiles/ProfileContext.h"
#include "game/profiles/UserProfile.h"

class ProfileManager
{
public:
    // Texts files, tips and profiles are read in `language`; the profile files live in
    // "<folder>/profiles/". The texts and game data are not owned and outlive the manager.
    ProfileManager(GameTexts* texts, const Base* base, std::string language, std::filesystem::path folder = ".");
    ProfileManager(const ProfileManager&) = delete;
    ProfileManager& operator=(const ProfileManager&) = delete;

    // Once; later calls do nothing until ShutDown.
    void Initialize();
    // Saves and frees every profile, in list order, and drops the tips.
    void ShutDown();

    // A new current profile when none is current, written to its file at once. Null, logged,
    // when the name cannot be a file name or a profile or a profile file of that name exists in
    // any letter case (one that no profile stands for is still a pilot's).
    UserProfile* CreateProfile(const char* name);
    // Gives the profile a new name and its file the name's, and writes it. False, logged, when
    // the name cannot be a file name, another profile or a file not the profile's own has it in
    // any letter case, or the file cannot be renamed; the profile and its file then stay as they
    // were.
    bool RenameProfile(UserProfile* profile, const char* name);
    // Deletes the profile and its file; the last profile takes its place in the list.
    void DeleteProfile(UserProfile* profile);
    // The first profile of that name in any letter case becomes current; none keeps the current one.
    void SelectCurrent(const char* name);
    void SelectNone() { _current = nullptr; }

    // Null while no profile is selected.
    UserProfile* GetCurrent() const { return _current; }
    int GetProfileCount() const { return static_cast<int>(_profiles.size()); }
    // Null outside the list.
    UserProfile* GetProfileByIndex(int index) const;
    LevelTips* GetTipsManager() { return &_tips; }

private:
    void ScanProfileFolder();
    // CreateProfile without the write, for the profiles read from their files.
    UserProfile* AddProfile(const char* name);
    UserProfile* FindProfile(const char* name) const;

    GameTexts* _texts;
    std::string _language;
    ProfileContext _context;
    UserProfile* _current = nullptr;
    std::vector<std::unique_ptr<UserProfile>> _profiles;
    std::vector<std::string> _foundFiles; // relative to "profiles/", as found
    LevelTips _tips;
    bool _initialized = false;
};
