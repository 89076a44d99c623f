include(GNUInstallDirs)

# `make package`: a Debian package of the desktop program and torvo-cli, made
# by CPack from what the release build installs, into /usr.
torvo_read_define(${PROJECT_SOURCE_DIR}/app/core/base/programnames.h TORVO_VENDOR_NAME TORVO_PACKAGE_VENDOR)
torvo_read_text_constant(${PROJECT_SOURCE_DIR}/app/core/base/mainframetexts.h kHomepage TORVO_PACKAGE_HOMEPAGE)
torvo_read_text_constant(${PROJECT_SOURCE_DIR}/app/core/base/mainframetexts.h kMailAddress TORVO_PACKAGE_MAIL)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME torvo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR ${TORVO_PACKAGE_VENDOR})
set(CPACK_PACKAGE_CONTACT "${TORVO_PACKAGE_VENDOR} <${TORVO_PACKAGE_MAIL}>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Not "games": Debian puts those programs in /usr/games, off the PATH of a
# `cmake --install` into ~/.local, which installs the same files.
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${TORVO_PACKAGE_HOMEPAGE})
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
# A package's control file has one description; the German texts are in the
# desktop entry and the metainfo. CPack puts the summary in front.
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "chess program with a German interface")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Torvo plays chess against you at four levels, or lets you enter the moves of
both sides. Every move is checked against the rules, and games are kept as
PGN text. It opens .pgn files from the desktop.

The package also holds torvo-cli, the engine on the command line, which
speaks the Universal Chess Interface.")

# Debian wants the copyright and a changelog beside every package's files,
# and a manual page for every program; compressed the way dpkg compares,
# without a time stamp.
execute_process(COMMAND date -u -R -d ${TORVO_RELEASE_DATE}
                OUTPUT_VARIABLE TORVO_RELEASE_DAY OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
string(SUBSTRING ${TORVO_RELEASE_DATE} 0 4 TORVO_RELEASE_YEAR)
set(TORVO_DEBIAN_DIR ${PROJECT_SOURCE_DIR}/app/wx/install/debian)
set(TORVO_DEBIAN_OUT ${PROJECT_BINARY_DIR}/debian)
configure_file(${TORVO_DEBIAN_DIR}/copyright.in ${TORVO_DEBIAN_OUT}/copyright @ONLY)
configure_file(${TORVO_DEBIAN_DIR}/changelog.in ${TORVO_DEBIAN_OUT}/changelog @ONLY)
set(TORVO_DEBIAN_GZ)
foreach(file ${TORVO_DEBIAN_OUT}/changelog ${TORVO_DEBIAN_DIR}/torvo.6 ${TORVO_DEBIAN_DIR}/torvo-cli.1)
  get_filename_component(name ${file} NAME)
  add_custom_command(OUTPUT ${TORVO_DEBIAN_OUT}/${name}.gz
    COMMAND gzip -9 -n -c ${file} > ${TORVO_DEBIAN_OUT}/${name}.gz
    DEPENDS ${file})
  list(APPEND TORVO_DEBIAN_GZ ${TORVO_DEBIAN_OUT}/${name}.gz)
endforeach()
add_custom_target(torvo_debian_docs ALL DEPENDS ${TORVO_DEBIAN_GZ})
# Installing takes them: the programs bring them along, so that a build of
# the programs alone (`make run`, `make package`) can be installed.
add_dependencies(torvo torvo_debian_docs)
add_dependencies(torvo-cli torvo_debian_docs)
install(FILES ${TORVO_DEBIAN_OUT}/copyright ${TORVO_DEBIAN_OUT}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${TORVO_DEBIAN_OUT}/torvo.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${TORVO_DEBIAN_OUT}/torvo-cli.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# The same source gives the same package: every member's time is
# SOURCE_DATE_EPOCH, which cpack takes from the last commit when it is not
# set (from the release day outside a checkout), read when cpack runs, not
# when the build was configured. The directories' modes do not depend on the
# umask of whoever builds it.
execute_process(COMMAND date -u -d ${TORVO_RELEASE_DATE} +%s
                OUTPUT_VARIABLE TORVO_RELEASE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
find_package(Git QUIET)
set(TORVO_CPACK_PROJECT ${PROJECT_BINARY_DIR}/CPackProjectConfig.cmake)
configure_file(${PROJECT_SOURCE_DIR}/cmake/CPackProjectConfig.cmake.in ${TORVO_CPACK_PROJECT} @ONLY)
set(CPACK_PROJECT_CONFIG_FILE ${TORVO_CPACK_PROJECT})
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

include(CPack)
