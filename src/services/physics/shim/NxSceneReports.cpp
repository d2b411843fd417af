// The reports of one simulate call: contacts and triggers are found by comparing the pairs that
// touched in any of its steps with those of the call before; broken joints are found disabled.
#include <algorithm>

#include "services/physics/shim/NxActor.h"
#include "services/physics/shim/NxJoint.h"
#include "services/physics/shim/NxScene.h"
#include "services/physics/shim/NxShape.h"
#include "services/physics/shim/SceneWorld.h"

namespace {

// The shape of an object that a manifold point names: a trigger is its own shape, a body
// names its compound child. Static triangle meshes may name a triangle instead of the child;
// a lone child is then still found.
NxShape* ShapeOf(const btCollisionObject* object, int childIndex)
{
    if (NxShape* trigger = TriggerShape(object))
        return trigger;
    const auto* compound = static_cast<const btCompoundShape*>(object->getCollisionShape());
    const int count = compound->getNumChildShapes();
    if (count == 0)
        return nullptr;
    if (childIndex < 0 || childIndex >= count)
    {
        if (count != 1)
            return nullptr;
        childIndex = 0;
    }
    return static_cast<NxShape*>(compound->getChildShape(childIndex)->getUserPointer());
}

} // namespace

bool NxScene::fetchResults(NxSimulationStatus, bool)
{
    if (!_stepped)
        return true;
    _stepped = false;
    for (ContactRecord& record : _contacts)
        record.pair.stream = &record.stream;
    ReportJointBreaks();
    ReportContacts();
    ReportTriggers();
    return true;
}

void NxScene::StartGathering()
{
    std::swap(_contacts, _lastContacts);
    std::swap(_contactIndex, _lastContactIndex);
    _contacts.clear();
    _contactIndex.clear();
    // This step's lists become the last; the ones before are no longer needed.
    for (NxShape* trigger : _lastBusyTriggers)
        trigger->_wasInside.clear();
    for (NxShape* trigger : _busyTriggers)
    {
        std::swap(trigger->_inside, trigger->_wasInside);
        trigger->_inside.clear();
    }
    std::swap(_busyTriggers, _lastBusyTriggers);
    _busyTriggers.clear();
}

// A shape inside a trigger in several steps is listed once per step; the comparison reports
// it once.
void NxScene::GatherContacts()
{
    btDispatcher& dispatcher = *_world->Dynamics().getDispatcher();
    const int manifolds = dispatcher.getNumManifolds();
    for (int i = 0; i < manifolds; ++i)
    {
        const btPersistentManifold& m = *dispatcher.getManifoldByIndexInternal(i);
        const int points = m.getNumContacts();
        if (points == 0)
            continue;
        const btCollisionObject* a = m.getBody0();
        const btCollisionObject* b = m.getBody1();
        NxShape* ta = TriggerShape(a);
        NxShape* tb = TriggerShape(b);
        if (ta && tb)
            continue;
        if (ta || tb)
        {
            for (int p = 0; p < points; ++p)
            {
                const btManifoldPoint& point = m.getContactPoint(p);
                if (point.getDistance() >= 0)
                    continue;
                NxShape* trigger = ta ? ta : tb;
                if (NxShape* other = ta ? ShapeOf(b, point.m_index1) : ShapeOf(a, point.m_index0))
                {
                    if (trigger->_inside.empty())
                        _busyTriggers.push_back(trigger);
                    trigger->_inside.push_back(other);
                }
                break;
            }
            continue;
        }

        NxActor* aa = BodyActor(a);
        NxActor* ab = BodyActor(b);
        if (!aa || !ab || getActorGroupPairFlags(aa->_group, ab->_group) == 0)
            continue;
        const PairKey key = aa < ab ? PairKey(aa, ab) : PairKey(ab, aa);
        auto [slot, added] = _contactIndex.try_emplace(key, _contacts.size());
        if (added)
        {
            _contacts.emplace_back();
            _contacts.back().pair.actors[0] = aa;
            _contacts.back().pair.actors[1] = ab;
        }
        ContactRecord& record = _contacts[slot->second];
        if (record.step != _step)
        {
            record.step = _step;
            record.stream.clear();
            record.pair.sumNormalForce = NxVec3(0, 0, 0);
            record.pair.sumFrictionForce = NxVec3(0, 0, 0);
        }
        const bool swapped = record.pair.actors[0] != aa;
        const float sign = swapped ? -1.0f : 1.0f;
        NxContactShapePair shapes;
        btVector3 normal(0, 0, 0), normalForce(0, 0, 0), frictionForce(0, 0, 0);
        for (int p = 0; p < points; ++p)
        {
            const btManifoldPoint& point = m.getContactPoint(p);
            if (p == 0)
            {
                shapes.shapes[swapped ? 1 : 0] = ShapeOf(a, point.m_index0);
                shapes.shapes[swapped ? 0 : 1] = ShapeOf(b, point.m_index1);
            }
            normal += point.m_normalWorldOnB;
            // Forces on body0 over the step.
            normalForce += point.m_normalWorldOnB * (point.getAppliedImpulse() / NX_FIXED_STEP);
            frictionForce += (point.m_lateralFrictionDir1 * point.m_appliedImpulseLateral1 +
                              point.m_lateralFrictionDir2 * point.m_appliedImpulseLateral2) /
                             NX_FIXED_STEP;
            shapes.points.push_back(FromBt(point.getPositionWorldOnB()));
        }
        shapes.normal = FromBt(normal.safeNormalize() * sign);
        record.pair.sumNormalForce += FromBt(normalForce * sign);
        record.pair.sumFrictionForce += FromBt(frictionForce * sign);
        record.stream.push_back(std::move(shapes));
    }
}

void NxScene::ReportJointBreaks()
{
    std::vector<NxJoint*> broken;
    for (const auto& joint : _joints)
        if (!joint->_broken && !joint->_constraint->isEnabled())
            broken.push_back(joint.get());
    for (NxJoint* joint : broken)
    {
        // An earlier report may have released it.
        auto alive = [&] {
            return std::any_of(_joints.begin(), _joints.end(), [&](const auto& j) { return j.get() == joint; });
        };
        if (!alive())
            continue;
        joint->_broken = true;
        const float impulse = joint->_constraint->getAppliedImpulse();
        const bool release = _notify && _notify->onJointBreak(impulse, *joint);
        if (release && alive())
            releaseJoint(*joint);
    }
}

void NxScene::ReportContacts()
{
    if (!_contactReport)
        return;
    auto flagsOf = [&](const NxContactPair& pair) {
        return getActorGroupPairFlags(pair.actors[0]->_group, pair.actors[1]->_group);
    };
    // Indices, not references: a report may release actors, which only marks records.
    for (size_t i = 0; i < _contacts.size(); ++i)
    {
        if (!_contacts[i].pair.actors[0])
            continue;
        const NxContactPair& pair = _contacts[i].pair;
        const PairKey key = pair.actors[0] < pair.actors[1] ? PairKey(pair.actors[0], pair.actors[1])
                                                            : PairKey(pair.actors[1], pair.actors[0]);
        const NxU32 event = _lastContactIndex.count(key) ? NX_NOTIFY_ON_TOUCH : NX_NOTIFY_ON_START_TOUCH;
        if (flagsOf(pair) & event)
        {
            NxContactPair copy = pair;
            ReportContact(copy, event);
        }
    }
    static const NxContactStream none;
    for (size_t i = 0; i < _lastContacts.size(); ++i)
    {
        const NxContactPair& last = _lastContacts[i].pair;
        if (!last.actors[0])
            continue;
        const PairKey key = last.actors[0] < last.actors[1] ? PairKey(last.actors[0], last.actors[1])
                                                            : PairKey(last.actors[1], last.actors[0]);
        if (_contactIndex.count(key) || !(flagsOf(last) & NX_NOTIFY_ON_END_TOUCH))
            continue;
        NxContactPair end;
        end.actors[0] = last.actors[0];
        end.actors[1] = last.actors[1];
        end.stream = &none;
        ReportContact(end, NX_NOTIFY_ON_END_TOUCH);
    }
}

void NxScene::ReportContact(NxContactPair& pair, NxU32 event)
{
    _reporting = &pair;
    _contactReport->onContactNotify(pair, event);
    _reporting = nullptr;
}

// Per trigger, the shapes inside it now and at the last step are compared by marking the
// last ones, in time linear in the lists; a shape listed twice is reported once.
void NxScene::CompareTriggers()
{
    _triggerEvents.clear();
    for (NxShape* trigger : _busyTriggers)
    {
        const uint64_t wasInside = ++_lastMark, reported = ++_lastMark;
        for (NxShape* other : trigger->_wasInside)
            other->_mark = wasInside;
        for (NxShape* other : trigger->_inside)
            if (other->_mark != reported)
            {
                _triggerEvents.push_back(
                    {trigger, other, other->_mark == wasInside ? NX_TRIGGER_ON_STAY : NX_TRIGGER_ON_ENTER});
                other->_mark = reported;
            }
        for (NxShape* other : trigger->_wasInside)
            if (other->_mark == wasInside)
            {
                _triggerEvents.push_back({trigger, other, NX_TRIGGER_ON_LEAVE});
                other->_mark = reported;
            }
    }
    // Triggers that emptied in this step.
    for (NxShape* trigger : _lastBusyTriggers)
    {
        if (!trigger->_inside.empty())
            continue;
        const uint64_t reported = ++_lastMark;
        for (NxShape* other : trigger->_wasInside)
            if (other->_mark != reported)
            {
                _triggerEvents.push_back({trigger, other, NX_TRIGGER_ON_LEAVE});
                other->_mark = reported;
            }
    }
}

void NxScene::ReportTriggers()
{
    if (!_triggerReport)
        return;
    CompareTriggers();
    // Indices, not iterators: a report may release shapes, which clears their events.
    for (size_t i = 0; i < _triggerEvents.size(); ++i)
    {
        const TriggerEvent event = _triggerEvents[i];
        if (event.trigger && event.trigger->getFlag(event.status))
            _triggerReport->onTrigger(*event.trigger, *event.other, event.status);
    }
    _triggerEvents.clear();
}

void NxScene::ForgetActor(const NxActor& actor)
{
    // The report's receiver learns that an actor of its pair is gone.
    if (_reporting)
        for (int k = 0; k < 2; ++k)
            if (_reporting->actors[k] == &actor)
                _reporting->isDeletedActor[k] = true;
    for (auto* records : {&_contacts, &_lastContacts})
        for (ContactRecord& record : *records)
            if (record.pair.actors[0] == &actor || record.pair.actors[1] == &actor)
            {
                const PairKey key = record.pair.actors[0] < record.pair.actors[1]
                                        ? PairKey(record.pair.actors[0], record.pair.actors[1])
                                        : PairKey(record.pair.actors[1], record.pair.actors[0]);
                _contactIndex.erase(key);
                _lastContactIndex.erase(key);
                record.pair.actors[0] = record.pair.actors[1] = nullptr;
            }
}

void NxScene::ForgetShape(const NxShape& shape)
{
    NxShape* const gone = const_cast<NxShape*>(&shape);
    for (auto* list : {&_busyTriggers, &_lastBusyTriggers})
    {
        for (NxShape* trigger : *list)
        {
            std::erase(trigger->_inside, gone);
            std::erase(trigger->_wasInside, gone);
        }
        std::erase(*list, gone);
    }
    // A busy trigger has someone inside.
    std::erase_if(_busyTriggers, [](const NxShape* trigger) { return trigger->_inside.empty(); });
    for (TriggerEvent& event : _triggerEvents)
        if (event.trigger == gone || event.other == gone)
            event.trigger = event.other = nullptr;
    for (auto* records : {&_contacts, &_lastContacts})
        for (ContactRecord& record : *records)
            for (NxContactShapePair& pair : record.stream)
                for (NxShape*& s : pair.shapes)
                    if (s == &shape)
                        s = nullptr;
}
