#include "game/world/actor/Actor.h"

#include "game/core/FixedText.h"
#include "game/core/game/Game.h"
#include "game/core/level/SingleLevel.h"
#include "game/core/messages/Telegram.h"
#include "game/core/states/StateMachine.h"
#include "foundation/lua/Table.h"
#include "scene/nodes/Bone.h"
#include "scene/nodes/Model.h"
#include "services/sound/SoundEngine.h"

Actor::Actor() = default;

Actor::~Actor() = default;

void Actor::SetFromTable(Table) {}

std::weak_ptr<Actor> Actor::GetExistenceToken()
{
    if (!_existence)
        _existence = std::shared_ptr<Actor>(this, [](Actor*) {});
    return _existence;
}

void Actor::SetName(const char* name) { CopyFixedText(_name, name); }

void Actor::SetClassname(const char* classname) { CopyFixedText(_classname, classname); }

void Actor::SetTagName(const char* tag) { CopyFixedText(_tagName, tag); }

void Actor::StartTimer(unsigned int id, unsigned int milliseconds)
{
    for (TimerEvent& timer : _timers)
    {
        if (timer.id == id)
        {
            timer.period = static_cast<float>(milliseconds) / 1000.0f;
            timer.elapsed = 0.0f;
            return;
        }
    }
    _timers.push_back({id, static_cast<float>(milliseconds) * 0.001f, 0.0f});
}

void Actor::StopTimer(unsigned int id)
{
    for (TimerEvent& timer : _timers)
    {
        if (timer.id == id)
        {
            timer = _timers.back();
            _timers.pop_back();
            return;
        }
    }
}

void Actor::UpdateTimers(float spf)
{
    for (TimerEvent& timer : _timers)
    {
        timer.elapsed += spf;
        if (timer.period <= timer.elapsed)
        {
            timer.elapsed = 0.0f;
            SendMessage(MESSAGE_ON_TIMER, this, 0.0f, new MessageOnTimer(timer.id));
        }
    }
}

void Actor::Proceed()
{
    const float spf = game.GetSPF();
    if (_lifetime == NoLifetime || _lifetime > 0.0f)
    {
        UserProceed();
        UpdateTimers(spf);
        if (_stateMachine)
            _stateMachine->Update();
    }
    if (_lifetime == NoLifetime)
        return;
    _lifetime -= spf;
    if (_lifetime <= 0.0f)
    {
        // Frees this actor: nothing may follow.
        if (SingleLevel* level = game.GetLevel())
            level->DestroyActor(this, true);
    }
}

void Actor::ShutDown()
{
    // Destruction effects are left out while the whole mission is being torn down.
    const SingleLevel* level = game.GetLevel();
    if (level && level->IsExist())
        UserPreDeleteEffect();
    UserShutDown();
    if (level && level->IsExist())
        UserPostDeleteEffect();
}

void Actor::SendMessage(eMessage type, Actor* receiver, float delay, Message* payload)
{
    if (SingleLevel* level = game.GetLevel())
        level->SendMessage(this, receiver, type, payload, delay);
    else
        delete payload;
}

void Actor::DestroySelf()
{
    if (SingleLevel* level = game.GetLevel())
        level->DestroyActor(this, false);
}

float Actor::DistanceToCamera() const
{
    const SingleLevel* level = game.GetLevel();
    if (!level)
        return 0.0f;
    return level->DistanceToCamera(_mainModel ? _mainModel->GetGlobalPos() : _root.Pos());
}

float Actor::DistanceToCameraSquared() const
{
    const SingleLevel* level = game.GetLevel();
    if (!level)
        return 0.0f;
    return level->DistanceToCameraSquared(_mainModel ? _mainModel->GetGlobalPos() : _root.Pos());
}

Model* Actor::GetMainModelEx()
{
    if (!_mainModel || _mainModel->GetType() != NT_MODEL)
        return nullptr;
    return static_cast<Model*>(_mainModel);
}

void Actor::OnMessage(Telegram* telegram)
{
    // Every type handled here carries a payload; a telegram without one is ignored.
    if (!telegram->payload)
        return;
    SingleLevel* level = game.GetLevel();
    switch (telegram->type)
    {
    case MESSAGE_ON_CONTACT: OnContact(static_cast<MessageOnContact*>(telegram->payload)->other); break;
    case MESSAGE_ON_TIMER: OnTimer(static_cast<MessageOnTimer*>(telegram->payload)->id); break;
    case MESSAGE_DELETE_ACTOR_NOW:
        if (level)
            level->DestroyActor(static_cast<MessageDeleteActor*>(telegram->payload)->actor, true);
        break;
    case MESSAGE_DELETE_ACTOR_AT_MISSION_END:
        if (level)
            level->DestroyActor(static_cast<MessageDeleteActor*>(telegram->payload)->actor, false);
        break;
    case MESSAGE_ADD_FORCE:
        AddForce(static_cast<MessageAddForce*>(telegram->payload)->force, NX_SMOOTH_VELOCITY_CHANGE);
        break;
    case MESSAGE_PLAY_2D_SOUND:
        if (SoundEngine* sound = game.GetSoundEngine())
            sound->CreateSound2D(static_cast<MessagePlay2DSound*>(telegram->payload)->name, true, -1.0f);
        break;
    default: break;
    }
}

bool Actor::CreateStateMachine()
{
    _stateMachine = std::make_unique<StateMachine>(this);
    return true;
}

bool Actor::DestroyStateMachine()
{
    _stateMachine.reset();
    return true;
}

void Actor::UpdateStateMachine()
{
    if (_stateMachine)
        _stateMachine->Update();
}
