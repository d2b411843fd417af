#pragma once

#include "foundation/math/Vec3.h"
#include "scene/nodes/Group.h"

#include <vector>

class ParticleEmitter;

// A particle effect: a group that plays its particle emitters together, advanced by the
// scene's update pass. Stop ends the emission; the effect plays on until its last particle
// has expired.
class Emitter : public Group
{
public:
    Emitter(Group* root, RenderScene* scene);

    bool AcceptVisitor(NodeVisitor& visitor) override;
    bool PostAcceptVisitor(NodeVisitor& visitor) override;
    eNodeType GetType() const override { return NT_EMITTER; }
    // Particle emitters hung under the group join its list, whoever hangs them.
    void AddChild(Node* node) override;
    void RemoveChild(Node* node) override;
    void RemoveChildren() override;
    void DestroyChildren() override;

    // While playing, turns the group and runs every particle emitter for the time times the
    // play speed. The first call after construction does nothing.
    virtual void Update(float seconds);

    void Play(float speed);
    void Pause() { _playing = false; }
    void Stop();
    // Runs the effect ahead by `time` seconds in updates of `step` at speed 1; a step that is
    // not positive runs nothing.
    void Ffwd(float time, float step);
    // Turn rates in degrees per second about the group's own X, Y and Z axes.
    void SetRotation(float x, float y, float z) { _rotation = Vec3(x, y, z); }
    void SetRotation(const Vec3& rotation) { _rotation = rotation; }
    const Vec3& GetRotation() const { return _rotation; }
    float GetSpeedFactor() const { return _speedFactor; }
    bool IsPlaying() const { return _playing; }
    bool IsStopping() const { return _stopping; }
    // The longest duration plus the longest lifetime of the particle emitters, over the play
    // speed (start delays not counted); unscaled while the speed is not positive.
    float GetTotalDuration() const;

    ParticleEmitter* AddParticleEmitter();
    ParticleEmitter* GetParticleEmitter(unsigned index) const;
    unsigned GetNumParticleEmitters() const { return static_cast<unsigned>(_emitters.size()); }
    // Destroys it when it is one of this effect's.
    void RemoveParticleEmitter(ParticleEmitter* emitter);
    // Destroys every child.
    void RemoveParticleEmitters() { DestroyChildren(); }

private:
    std::vector<ParticleEmitter*> _emitters;
    bool _playing = false;
    bool _stopping = false;
    float _speedFactor = 1.0f;
    Vec3 _rotation{0.0f, 0.0f, 0.0f};
    bool _skipUpdate = true;
};
