include(GNUInstallDirs)

# One library target per source folder. A folder with no sources yet is an
# interface library, so dependants can already name it. Libraries are shared:
# the program, the command module a host loads and the host itself must see
# one copy of each library's state (runtime classes, the command table, the
# current host). DEPS are public, PRIVATE_DEPS only the library's own.
# Each is installed with its headers as cadtext::<folder>.
function(cadtext_library name)
  cmake_parse_arguments(ARG "" "" "DEPS;PRIVATE_DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  set(includes $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}> $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}/cadtext>)
  if(sources)
    add_library(${name} SHARED ${sources})
    target_include_directories(${name} PUBLIC ${includes})
    # Calls inside a library stay direct, as they were when it was static.
    target_compile_options(${name} PRIVATE -Wall -Wextra -fno-semantic-interposition)
    target_link_libraries(${name} PUBLIC ${ARG_DEPS} PRIVATE ${ARG_PRIVATE_DEPS})
    set_target_properties(${name} PROPERTIES VERSION ${PROJECT_VERSION}
      SOVERSION ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR} INSTALL_RPATH "$ORIGIN")
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${includes})
    target_link_libraries(${name} INTERFACE ${ARG_DEPS})
  endif()
  string(REGEX REPLACE "^cadtext_" "" short ${name})
  set_target_properties(${name} PROPERTIES EXPORT_NAME ${short})
  add_library(cadtext::${short} ALIAS ${name})
  install(TARGETS ${name} EXPORT cadtext-targets
    LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT runtime)
  file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
  file(GLOB headers ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  install(FILES ${headers} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/cadtext/${folder} COMPONENT dev)
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
  # CTest names carry the folder ("editor.Ruler.TabSwitch..."), so
  # `ctest -R editor` runs one group.
  string(REGEX REPLACE "_tests$" "" group ${name})
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 NO_PRETTY_VALUES TEST_PREFIX "${group}.")
endfunction()
