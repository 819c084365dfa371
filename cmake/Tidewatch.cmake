# Helpers shared by every folder: one static library per source folder, one
# test executable per test folder, one benchmark executable per bench folder.

# Win32 import libraries every part of the program may call.
set(TW_SYSTEM_LIBS
    comctl32 comdlg32 shell32 shlwapi ole32 oleaut32 uuid oleacc
    advapi32 user32 gdi32 winmm ws2_32 version)

# tw_library(NAME [DEPENDS lib...] [EXCLUDE file...]): a static library of
# every .cpp below the calling folder but the excluded ones.
function(tw_library name)
  cmake_parse_arguments(ARG "" "" "DEPENDS;EXCLUDE" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.c)
  foreach(excluded ${ARG_EXCLUDE})
    list(REMOVE_ITEM sources ${CMAKE_CURRENT_SOURCE_DIR}/${excluded})
  endforeach()
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_DEPENDS} ${TW_SYSTEM_LIBS})
endfunction()

# tw_test(NAME [DEPENDS lib...] [OWN_MAIN] [WINDOWS]): a GoogleTest executable
# of every .cpp (and .rc) below the calling folder, run under wine by ctest.
# Each run writes an XML report that scripts/test adds up (wine sees / as
# drive Z:). WINDOWS: the tests open windows on the shared X display. With
# tw_testsupport, a failed ASSERT anywhere fails the running test.
function(tw_test name)
  cmake_parse_arguments(ARG "OWN_MAIN;WINDOWS" "" "DEPENDS" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.rc)
  add_executable(${name} ${sources})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
  if(tw_testsupport IN_LIST ARG_DEPENDS)
    # Linked as an object: nothing calls it, it installs itself.
    target_sources(${name} PRIVATE $<TARGET_OBJECTS:tw_failedassertion>)
  endif()
  if(ARG_OWN_MAIN)
    target_link_libraries(${name} PRIVATE ${ARG_DEPENDS} gtest ${TW_SYSTEM_LIBS})
  else()
    target_link_libraries(${name} PRIVATE ${ARG_DEPENDS} gtest gtest_main ${TW_SYSTEM_LIBS})
  endif()
  add_test(NAME ${name}
           COMMAND ${name} --gtest_output=xml:Z:${TW_TEST_REPORTS}/${name}.xml
           WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
  set_tests_properties(${name} PROPERTIES TIMEOUT 300)
  # Executables with windows share one X display, its mouse cursor and focus:
  # they take turns, so one test's input never lands in another's windows.
  # The others run in parallel with them.
  if(ARG_WINDOWS)
    set_tests_properties(${name} PROPERTIES RESOURCE_LOCK x_display)
  endif()
endfunction()

# tw_bench(NAME [DEPENDS lib...]): a benchmark executable of the folder's own
# .cpp files (its subfolders may hold programs that the benchmark starts);
# not part of ctest.
function(tw_bench name)
  cmake_parse_arguments(ARG "" "" "DEPENDS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  add_executable(${name} ${sources})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PRIVATE ${ARG_DEPENDS} ${TW_SYSTEM_LIBS})
endfunction()
