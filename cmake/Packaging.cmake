# Desktop integration and the Debian package. The install rules of the two programs stand next
# to their targets (src/app, src/cli); this file installs what belongs to the desktop: the
# entry for the application menu, the icon in every size the icon theme asks for, the MIME type
# of .lin files and the man page of palaver-cli. `cpack` then packs the lot as a .deb.

set(PALAVER_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)
set(PALAVER_PACKAGING_BUILD_DIR ${PROJECT_BINARY_DIR}/packaging)
set(PALAVER_VERSION ${PROJECT_VERSION})
set(PALAVER_PACKAGE_MAINTAINER "Palaver maintainers <maintainers@palaver.invalid>"
    CACHE STRING "Maintainer field of the Debian package (name and e-mail address)")

# --- Icons: the SVG as it is, and PNGs rendered from it at build time ---------------------------

add_executable(palaver-render-icon ${PALAVER_PACKAGING_DIR}/RenderIconPng.cpp)
target_link_libraries(palaver-render-icon PRIVATE Qt6::Svg Qt6::Gui palaver_warnings)

set(PALAVER_ICON_SIZES 16 22 24 32 48 64 128 256)
set(palaver_icon_pngs)
foreach(size IN LISTS PALAVER_ICON_SIZES)
  set(icon_dir ${PALAVER_PACKAGING_BUILD_DIR}/icons/${size}x${size})
  add_custom_command(
    OUTPUT ${icon_dir}/palaver.png
    COMMAND ${CMAKE_COMMAND} -E make_directory ${icon_dir}
    # The renderer is a build tool; in a sanitizer build Qt's own one-time allocations would
    # otherwise fail the build at its exit.
    COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0
            $<TARGET_FILE:palaver-render-icon> ${PALAVER_PACKAGING_DIR}/palaver.svg ${size}
            ${icon_dir}/palaver.png
    DEPENDS palaver-render-icon ${PALAVER_PACKAGING_DIR}/palaver.svg
    COMMENT "Rendering the ${size}x${size} application icon"
    VERBATIM)
  list(APPEND palaver_icon_pngs ${icon_dir}/palaver.png)
  install(FILES ${icon_dir}/palaver.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES ${PALAVER_PACKAGING_DIR}/palaver.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# --- The man pages, compressed as Debian keeps man pages -----------------------------------------

set(palaver_man_pages)
foreach(page palaver palaver-cli)
  configure_file(${PALAVER_PACKAGING_DIR}/${page}.1 ${PALAVER_PACKAGING_BUILD_DIR}/man/${page}.1
                 @ONLY)
  set(compressed ${PALAVER_PACKAGING_BUILD_DIR}/man1/${page}.1.gz)
  add_custom_command(
    OUTPUT ${compressed}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PALAVER_PACKAGING_BUILD_DIR}/man1
    COMMAND ${CMAKE_COMMAND} -E copy ${PALAVER_PACKAGING_BUILD_DIR}/man/${page}.1
            ${PALAVER_PACKAGING_BUILD_DIR}/man1/${page}.1
    # -n leaves the name and time out of the header, so the same page gives the same bytes.
    COMMAND gzip -9nf ${PALAVER_PACKAGING_BUILD_DIR}/man1/${page}.1
    DEPENDS ${PALAVER_PACKAGING_BUILD_DIR}/man/${page}.1
    COMMENT "Compressing the ${page} man page"
    VERBATIM)
  list(APPEND palaver_man_pages ${compressed})
endforeach()
install(FILES ${palaver_man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# --- The package's documentation: copyright and changelog ----------------------------------------

# Debian keeps both in /usr/share/doc/<package>; the changelog compressed like the man pages.
configure_file(${PALAVER_PACKAGING_DIR}/changelog ${PALAVER_PACKAGING_BUILD_DIR}/doc/changelog
               @ONLY)
set(palaver_changelog ${PALAVER_PACKAGING_BUILD_DIR}/doc/changelog.gz)
add_custom_command(
  OUTPUT ${palaver_changelog}
  COMMAND gzip -9nkf ${PALAVER_PACKAGING_BUILD_DIR}/doc/changelog
  DEPENDS ${PALAVER_PACKAGING_BUILD_DIR}/doc/changelog
  COMMENT "Compressing the changelog"
  VERBATIM)
install(FILES ${PALAVER_PACKAGING_DIR}/copyright ${palaver_changelog}
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/palaver)

add_custom_target(palaver_desktop_files ALL DEPENDS ${palaver_icon_pngs} ${palaver_man_pages}
                                                    ${palaver_changelog})

# --- Desktop entry and MIME type ------------------------------------------------------------------

install(FILES ${PALAVER_PACKAGING_DIR}/palaver.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PALAVER_PACKAGING_DIR}/palaver.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)

# --- The Debian package ---------------------------------------------------------------------------


set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME palaver)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Palaver")
set(CPACK_PACKAGE_CONTACT "${PALAVER_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "argument-assistance program")
set(CPACK_PACKAGE_DESCRIPTION
    "Palaver helps one person build a line of argumentation, move by move: put\n"
    "statements forward as issues or assumptions, give reasons for conclusions and\n"
    "name the exceptions that block a step. After every move it works out which\n"
    "statements are justified and draws the arguments as a diagram. Lines of\n"
    "argumentation are saved as plain-text transcripts (.lin). The interface speaks\n"
    "English and Dutch.\n"
    "\n"
    "The package also holds palaver-cli, which evaluates, draws and exports .lin\n"
    "files without a window (JSON, PNG, SVG, PDF, AIF-JSON, Argdown, Graphviz).")
string(REPLACE ";" "" CPACK_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${PALAVER_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The Qt libraries the programs link come from dpkg-shlibdeps. Qt loads the SVG icon engine and
# image plugin (the window's icon) at run time, so no linker sees them: name their package.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6 (>= 6.4)")
# The icon theme that the icons join; desktops have it, a bare system may not.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "hicolor-icon-theme")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
