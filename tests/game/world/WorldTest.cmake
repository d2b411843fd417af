# world_test(<name> [LABELS <labels>...])
#   A test program of the game world or the mission frame. It links the whole engine library,
#   since the mission frame and the world classes reach each other, and shares the test support
#   of the game core and of the world.
function(world_test name)
  brenmoor_test(${name} DEPS Brenmoor ${ARGN})
  target_sources(test_${name} PRIVATE
    ${CMAKE_SOURCE_DIR}/tests/game/core/CoreTestSupport.cpp
    ${CMAKE_SOURCE_DIR}/tests/game/world/WorldTestSupport.cpp)
  target_include_directories(test_${name} PRIVATE
    ${CMAKE_SOURCE_DIR}/tests/game/core
    ${CMAKE_SOURCE_DIR}/tests/game/world)
  add_dependencies(test_${name} data)
endfunction()
