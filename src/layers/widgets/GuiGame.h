#pragma once

class GameTexts;
class Material;
class ProfileManager;
class UserProfile;

// The part of the game object the widgets read: the localised texts their fixed captions come
// from, and the profiles whose current pilot they show. The game registers itself at start;
// while none is registered, captions show their codes and no pilot is read.
class IGuiGame
{
public:
    virtual ~IGuiGame() = default;
    virtual GameTexts* GetGameTextsSystem() const = 0;
    virtual ProfileManager* GetProfileManager() const = 0;
};

namespace GuiGame {

// Not owned; null unregisters.
void Set(IGuiGame* game);
IGuiGame* Get();
// The text of the code, or the code itself when no text has it, so that a missing text shows.
const char* Text(const char* code);
// The chosen pilot; null before one is chosen.
UserProfile* CurrentProfile();
// A material from its file, through the render device the layers draw with; null without one.
Material* LoadMaterial(const char* file);

} // namespace GuiGame
