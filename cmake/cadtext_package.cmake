# Installing and packaging: the CMake package (cadtext::sdk, cadtext::mtext,
# ...), the pkg-config file, the data, the man page and the Debian package.
include(CMakePackageConfigHelpers)

set(config_dir "${CMAKE_INSTALL_LIBDIR}/cmake/cadtext")
install(EXPORT cadtext-targets NAMESPACE cadtext:: DESTINATION ${config_dir} COMPONENT dev)
configure_package_config_file(cmake/cadtextConfig.cmake.in
  "${PROJECT_BINARY_DIR}/cadtextConfig.cmake" INSTALL_DESTINATION ${config_dir}
  PATH_VARS CADTEXT_MODULE_DIR CMAKE_INSTALL_DATADIR)
write_basic_package_version_file("${PROJECT_BINARY_DIR}/cadtextConfigVersion.cmake"
  COMPATIBILITY SameMinorVersion)
install(FILES "${PROJECT_BINARY_DIR}/cadtextConfig.cmake" "${PROJECT_BINARY_DIR}/cadtextConfigVersion.cmake"
  DESTINATION ${config_dir} COMPONENT dev)

# The file finds its prefix from where it lies, so any prefix works.
file(RELATIVE_PATH pc_up "/${CMAKE_INSTALL_LIBDIR}/pkgconfig" "/")
string(REGEX REPLACE "/$" "" pc_up "${pc_up}")
set(CADTEXT_PC_PREFIX "\${pcfiledir}/${pc_up}")
configure_file(cmake/cadtext.pc.in "${PROJECT_BINARY_DIR}/cadtext.pc" @ONLY)
install(FILES "${PROJECT_BINARY_DIR}/cadtext.pc" DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig COMPONENT dev)

install(FILES data/alphabets.json DESTINATION ${CMAKE_INSTALL_DATADIR}/cadtext COMPONENT runtime)

# Debian wants manual pages compressed, without a time stamp.
set(man "${PROJECT_BINARY_DIR}/cadtext.1.gz")
add_custom_command(OUTPUT ${man}
  COMMAND gzip -9n -c "${PROJECT_SOURCE_DIR}/docs/cadtext.1" > ${man}
  DEPENDS docs/cadtext.1 VERBATIM)
add_custom_target(cadtext_man ALL DEPENDS ${man})
install(FILES ${man} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT runtime)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME cadtext)
set(CPACK_PACKAGE_VENDOR cadtext)
set(CPACK_PACKAGE_CONTACT "cadtext developers <cadtext@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "multiline text (MText) editing module for desktop CAD, with its command-line program")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The build keeps its debug information; the package does not need it.
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
# Libraries the program and module link come from dpkg-shlibdeps; the fonts
# make measurement real; the headers need Boost's.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2, fonts-dejavu-core, hershey-fonts-data")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "libboost-dev, g++, cmake, pkg-config")
include(CPack)
