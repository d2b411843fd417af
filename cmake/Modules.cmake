# brenmoor_own_sources(<var>)
#   Every .cpp below the calling folder, but for those in sub-folders that hold a CMakeLists.txt.
function(brenmoor_own_sources var)
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  file(GLOB_RECURSE lists CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*/CMakeLists.txt)
  foreach(list ${lists})
    get_filename_component(dir ${list} DIRECTORY)
    list(FILTER sources EXCLUDE REGEX "^${dir}/")
  endforeach()
  set(${var} ${sources} PARENT_SCOPE)
endfunction()

# brenmoor_module(<name> [DEPS <targets>...])
#   A static, position-independent library of every .cpp below the calling folder, named bm_<name>.
#   It is linked whole into Brenmoor; tests link the module (and so its dependencies) directly.
#   Sub-folders with a CMakeLists.txt of their own are modules of their own and are left out.
function(brenmoor_module name)
  cmake_parse_arguments(M "" "" "DEPS" ${ARGN})
  brenmoor_own_sources(sources)
  add_library(bm_${name} STATIC ${sources})
  target_include_directories(bm_${name} PUBLIC ${CMAKE_SOURCE_DIR}/src)
  target_link_libraries(bm_${name} PUBLIC ${M_DEPS})
  set_property(GLOBAL APPEND PROPERTY BRENMOOR_MODULES bm_${name})
endfunction()

# brenmoor_test(<name> DEPS <targets>... [LABELS gl ...])
#   A GoogleTest program of every .cpp below the calling folder, registered with CTest.
#   Tests run in their build folder, where the assembled data/ is reachable as ${DATA_DIR}.
function(brenmoor_test name)
  cmake_parse_arguments(T "" "" "DEPS;LABELS" ${ARGN})
  brenmoor_own_sources(sources)
  add_executable(test_${name} ${sources})
  target_link_libraries(test_${name} PRIVATE ${T_DEPS} GTest::gtest GTest::gtest_main)
  target_compile_definitions(test_${name} PRIVATE
    TEST_DATA_DIR="${CMAKE_SOURCE_DIR}/tests/data"
    GAME_DATA_DIR="${CMAKE_BINARY_DIR}/data")
  gtest_discover_tests(test_${name}
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
    DISCOVERY_TIMEOUT 60)
  # Directory labels reach every discovered test of the program.
  set_property(DIRECTORY APPEND PROPERTY LABELS ${name} ${T_LABELS})
endfunction()

# brenmoor_bench(<name> DEPS <targets>...)
#   A Google Benchmark program of every .cpp below the calling folder.
function(brenmoor_bench name)
  cmake_parse_arguments(B "" "" "DEPS" ${ARGN})
  brenmoor_own_sources(sources)
  add_executable(bench_${name} ${sources})
  target_link_libraries(bench_${name} PRIVATE ${B_DEPS} benchmark::benchmark benchmark::benchmark_main)
  set_property(GLOBAL APPEND PROPERTY BRENMOOR_BENCHES bench_${name})
endfunction()

# brenmoor_data_generator(<target>)
#   A tool run after the text data is copied, as `<target> <data folder>`, to write binary demo files.
function(brenmoor_data_generator target)
  set_property(GLOBAL APPEND PROPERTY BRENMOOR_DATA_GENERATORS ${target})
endfunction()
