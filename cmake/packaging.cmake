# What a user downloads: where the programs and documents go when installed, the version resource
# every Windows executable carries, and the packages CPack makes of an install (the Windows zip;
# natively a tarball and a Debian package of tolvex-cli). The version is the project's, from the
# top CMakeLists.txt, and nowhere else.
include(GNUInstallDirs)

if(WIN32)
  # A folder to unpack anywhere: the programs beside their documents.
  set(TOLVEX_INSTALL_BINDIR .)
  set(TOLVEX_INSTALL_DOCDIR .)
  set(tolvex_system_name win64)
  set(CPACK_GENERATOR ZIP)
else()
  set(TOLVEX_INSTALL_BINDIR ${CMAKE_INSTALL_BINDIR})
  set(TOLVEX_INSTALL_DOCDIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/tolvex)
  string(TOLOWER "${CMAKE_SYSTEM_NAME}-${CMAKE_SYSTEM_PROCESSOR}" tolvex_system_name)
  set(CPACK_GENERATOR TGZ DEB)
endif()

install(FILES README.md LICENSE CHANGELOG.md DESTINATION ${TOLVEX_INSTALL_DOCDIR})
install(FILES examples/address_book.rc DESTINATION ${TOLVEX_INSTALL_DOCDIR}/examples)
# The pictures README.md shows, where its links look for them.
install(FILES docs/tolvex-window.png docs/tolvex-preview.png DESTINATION ${TOLVEX_INSTALL_DOCDIR}/docs)

# The copyright line of the licence, so that the file's properties say what LICENSE says.
file(STRINGS ${PROJECT_SOURCE_DIR}/LICENSE TOLVEX_COPYRIGHT REGEX "^Copyright " LIMIT_COUNT 1)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/LICENSE)

if(WIN32)
  enable_language(RC)
endif()
# Gives a Windows executable the version resource that its file properties show: the project's
# version, the description and the file's own name. Elsewhere it does nothing.
function(tolvex_version_resource target description)
  if(NOT WIN32)
    return()
  endif()
  set(TOLVEX_FILE_DESCRIPTION "${description}")
  set(TOLVEX_FILE_NAME "${target}.exe")
  set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}_version.rc)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/version.rc.in ${rc} @ONLY)
  target_sources(${target} PRIVATE ${rc})
endfunction()

set(CPACK_PACKAGE_NAME tolvex)
set(CPACK_PACKAGE_VENDOR Tolvex)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
  "Turns Windows resource scripts into FreeBASIC programs that rebuild them")
set(CPACK_PACKAGE_FILE_NAME tolvex-${PROJECT_VERSION}-${tolvex_system_name})
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
# The build's debugging information stays in the build folder.
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Tolvex developers")
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The source package (`package_source`): the tree without its build folders and Git's own data.
set(CPACK_SOURCE_GENERATOR TGZ)
set(CPACK_SOURCE_IGNORE_FILES "/build/" "/\\\\.git$")
include(CPack)
