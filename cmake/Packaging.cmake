# Installing Quillbit as desktop software, and the packages built from that install: a Debian
# package from the Qt front-end; a zip and an installer from the Windows one.
set(CPACK_PACKAGE_NAME quillbit)
set(CPACK_PACKAGE_VENDOR "Tormelund")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "DVD bitrate calculator for MPEG-2 encodes with CCE")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "Quillbit works out, from a movie's frame count, TV format and the sizes that share the "
       "disc, the playing time, the room left for the video, the value to give the CCE encoder "
       "and the expected size of the MPEG-2 stream.")
set(CPACK_STRIP_FILES ON)

if(WIN32)
  include(${CMAKE_CURRENT_LIST_DIR}/windows/Packaging.cmake)
  return()
endif()
if(NOT QUILLBIT_BUILD_GUI)
  return()
endif()

include(GNUInstallDirs)
set(QUILLBIT_DATA ${PROJECT_SOURCE_DIR}/data)
# Debian's directories are 0755 whatever the umask of the one who builds the package.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
    GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
install(TARGETS quillbit RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
quillbit_man_page(quillbit 1)
# The window's calculation on the command line; its manual page comes with it (src/cli).
install(TARGETS quillbit-calc RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${QUILLBIT_DATA}/org.example.quillbit.Quillbit.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
# The type of the project files, named by the .desktop file for "Open with".
install(FILES ${QUILLBIT_DATA}/quillbit-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME quillbit.xml)
install(FILES ${QUILLBIT_DATA}/icons/quillbit.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${QUILLBIT_DATA}/icons/quillbit-32.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/32x32/apps RENAME quillbit.png)
install(FILES ${QUILLBIT_DATA}/org.example.quillbit.Quillbit.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# What Debian asks of every package: the licence in its machine-readable form and the changelog.
set(QUILLBIT_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/quillbit)
install(FILES ${QUILLBIT_DATA}/debian/copyright DESTINATION ${QUILLBIT_DOC_DIR})
# A package whose version has no Debian revision is native: its changelog is changelog.gz.
quillbit_gzipped(${QUILLBIT_DATA}/debian/changelog changelog QUILLBIT_CHANGELOG)
install(FILES ${QUILLBIT_CHANGELOG} DESTINATION ${QUILLBIT_DOC_DIR})

set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Quillbit maintainers <maintainers@quillbit.invalid>")
set(CPACK_DEBIAN_PACKAGE_SECTION video)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The synopsis comes from CPACK_PACKAGE_DESCRIPTION_SUMMARY; the lines are kept under 80 columns.
string(CONCAT CPACK_DEBIAN_PACKAGE_DESCRIPTION
       "Quillbit works out, from a movie's frame count, TV format and the sizes\n"
       "that share the disc, the playing time, the room left for the video, the\n"
       "value to give the CCE encoder and the expected size of the MPEG-2 stream.\n"
       "\n"
       "It supports single-pass and multi-pass VBR and the 1 % sample workflow of\n"
       "the Bach method, reads the frame count and TV format from DGIndex projects\n"
       "(.d2v) and remembers its inputs between runs.")
# The Qt 6 runtime libraries (and with them the X11 platform plugin) come from the binary's own
# library needs; the Wayland plugin and a font close to the designed one are welcome extras.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "qt6-wayland")
include(CPack)
