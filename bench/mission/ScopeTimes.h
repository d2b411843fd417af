#pragma once

#include <map>
#include <string>
#include <vector>

class IProfile;

// Each frame's milliseconds in every scope of the profiler, by the scope's path from the top
// ("Present/Scenery/Render lit prims"): the growth of the scope's total, so that a scope run
// several times in a frame counts whole.
class ScopeTimes
{
public:
    // Takes the totals so far as the start of the first frame.
    void Start();
    // Ends a frame: records what every scope spent since the last call.
    void Sample();

    unsigned GetFrames() const { return _frames; }
    // The paths in the profiler's tree order.
    const std::vector<std::string>& GetPaths() const { return _paths; }
    // One value a frame; zeros for frames the scope did not run in.
    std::vector<double> Times(const std::string& path) const;

private:
    std::string PathOf(const IProfile* profile) const;

    std::map<const IProfile*, float> _totals;
    std::map<std::string, std::vector<double>> _times;
    std::vector<std::string> _paths;
    unsigned _frames = 0;
};
