#pragma once

#include <string>

struct lua_State;

namespace movie {

struct MovieContext;

// The movie's own globals: the table "movie" (its size, time, frame and loop flag; invalidate,
// call and design) and print, which writes to the log under the movie's name, up to a bound.
void RegisterMovieLibrary(lua_State* L, MovieContext& context);

// Hides the metatable on top of the stack from the script (getmetatable answers a text): a
// finalizer the script put there would run inside the collector, where no budget counts.
void LockMetatable(lua_State* L);

// The helpers every movie starts with (tweens, state colours, buttons, panels, captions),
// in the data language.
const std::string& MoviePrelude();

} // namespace movie
