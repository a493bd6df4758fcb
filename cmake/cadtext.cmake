# One library target per source folder. A folder with no sources yet is an
# interface library, so dependants can already name it.
function(cadtext_library name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(sources)
    add_library(${name} STATIC ${sources})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
    target_compile_options(${name} PRIVATE -Wall -Wextra)
    target_link_libraries(${name} PUBLIC ${ARG_DEPS})
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} INTERFACE ${ARG_DEPS})
  endif()
endfunction()

# The Python whose ezdxf checks the drawings we write: Debian's, since a
# user's own Python (pyenv, venv) first on PATH does not see Debian's modules.
set(CADTEXT_PYTHON "/usr/bin/python3" CACHE FILEPATH "Python 3 with the ezdxf module")

# One GoogleTest executable per tested folder: tests/<folder>/*.cpp.
function(cadtext_test name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  target_compile_options(${name} PRIVATE -Wall -Wextra)
  target_compile_definitions(${name} PRIVATE
    CADTEXT_SHARED_DIR="${CADTEXT_SHARED_DIR}"
    CADTEXT_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
    CADTEXT_PYTHON="${CADTEXT_PYTHON}")
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} GTest::gtest GTest::gmock GTest::gtest_main)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 NO_PRETTY_VALUES)
endfunction()

# Commands register themselves with the host from static initialisers, which
# a static library would drop: link every object of cadtext_commands, and
# export the program's symbols so the commands find the host's entry points
# (new_ICmdFactory, get_host_funcptr, GetApp) by name.
function(cadtext_link_commands target)
  get_target_property(type cadtext_commands TYPE)
  if(type STREQUAL "STATIC_LIBRARY")
    target_link_libraries(${target} PRIVATE "$<LINK_LIBRARY:WHOLE_ARCHIVE,cadtext_commands>")
  else()
    target_link_libraries(${target} PRIVATE cadtext_commands)
  endif()
  target_link_libraries(${target} PRIVATE cadtext_host)
  set_target_properties(${target} PROPERTIES ENABLE_EXPORTS ON)
endfunction()
