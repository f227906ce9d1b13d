# The installed package: headers, libtesmo.so, tesmo-tracks, a CMake package with the
# exported Tesmo::Widgets target, a pkg-config file, and a Debian package of the same.
include(CMakePackageConfigHelpers)

set(TESMO_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/Tesmo)

install(TARGETS tesmo_widgets EXPORT TesmoTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(TARGETS tesmo-tracks RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY include/tesmo DESTINATION ${CMAKE_INSTALL_INCLUDEDIR} FILES_MATCHING PATTERN "*.h")

install(EXPORT TesmoTargets NAMESPACE Tesmo:: DESTINATION ${TESMO_CMAKE_DIR})
configure_package_config_file(cmake/TesmoConfig.cmake.in ${PROJECT_BINARY_DIR}/TesmoConfig.cmake
  INSTALL_DESTINATION ${TESMO_CMAKE_DIR})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/TesmoConfigVersion.cmake
  COMPATIBILITY SameMinorVersion)
install(FILES ${PROJECT_BINARY_DIR}/TesmoConfig.cmake ${PROJECT_BINARY_DIR}/TesmoConfigVersion.cmake
  DESTINATION ${TESMO_CMAKE_DIR})

# Relocatable: the prefix is found from where the file lies.
file(RELATIVE_PATH TESMO_PC_TO_PREFIX /prefix/${CMAKE_INSTALL_LIBDIR}/pkgconfig /prefix)
configure_file(cmake/tesmo.pc.in ${PROJECT_BINARY_DIR}/tesmo.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/tesmo.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)

# A project that builds Tesmo inside its own tree makes its own packages.
if(NOT PROJECT_IS_TOP_LEVEL)
  return()
endif()
set(CPACK_PACKAGE_NAME tesmo)
set(CPACK_PACKAGE_VENDOR "The Tesmo developers")
set(CPACK_PACKAGE_CONTACT "The Tesmo developers <tesmo@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_DEBIAN_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS OFF)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6widgets6 (>= 6.4), libsqlite3-0, libpq5, qt6-base-dev")
if(TESMO_BUILD_DESIGNER_PLUGIN)
  string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS ", libqt6designer6")
endif()
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
