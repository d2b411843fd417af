#include "foundation/base/Referenced.h"

#include "foundation/base/Dumper.h"

IReferenced::IReferenced(IGarbageCollector* collector)
{
    if (collector)
        collector->Link(this);
}

IGarbageCollector::~IGarbageCollector()
{
    // Forget what a derived collector left behind; calling OnCollect here would be a pure call.
    _first = _last = nullptr;
}

void IGarbageCollector::Link(IReferenced* object)
{
    object->_next = nullptr;
    if (_last)
        _last->_next = object;
    else
        _first = object;
    _last = object;
}

void IGarbageCollector::Unlink(IReferenced* object, IReferenced* previous)
{
    if (previous)
        previous->_next = object->_next;
    else
        _first = object->_next;
    if (_last == object)
        _last = previous;
    object->_next = nullptr;
}

void IGarbageCollector::CleanGarbage()
{
    IReferenced* previous = nullptr;
    IReferenced* object = _first;
    while (object)
    {
        IReferenced* next = object->_next;
        if (object->IsUnreferenced())
        {
            Unlink(object, previous);
            OnCollect(object);
        }
        else
            previous = object;
        object = next;
    }
}

void IGarbageCollector::DumpGarbage(Dumper* dumper) const
{
    if (!dumper)
        return;
    unsigned total = 0;
    unsigned garbage = 0;
    dumper->Print("--- Dumping garbage content:\n");
    for (const IReferenced* object = _first; object; object = object->_next)
    {
        unsigned used = object->GetMemoryUsed();
        total += used;
        if (object->IsUnreferenced())
        {
            garbage += used;
            dumper->Print(DUMP_PLAIN, "\tActual memory used: %d Bytes, [GARBAGE]\n", used);
        }
        else
            dumper->Print(DUMP_PLAIN, "\tActual memory used: %d Bytes, references: %d\n", used, object->GetRefCount());
    }
    dumper->Print(DUMP_PLAIN, "\n\tTotal memory used: %d Bytes\n", total);
    dumper->Print(DUMP_PLAIN, "\tTotal garbage memory: %d Bytes\n", garbage);
    dumper->Print("--- Finished dumping garbage content\n");
}
