#pragma once
// A behaviour that many actors share: concrete states hold no per-actor data and exist once each,
// reached through a static Instance().
class Actor;
struct Telegram;

class State
{
public:
    State();
    virtual ~State() = default;

    virtual void OnEnter(Actor* actor) = 0;
    virtual void OnExecute(Actor* actor) = 0;
    virtual void OnExit(Actor* actor) = 0;
    virtual void OnMessage(Telegram* telegram) = 0;

    // Longer texts are cut to 63 characters.
    void SetDescription(const char* text);
    const char* GetDescription() const { return _description; }

private:
    char _description[64];
};
