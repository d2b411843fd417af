#include "platform/movie/ThreadAlarm.h"

#include "foundation/base/Dumper.h"

#include <cerrno>
#include <cmath>
#include <csignal>
#include <cstring>
#include <unistd.h>

namespace movie {

namespace {

// The last real-time signal: the threads library and other libraries take the first ones.
int AlarmSignal() { return SIGRTMAX; }

void OnSignal(int, siginfo_t* info, void*)
{
    if (info->si_code != SI_TIMER || !info->si_value.sival_ptr)
        return;
    const auto* ring = static_cast<const std::pair<ThreadAlarm::Ring, void*>*>(info->si_value.sival_ptr);
    ring->first(ring->second);
}

// Takes the signal once for the whole process, unless something else handles it already.
bool TakeSignal()
{
    struct sigaction current = {};
    if (sigaction(AlarmSignal(), nullptr, &current) != 0 || current.sa_handler != SIG_DFL)
        return false;
    struct sigaction action = {};
    action.sa_sigaction = OnSignal;
    action.sa_flags = SA_SIGINFO | SA_RESTART;
    sigemptyset(&action.sa_mask);
    return sigaction(AlarmSignal(), &action, nullptr) == 0;
}

} // namespace

ThreadAlarm::ThreadAlarm(Ring ring, void* data) : _ring(ring, data)
{
    static const bool taken = TakeSignal();
    if (!taken)
    {
        Dumper::Instance().Print(DUMP_WARNING,
                                 "Movie scripts: signal %d is taken; a slow instruction may run past the time limit\n",
                                 AlarmSignal());
        return;
    }
    sigevent event{};
    event.sigev_notify = SIGEV_THREAD_ID;
    event.sigev_signo = AlarmSignal();
    event.sigev_value.sival_ptr = &_ring;
    event._sigev_un._tid = gettid();
    _made = timer_create(CLOCK_THREAD_CPUTIME_ID, &event, &_timer) == 0;
    if (!_made)
        Dumper::Instance().Print(
            DUMP_WARNING, "Movie scripts: no CPU time alarm (%s); a slow instruction may run past the time limit\n",
            std::strerror(errno));
}

ThreadAlarm::~ThreadAlarm()
{
    if (_made)
        timer_delete(_timer);
}

void ThreadAlarm::Arm(double seconds)
{
    if (!_made)
        return;
    itimerspec when{};
    when.it_value.tv_sec = time_t(seconds);
    when.it_value.tv_nsec = long((seconds - std::floor(seconds)) * 1e9);
    _armed = timer_settime(_timer, 0, &when, nullptr) == 0;
}

// A signal that was on its way is handled before this returns: it is meant for this thread.
void ThreadAlarm::Disarm()
{
    if (!_armed)
        return;
    const itimerspec off{};
    timer_settime(_timer, 0, &off, nullptr);
    _armed = false;
}

} // namespace movie
