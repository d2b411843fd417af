#pragma once

#include "platform/movie/MovieTypes.h"

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

struct lua_State;

namespace movie {

class Canvas;
class MovieGroup;
class ScriptBudget;
struct MovieContext;

// The interpreter state of one movie. It opens only what a movie needs: the basic functions
// without file, module or environment access, the string (with bounded patterns), table and
// math libraries, the movie's own functions, the canvas and the helper library. Every entry into
// the script is a protected call with a budget of work, time and memory (ScriptBudget), and the
// entries of one of the host's frames share the movie's part of that frame; an error is reported
// through the context and the call answers false. A script that spends its budget, runs out of
// memory or keeps taking more than its share is stopped for good.
class MovieScript
{
public:
    static constexpr size_t MaxScriptBytes = 4u << 20;

    // Null when the script cannot be read, translated or run (reported).
    static std::unique_ptr<MovieScript> Load(MovieContext& context, Canvas& canvas, const std::string& path);
    ~MovieScript();
    MovieScript(const MovieScript&) = delete;
    MovieScript& operator=(const MovieScript&) = delete;

    // A published function; a missing one gives false with `missing` set (not reported here).
    bool Call(const std::string& name, const std::vector<Value>& args, Value& result, bool& missing);
    // A handler the runtime calls with numbers, when the movie has it.
    void Handle(const char* name, std::initializer_list<double> args);
    // Draw(canvas); false when it failed. A movie without Draw paints nothing and succeeds.
    bool Draw();
    // One timeline frame: movie.frame and movie.time are set, the helpers advance, Update(dt) runs.
    void Frame(double dt, int frame, double time);
    // movie.length (frames), 0 when the movie has none.
    int GetLength();
    void SetLoop(bool loop);
    // Stopped for running too long or out of memory: no call enters it any more.
    bool IsStopped() const;
    // A call into the script is under way (a host callback may reach the movie meanwhile).
    bool IsRunning() const { return _running > 0; }
    // The movies of its group took more than their share, this one the most: it is stopped, and
    // told at once, or by the call under way as it ends.
    void StopOverShare();
    // Its garbage is collected now, or before its next instruction while a call of it is under
    // way: its group is nearly full.
    void CollectGarbage();

private:
    MovieScript(MovieContext& context, Canvas& canvas, std::unique_ptr<ScriptBudget> budget, lua_State* L);
    bool Setup(const std::string& path);
    // Runs `function(data)` protected, with a fresh budget; errors are reported.
    bool Protected(int (*function)(lua_State*), void* data);
    // Logs an error of an entry; the stop of the script once.
    void Tell(std::string report);
    // A stopped script gives its memory back as soon as no call of it is under way.
    void CloseStopped();
    uint64_t HostFrame();

    MovieContext& _context;
    Canvas& _canvas;
    std::shared_ptr<MovieGroup> _group; // may be null; outlives the budget
    std::unique_ptr<ScriptBudget> _budget;
    lua_State* _L; // null once stopped and closed
    int _canvasRef = -1;
    int _running = 0; // calls under way, nested through the host
    bool _stopReported = false;
    uint64_t _entries = 0; // the frames of a movie without a host
};

} // namespace movie
