#pragma once

#include <ctime>
#include <utility>

namespace movie {

// Rings once the thread that made it has used a given CPU time since it was armed: a signal
// handler calls `ring(data)`, which must do only what is safe there. It lets a script be told
// to stop while one slow instruction runs (converting a long text to a number, comparing long
// texts), where no count of instructions or of work looks at the clock. The alarm belongs to
// the thread that made it; one that cannot be made stays silent, and that is logged.
class ThreadAlarm
{
public:
    using Ring = void (*)(void* data);

    ThreadAlarm(Ring ring, void* data);
    ~ThreadAlarm();
    ThreadAlarm(const ThreadAlarm&) = delete;
    ThreadAlarm& operator=(const ThreadAlarm&) = delete;

    void Arm(double seconds);
    void Disarm();

private:
    std::pair<Ring, void*> _ring; // what the signal handler reaches
    timer_t _timer{};
    bool _made = false;
    bool _armed = false;
};

} // namespace movie
