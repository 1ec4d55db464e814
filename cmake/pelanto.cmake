# Build conventions shared by every target of the project.

# Third-party headers are reached through a folder of links, so that a MinGW build never sees
# the host's /usr/include as a whole.
set(PELANTO_SYSINC ${CMAKE_BINARY_DIR}/sysinc)
file(MAKE_DIRECTORY ${PELANTO_SYSINC})
foreach(dep boost stb)
  if(NOT EXISTS ${PELANTO_SYSINC}/${dep})
    file(CREATE_LINK /usr/include/${dep} ${PELANTO_SYSINC}/${dep} SYMBOLIC)
  endif()
endforeach()

set(PELANTO_SANITIZER_FLAGS -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)

# Applies warnings-as-errors, platform defines and sanitizers to one of our own targets.
function(pelanto_defaults target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Werror -Wno-missing-field-initializers)
  target_include_directories(${target} SYSTEM PRIVATE ${PELANTO_SYSINC})
  target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR}/src)
  if(WIN32)
    target_compile_definitions(${target} PRIVATE UNICODE _UNICODE NOMINMAX WIN32_LEAN_AND_MEAN
                                                 _WIN32_WINNT=0x0601 WINVER=0x0601)
  endif()
  if(PELANTO_SANITIZE)
    target_compile_options(${target} PRIVATE ${PELANTO_SANITIZER_FLAGS})
    target_link_options(${target} PRIVATE ${PELANTO_SANITIZER_FLAGS})
  endif()
endfunction()

# A library of ours: pelanto_library(name SOURCES ... [LIBS ...]).
function(pelanto_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  pelanto_defaults(${name})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_include_directories(${name} SYSTEM PUBLIC ${PELANTO_SYSINC})
  if(ARG_LIBS)
    target_link_libraries(${name} PUBLIC ${ARG_LIBS})
  endif()
endfunction()

# One test program from every .cpp file of the calling folder; registered as one ctest test.
# Under Wine the test joins the "wine" fixture (fresh prefix and Xvfb for the run). With
# PELANTO_COMPILE_ONLY the program is built but not registered as a test.
# pelanto_test_program(name [LIBS ...] [EXTRA_SOURCES ...] [DEPENDS targets...] [LABELS ...])
function(pelanto_test_program name)
  cmake_parse_arguments(ARG "" "" "LIBS;EXTRA_SOURCES;DEPENDS;LABELS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  add_executable(${name} ${sources} ${ARG_EXTRA_SOURCES})
  pelanto_defaults(${name})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gmock_main)
  if(ARG_DEPENDS)
    add_dependencies(${name} ${ARG_DEPENDS})
  endif()
  if(PELANTO_COMPILE_ONLY)
    return()
  endif()
  add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
  set_tests_properties(${name} PROPERTIES TIMEOUT 900 LABELS "${ARG_LABELS}")
  if(CMAKE_CROSSCOMPILING AND WIN32)
    set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine)
  endif()
endfunction()

# Adds every immediate sub-folder of the calling folder that has a CMakeLists.txt.
function(pelanto_add_subfolders)
  file(GLOB children LIST_DIRECTORIES true ${CMAKE_CURRENT_SOURCE_DIR}/*)
  foreach(child ${children})
    if(IS_DIRECTORY ${child} AND EXISTS ${child}/CMakeLists.txt)
      add_subdirectory(${child})
    endif()
  endforeach()
endfunction()
