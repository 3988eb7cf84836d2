# One way to declare each kind of target, so that subsystem folders only say what they link to.
# Sources are gathered from the folder, so adding a file needs no edit here.

# pr_library(<name> [DEPS <targets>...]): a static library of every .cpp/.h in the calling folder.
# A folder without sources yet declares nothing.
function(pr_library name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h
       ${CMAKE_CURRENT_SOURCE_DIR}/*.qrc)
  if(NOT sources)
    return()
  endif()
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR} ${PROJECT_SOURCE_DIR})
  set(deps)
  foreach(dep IN LISTS ARG_DEPS)
    if(TARGET ${dep} OR dep MATCHES "::")
      list(APPEND deps ${dep})
    endif()
  endforeach()
  target_link_libraries(${name} PUBLIC ${deps})
  pr_precompile(${name} QtCommon.h)
  pr_unity(${name})
endfunction()

# pr_unity(<target>): with PR_UNITY the target compiles its sources in batches, each one unit:
# on two cores the test command's builds spend most of their time parsing the same Qt headers.
function(pr_unity target)
  if(PR_UNITY)
    set_target_properties(${target} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE 12)
  endif()
endfunction()

# pr_precompile(<target> <header>): the target compiles the shared header of cmake/pch once.
# Precompiled Qt headers halve the build, which dominates the test command on two cores.
function(pr_precompile target header)
  if(PR_PRECOMPILE)
    target_precompile_headers(${target} PRIVATE ${PROJECT_SOURCE_DIR}/cmake/pch/${header})
  endif()
endfunction()

# pr_test(<library>): tests/<library>/*.cpp become one GoogleTest executable test_<library>,
# run by CTest on the offscreen platform with the shared main of testsupport.
function(pr_test lib)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${lib}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/${lib}/*.h)
  if(NOT sources OR NOT TARGET ${lib})
    return()
  endif()
  add_executable(test_${lib} ${sources})
  target_link_libraries(test_${lib} PRIVATE ${lib} testsupport GTest::gtest Qt6::Test)
  pr_precompile(test_${lib} TestCommon.h)
  add_test(NAME ${lib} COMMAND test_${lib})
  set_tests_properties(${lib} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LANG=C.UTF-8;PR_TEST_DATA=${CMAKE_CURRENT_SOURCE_DIR}/data;ASAN_OPTIONS=detect_leaks=1:abort_on_error=0;LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/lsan.supp:print_suppressions=0;UBSAN_OPTIONS=print_stacktrace=1"
    TIMEOUT 600)
endfunction()

# pr_program(<name> <source> [DEPS <targets>...]): a command-line program (tools/, bench/), declared
# only once its source exists so that a folder can list programs still being written.
function(pr_program name source)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  if(NOT EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${source})
    return()
  endif()
  add_executable(${name} ${source})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR})
endfunction()
