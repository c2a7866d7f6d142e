# Installing Lumo as a desktop game: the program in the games folder, its menu
# entry, AppStream metainfo, hicolor icons and man pages, and the Debian
# package built from that by CPack. The application ID (LUMO_APP_ID) names the
# desktop entry, the metainfo and the icon.
include(GNUInstallDirs)

# Debian's games layout: /usr/games, or ~/.local/games for a user's install.
set(LUMO_INSTALL_GAMESDIR "games" CACHE STRING "Where the program goes, relative to the prefix")

set(LUMO_DESKTOP_OUT ${CMAKE_BINARY_DIR}/desktop)
file(MAKE_DIRECTORY ${LUMO_DESKTOP_OUT})
# The menu entry names the program by its full path, which only the install
# knows (/usr/games for the package, ~/.local/games for a user): the
# placeholder stays until then.
set(LUMO_EXEC "@LUMO_EXEC@")
configure_file(${CMAKE_SOURCE_DIR}/desktop/lumo.desktop.in ${LUMO_DESKTOP_OUT}/${LUMO_APP_ID}.desktop.in @ONLY)
unset(LUMO_EXEC)
configure_file(${CMAKE_SOURCE_DIR}/desktop/lumo.metainfo.xml.in
  ${LUMO_DESKTOP_OUT}/${LUMO_APP_ID}.metainfo.xml @ONLY)

# The icon is the helper bird, centred on a square canvas.
file(READ ${CMAKE_SOURCE_DIR}/assets/companion/bird_neutral.svg LUMO_BIRD_SVG)
set(LUMO_BIRD_ROOT [[width="57" height="80" viewBox="0 0 57 80"]])
string(FIND "${LUMO_BIRD_SVG}" "${LUMO_BIRD_ROOT}" LUMO_BIRD_ROOT_AT)
if(LUMO_BIRD_ROOT_AT LESS 0)
  message(FATAL_ERROR "bird_neutral.svg no longer has the 57 x 80 canvas the icon is centred for")
endif()
string(REPLACE "${LUMO_BIRD_ROOT}" [[width="80" height="80" viewBox="-11.5 0 80 80"]]
  LUMO_ICON_SVG "${LUMO_BIRD_SVG}")
file(GENERATE OUTPUT ${LUMO_DESKTOP_OUT}/${LUMO_APP_ID}.svg CONTENT "${LUMO_ICON_SVG}")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/assets/companion/bird_neutral.svg)

add_executable(lumo-icon-render ${CMAKE_SOURCE_DIR}/tools/icons/IconRender.cpp)
target_link_libraries(lumo-icon-render PRIVATE Qt6::Gui Qt6::Svg)

set(LUMO_ICON_SIZES 16 22 24 32 48 64 128 256)
set(LUMO_DESKTOP_FILES)
foreach(size ${LUMO_ICON_SIZES})
  set(png ${LUMO_DESKTOP_OUT}/icons/${size}/${LUMO_APP_ID}.png)
  add_custom_command(OUTPUT ${png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${LUMO_DESKTOP_OUT}/icons/${size}
    COMMAND lumo-icon-render ${LUMO_DESKTOP_OUT}/${LUMO_APP_ID}.svg ${size} ${png}
    DEPENDS lumo-icon-render ${LUMO_DESKTOP_OUT}/${LUMO_APP_ID}.svg
    COMMENT "Drawing the ${size} px icon" VERBATIM)
  list(APPEND LUMO_DESKTOP_FILES ${png})
  install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()

# Man pages, compressed as Debian ships them.
find_program(LUMO_GZIP gzip REQUIRED)
foreach(lang en de)
  configure_file(${CMAKE_SOURCE_DIR}/desktop/lumo.${lang}.6 ${LUMO_DESKTOP_OUT}/man/${lang}/lumo.6 @ONLY)
  set(page ${LUMO_DESKTOP_OUT}/man/${lang}/lumo.6.gz)
  add_custom_command(OUTPUT ${page}
    COMMAND ${LUMO_GZIP} -9nkf ${LUMO_DESKTOP_OUT}/man/${lang}/lumo.6
    DEPENDS ${LUMO_DESKTOP_OUT}/man/${lang}/lumo.6 VERBATIM)
  list(APPEND LUMO_DESKTOP_FILES ${page})
endforeach()
add_custom_target(lumo_desktop_files ALL DEPENDS ${LUMO_DESKTOP_FILES})

install(TARGETS Lumo RUNTIME DESTINATION ${LUMO_INSTALL_GAMESDIR})
install(CODE "set(LUMO_DESKTOP_IN \"${LUMO_DESKTOP_OUT}/${LUMO_APP_ID}.desktop.in\")
set(LUMO_DESKTOP_TO \"${CMAKE_INSTALL_DATADIR}/applications/${LUMO_APP_ID}.desktop\")
set(LUMO_GAMES \"${LUMO_INSTALL_GAMESDIR}\")")
install(CODE [[
  set(LUMO_EXEC "${CMAKE_INSTALL_PREFIX}/${LUMO_GAMES}/Lumo")
  message(STATUS "Installing: $ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${LUMO_DESKTOP_TO}")
  configure_file("${LUMO_DESKTOP_IN}" "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${LUMO_DESKTOP_TO}" @ONLY)
]])
install(FILES ${LUMO_DESKTOP_OUT}/${LUMO_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${LUMO_DESKTOP_OUT}/${LUMO_APP_ID}.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${LUMO_DESKTOP_OUT}/man/en/lumo.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${LUMO_DESKTOP_OUT}/man/de/lumo.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/de/man6)
# A lower-case name to type; the program keeps its own name, which names its
# files (Lumo.HSC, Lumo.ERR) and its version texts. Each name has its page.
# The block below runs at install time and sees only these two names.
install(CODE "set(LUMO_GAMES \"${LUMO_INSTALL_GAMESDIR}\")\nset(LUMO_MAN \"${CMAKE_INSTALL_MANDIR}\")")
install(CODE [[
  foreach(link "${LUMO_GAMES}/lumo:Lumo" "${LUMO_MAN}/man6/Lumo.6.gz:lumo.6.gz" "${LUMO_MAN}/de/man6/Lumo.6.gz:lumo.6.gz")
    string(REPLACE ":" ";" link "${link}")
    list(GET link 0 name)
    list(GET link 1 target)
    file(CREATE_LINK ${target} "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${name}" SYMBOLIC)
  endforeach()
]])

# What Debian wants of every package beside the program: its licence and
# history, and the lintian overrides with their reasons.
configure_file(${CMAKE_SOURCE_DIR}/desktop/changelog.in ${LUMO_DESKTOP_OUT}/changelog @ONLY)
add_custom_command(OUTPUT ${LUMO_DESKTOP_OUT}/changelog.gz
  COMMAND ${LUMO_GZIP} -9nkf ${LUMO_DESKTOP_OUT}/changelog
  DEPENDS ${LUMO_DESKTOP_OUT}/changelog VERBATIM)
add_custom_target(lumo_changelog ALL DEPENDS ${LUMO_DESKTOP_OUT}/changelog.gz)
install(FILES ${LUMO_DESKTOP_OUT}/changelog.gz ${CMAKE_SOURCE_DIR}/desktop/copyright
  DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/lumo)
install(FILES ${CMAKE_SOURCE_DIR}/desktop/lintian-overrides
  DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME lumo)

# Debian package: cpack -G DEB in the build folder.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lumo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_CONTACT "Lumo <${LUMO_CONTACT_MAIL}>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "card solitaire with a helpful bird")
set(CPACK_PACKAGE_DESCRIPTION "Lumo is a German-language card solitaire. The 52 cards are dealt face up
into 18 piles; the top card of a pile goes onto a card of the same suit one
value higher, and every card that fits a foundation flies there on its own.
A little blue bird greets the player and suggests the next move; points,
moves and play time are counted and the three best results are kept.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${LUMO_WEB_SITE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What the program loads by name at run time, beyond its libraries: a General
# MIDI soundfont for the music and the faces that stand in for Arial.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "timgm6mb-soundfont | sf2-soundfont-gm, fonts-liberation, fonts-dejavu-core")
# The web link, the mail to the author and the update's setup open through it.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES OFF)
include(CPack)
