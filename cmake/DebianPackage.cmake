# `make package` (or cpack in a build tree): a Debian package of everything `cmake --install`
# puts in place. The library dependencies are read off the binaries by dpkg-shlibdeps; what
# they load at run time without linking (the window's platform and SVG plugins) is named here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME trevik)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Trevik Diary developers")
set(CPACK_PACKAGE_CONTACT ${TREVIK_PACKAGE_MAINTAINER})
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${TREVIK_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6svg6")
# Sound needs GStreamer's WAV decoder; the menu and the .tvx association need the desktop
# databases, which these packages keep up to date through their triggers.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "gstreamer1.0-plugins-base, gstreamer1.0-plugins-good, shared-mime-info, desktop-file-utils, hicolor-icon-theme, xdg-utils")
if(TREVIK_HOMEPAGE_URL)
    set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${TREVIK_HOMEPAGE_URL})
endif()
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "address book and calendar side by side
Trevik Diary keeps an address book and a calendar in one window, with a
find box over both that finds contacts and calendar entries as you type.
The calendar shows a day, a week, a month, a year, the to-do list or the
anniversaries; a yearly planner, alarms with sound, a notes pad, a
countdown timer and a stopwatch stand beside it, and the program waits in
the tray when its window is closed.
.
Two installations are kept in step with exchange files (*.tvx) that are
merged record by record. trevik-cli reads and changes the same diary from
the command line.")

include(CPack)
