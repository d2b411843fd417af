#pragma once

class Dumper;
class IGarbageCollector;

// An object with an explicit reference count that its collector frees later, once the count is
// 0 or less, rather than when the count drops.
class IReferenced
{
public:
    explicit IReferenced(IGarbageCollector* collector);
    virtual ~IReferenced() = default;

    // The object's size for the garbage listing.
    virtual unsigned GetMemoryUsed() const { return 12; }

    int AddRef() { return ++_refCount; }
    int Release() { return --_refCount; }
    int GetRefCount() const { return _refCount; }
    bool IsUnreferenced() const { return _refCount <= 0; }

private:
    friend class IGarbageCollector;

    int _refCount = 0;
    IReferenced* _next = nullptr;
};

// Keeps its objects in a singly linked list and frees the unreferenced ones on request.
// A derived collector must call CleanGarbage in its own destructor: the base cannot reach the
// derived OnCollect, so it only forgets what is left.
class IGarbageCollector
{
public:
    virtual ~IGarbageCollector();

    void CleanGarbage();
    void DumpGarbage(Dumper* dumper) const;

protected:
    IGarbageCollector() = default;
    IGarbageCollector(const IGarbageCollector&) = delete;
    IGarbageCollector& operator=(const IGarbageCollector&) = delete;

    // Frees one collected object, already unlinked.
    virtual void OnCollect(IReferenced* object) = 0;

private:
    friend class IReferenced;

    void Link(IReferenced* object);
    void Unlink(IReferenced* object, IReferenced* previous);

    IReferenced* _first = nullptr;
    IReferenced* _last = nullptr;
};
