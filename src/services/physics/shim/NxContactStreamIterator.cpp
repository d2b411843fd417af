#include "services/physics/shim/NxReports.h"

NxContactStreamIterator::NxContactStreamIterator(const NxContactPair& pair, const NxActor* ownActor)
    : _stream(pair.stream), _ownIsFirst(pair.actors[0] == ownActor)
{}

bool NxContactStreamIterator::goNextPair()
{
    if (!_stream || _pair + 1 >= int(_stream->size()))
        return false;
    ++_pair;
    _patch = -1;
    _point = -1;
    return true;
}

NxShape* NxContactStreamIterator::getShape(NxU32 index) const
{
    if (!_stream || _pair < 0 || index > 1)
        return nullptr;
    // Index 0 is the other actor's shape.
    const NxU32 side = _ownIsFirst ? 1 - index : index;
    return (*_stream)[_pair].shapes[side];
}

bool NxContactStreamIterator::goNextPatch()
{
    if (_pair < 0 || _patch >= 0)
        return false;
    _patch = 0;
    _point = -1;
    return true;
}

NxVec3 NxContactStreamIterator::getPatchNormal() const
{
    if (_pair < 0)
        return {0, 0, 0};
    const NxVec3& normal = (*_stream)[_pair].normal;
    return _ownIsFirst ? normal : -normal;
}

bool NxContactStreamIterator::goNextPoint()
{
    if (_patch < 0 || _point + 1 >= int((*_stream)[_pair].points.size()))
        return false;
    ++_point;
    return true;
}

const NxVec3& NxContactStreamIterator::getPoint() const
{
    static const NxVec3 origin{0, 0, 0};
    if (_point < 0)
        return origin;
    return (*_stream)[_pair].points[_point];
}
