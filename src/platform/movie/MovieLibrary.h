#pragma once

#include <string>

struct lua_State;

namespace movie {

struct MovieContext;

// The movie's own globals: the table "movie" (its size, time, frame and loop flag; invalidate,
// call and design) and print, which writes to the log under the movie's name.
void RegisterMovieLibrary(lua_State* L, MovieContext& context);

// The helpers every movie starts with (tweens, state colours, buttons, panels, captions),
// in the data language.
const std::string& MoviePrelude();

} // namespace movie
