# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the game like any desktop application: the program and its launcher, a desktop entry,
# hicolor icons drawn at build time, AppStream metainfo, a manual page and the documentation.
include(GNUInstallDirs)

# The application id names the desktop entry, the icon and the metainfo; it is chosen here only.
set(TOBRIX_APP_ID io.github.tobrix.tobrix)
# One moment dates the package's files, the manual page and the metainfo's release, so that two
# builds of one commit give the same bytes: SOURCE_DATE_EPOCH when the builder sets it, else the
# last commit's time, else (a source tree without history) the release's day.
set(TOBRIX_SOURCE_DATE_EPOCH "$ENV{SOURCE_DATE_EPOCH}")
if(TOBRIX_SOURCE_DATE_EPOCH STREQUAL "")
    execute_process(COMMAND git log -1 --format=%ct WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
        OUTPUT_VARIABLE TOBRIX_SOURCE_DATE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE
        ERROR_QUIET)
endif()
if(TOBRIX_SOURCE_DATE_EPOCH STREQUAL "")
    set(TOBRIX_SOURCE_DATE_EPOCH 1796644800) # 2026-12-07 12:00 UTC
endif()
execute_process(COMMAND date -u -d @${TOBRIX_SOURCE_DATE_EPOCH} +%Y-%m-%d
    OUTPUT_VARIABLE TOBRIX_RELEASE_DATE OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
# GTK names the window's class after the program, so the desktop can tell its windows apart.
set(TOBRIX_WM_CLASS tobrix)
set(TOBRIX_MAINTAINER "TOBRIX++ maintainers <maintainers@users.noreply.c-seed-f63f036a.example>"
    CACHE STRING "The maintainer named in the package and its changelog")

# Like any program the game goes to bin/; Debian's rules for games want games/, which
# `make package` asks for.
set(TOBRIX_INSTALL_BINDIR ${CMAKE_INSTALL_BINDIR}
    CACHE STRING "Where tobrix and its launcher go, relative to the prefix")

set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
    GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# The icon at every size the icon theme asks for, drawn by the game's own drawing code, and a
# contact sheet of them all to look at.
set(TOBRIX_ICON_DIR ${PROJECT_BINARY_DIR}/icons)
set(TOBRIX_ICON_SIZES 16 24 32 48 64 128 256)
set(icon_files)
foreach(size ${TOBRIX_ICON_SIZES})
    list(APPEND icon_files ${TOBRIX_ICON_DIR}/${size}x${size}/apps/${TOBRIX_APP_ID}.png)
endforeach()
set(icon_sheet ${PROJECT_BINARY_DIR}/screenshots/icons.png)
add_custom_command(OUTPUT ${icon_files} ${icon_sheet}
    COMMAND tobrix_icons ${TOBRIX_ICON_DIR} ${TOBRIX_APP_ID} ${icon_sheet}
    DEPENDS tobrix_icons VERBATIM)
add_custom_target(tobrix_icon_files ALL DEPENDS ${icon_files} ${icon_sheet})

# The menu entry names the launcher by its installed path, so that the desktop finds it whatever
# PATH holds (a prefix in the player's home, or /usr/games outside a login shell's PATH).
if(IS_ABSOLUTE "${TOBRIX_INSTALL_BINDIR}")
    set(TOBRIX_LAUNCHER ${TOBRIX_INSTALL_BINDIR}/tobrix-launcher)
else()
    set(TOBRIX_LAUNCHER ${CMAKE_INSTALL_PREFIX}/${TOBRIX_INSTALL_BINDIR}/tobrix-launcher)
endif()

# The texts that name the id, the version or the date are filled in here; Debian wants manual
# pages and the changelog compressed, without time stamps.
set(dist ${PROJECT_BINARY_DIR}/dist)
execute_process(COMMAND date -R -u -d @${TOBRIX_SOURCE_DATE_EPOCH}
    OUTPUT_VARIABLE TOBRIX_RELEASE_DATE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE)
configure_file(dist/tobrix.desktop.in ${dist}/untranslated/${TOBRIX_APP_ID}.desktop @ONLY)
configure_file(dist/tobrix.metainfo.xml.in ${dist}/untranslated/${TOBRIX_APP_ID}.metainfo.xml @ONLY)
# The desktop entry and the metainfo carry their texts in every language of the catalogues.
set(translated_dist)
foreach(kind desktop xml)
    set(name ${TOBRIX_APP_ID}.desktop)
    if(kind STREQUAL xml)
        set(name ${TOBRIX_APP_ID}.metainfo.xml)
    endif()
    set(po_files)
    foreach(language ${TOBRIX_LANGUAGES})
        list(APPEND po_files ${TOBRIX_PO_DIR}/${language}.po)
    endforeach()
    add_custom_command(OUTPUT ${dist}/${name}
        COMMAND ${TOBRIX_MSGFMT} --${kind} --template=${dist}/untranslated/${name}
            -d ${TOBRIX_PO_DIR} -o ${dist}/${name}
        DEPENDS ${dist}/untranslated/${name} ${po_files} ${TOBRIX_PO_DIR}/LINGUAS VERBATIM)
    list(APPEND translated_dist ${dist}/${name})
endforeach()
add_custom_target(tobrix_dist_files ALL DEPENDS ${translated_dist})
configure_file(dist/tobrix.6.in ${dist}/tobrix.6 @ONLY)
configure_file(dist/changelog.in ${dist}/changelog @ONLY)
foreach(name tobrix.6 changelog)
    execute_process(COMMAND gzip -9 -n -c ${dist}/${name} OUTPUT_FILE ${dist}/${name}.gz
        COMMAND_ERROR_IS_FATAL ANY)
endforeach()
file(CREATE_LINK tobrix.6.gz ${dist}/tobrix-launcher.6.gz SYMBOLIC)

install(TARGETS tobrix RUNTIME DESTINATION ${TOBRIX_INSTALL_BINDIR})
install(PROGRAMS dist/tobrix-launcher DESTINATION ${TOBRIX_INSTALL_BINDIR})
install(FILES ${dist}/${TOBRIX_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
foreach(language ${TOBRIX_LANGUAGES})
    install(FILES ${TOBRIX_LOCALE_BUILD_DIR}/${language}/LC_MESSAGES/tobrix.mo
        DESTINATION ${CMAKE_INSTALL_LOCALEDIR}/${language}/LC_MESSAGES)
endforeach()
install(FILES ${dist}/${TOBRIX_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# The icons by name: a folder of the build may still hold those of an earlier id.
foreach(size ${TOBRIX_ICON_SIZES})
    install(FILES ${TOBRIX_ICON_DIR}/${size}x${size}/apps/${TOBRIX_APP_ID}.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES ${dist}/tobrix.6.gz ${dist}/tobrix-launcher.6.gz
    DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES README.md LICENSE dist/copyright ${dist}/changelog.gz
    DESTINATION ${CMAKE_INSTALL_DOCDIR})
