# object_world_test(<name>)
#   A test program of the world objects and their parts: a world test on the started game with
#   the object mission fixture, which builds on the mission frame's fixture.
include(${CMAKE_SOURCE_DIR}/tests/game/world/WorldTest.cmake)
function(object_world_test name)
  world_test(${name} LABELS gl)
  target_sources(test_${name} PRIVATE
    ${CMAKE_SOURCE_DIR}/tests/game/world/ObjectMission.cpp
    ${CMAKE_SOURCE_DIR}/tests/game/core/level/MissionFixture.cpp)
  target_include_directories(test_${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests/game/core/level)
endfunction()
