#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "foundation/base/Dumper.h"
#include "foundation/base/Referenced.h"

namespace {

class Item : public IReferenced
{
public:
    Item(IGarbageCollector* collector, unsigned size, std::vector<Item*>* freed)
        : IReferenced(collector), _size(size), _freed(freed)
    {}
    unsigned GetMemoryUsed() const override { return _size; }
    void Free() { _freed->push_back(this); }

private:
    unsigned _size;
    std::vector<Item*>* _freed;
};

class Collector : public IGarbageCollector
{
public:
    ~Collector() override { CleanGarbage(); }
    std::vector<Item*> freed;

protected:
    void OnCollect(IReferenced* object) override
    {
        auto* item = static_cast<Item*>(object);
        item->Free();
        delete item;
    }
};

TEST(GarbageTest, OnlyUnreferencedObjectsAreCollected)
{
    Collector collector;
    auto* kept = new Item(&collector, 10, &collector.freed);
    auto* loose = new Item(&collector, 20, &collector.freed);
    auto* last = new Item(&collector, 30, &collector.freed);
    EXPECT_EQ(kept->AddRef(), 1);
    last->AddRef();

    collector.CleanGarbage();
    EXPECT_EQ(collector.freed, std::vector<Item*>{loose});

    // Releasing the last of the list makes it collectable; the list stays consistent.
    EXPECT_EQ(last->Release(), 0);
    EXPECT_TRUE(last->IsUnreferenced());
    collector.CleanGarbage();
    EXPECT_EQ(collector.freed.back(), last);
    auto* appended = new Item(&collector, 40, &collector.freed);
    appended->AddRef();
    collector.CleanGarbage();
    EXPECT_EQ(collector.freed.size(), 2u);

    kept->Release();
    appended->Release();
    collector.CleanGarbage();
    EXPECT_EQ(collector.freed.size(), 4u);

    // An empty list takes new objects again.
    new Item(&collector, 1, &collector.freed);
    collector.CleanGarbage();
    EXPECT_EQ(collector.freed.size(), 5u);
}

TEST(GarbageTest, ListingCountsEveryObjectOnce)
{
    std::vector<std::string> lines;
    struct Recorder : IDumperClient
    {
        std::vector<std::string>* out;
        void OnPrint(eDumpEvent kind, const char* text) override { out->push_back(std::to_string(kind) + ":" + text); }
        void OnDump(eDumpEvent, const void*, unsigned) override {}
    };
    auto* recorder = new Recorder;
    recorder->out = &lines;
    Dumper log;
    log.RegisterClient(recorder);

    Collector collector;
    auto* a = new Item(&collector, 100, &collector.freed);
    new Item(&collector, 28, &collector.freed);
    a->AddRef();
    a->AddRef();
    ::testing::internal::CaptureStdout();
    collector.DumpGarbage(&log);
    ::testing::internal::GetCapturedStdout();
    EXPECT_EQ(lines, (std::vector<std::string>{
                         "7:--- Dumping garbage content:\n",
                         "8:\tActual memory used: 100 Bytes, references: 2\n",
                         "8:\tActual memory used: 28 Bytes, [GARBAGE]\n",
                         "8:\n\tTotal memory used: 128 Bytes\n",
                         "8:\tTotal garbage memory: 28 Bytes\n",
                         "7:--- Finished dumping garbage content\n",
                     }));
    a->Release();
    a->Release();
}

} // namespace
