# SPDX-License-Identifier: GPL-3.0-or-later
# The game's catalogues: po/LANG.po for each language of po/LINGUAS, compiled (and checked) by
# msgfmt into locale/LANG/LC_MESSAGES/tobrix.mo of the build folder, where the game run from the
# build folder finds them, and the pseudo-language en@pseudo made from the template, for finding
# texts that escape translation and controls too small for a longer language.
find_program(TOBRIX_MSGFMT msgfmt REQUIRED)
find_program(TOBRIX_XGETTEXT xgettext REQUIRED)

set(TOBRIX_PO_DIR ${PROJECT_SOURCE_DIR}/po)
set(TOBRIX_LOCALE_BUILD_DIR ${PROJECT_BINARY_DIR}/locale)
file(STRINGS ${TOBRIX_PO_DIR}/LINGUAS TOBRIX_LANGUAGES REGEX "^[^#]")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${TOBRIX_PO_DIR}/LINGUAS)

set(catalogues)
foreach(language ${TOBRIX_LANGUAGES})
    set(mo ${TOBRIX_LOCALE_BUILD_DIR}/${language}/LC_MESSAGES/tobrix.mo)
    add_custom_command(OUTPUT ${mo}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${TOBRIX_LOCALE_BUILD_DIR}/${language}/LC_MESSAGES
        COMMAND ${TOBRIX_MSGFMT} --check -o ${mo} ${TOBRIX_PO_DIR}/${language}.po
        DEPENDS ${TOBRIX_PO_DIR}/${language}.po VERBATIM)
    list(APPEND catalogues ${mo})
endforeach()

# The pseudo-language is a tool of the Linux build: a Windows build's programs do not run here.
set(pseudo_mo)
if(NOT CMAKE_CROSSCOMPILING)
    add_executable(tobrix_pseudo ${PROJECT_SOURCE_DIR}/tools/pseudo/MakePseudo.cpp)
    set(pseudo_po ${PROJECT_BINARY_DIR}/po/en@pseudo.po)
    set(pseudo_mo ${TOBRIX_LOCALE_BUILD_DIR}/en@pseudo/LC_MESSAGES/tobrix.mo)
    add_custom_command(OUTPUT ${pseudo_mo}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/po
            ${TOBRIX_LOCALE_BUILD_DIR}/en@pseudo/LC_MESSAGES
        COMMAND tobrix_pseudo ${TOBRIX_PO_DIR}/tobrix.pot ${pseudo_po}
        COMMAND ${TOBRIX_MSGFMT} --check -o ${pseudo_mo} ${pseudo_po}
        DEPENDS tobrix_pseudo ${TOBRIX_PO_DIR}/tobrix.pot VERBATIM)
endif()
add_custom_target(tobrix_catalogues ALL DEPENDS ${catalogues} ${pseudo_mo})

# `make pot` (this target) writes po/tobrix.pot anew from the sources po/POTFILES lists and merges
# it into every language, where a new or changed text is then untranslated or fuzzy; a test fails
# while the committed template differs from what the sources hold or a language lags behind it.
file(STRINGS ${TOBRIX_PO_DIR}/POTFILES TOBRIX_POTFILES REGEX "^[^#]")
set(TOBRIX_XGETTEXT_COMMAND ${TOBRIX_XGETTEXT} --from-code=UTF-8 --keyword=_ --keyword=N_
    --keyword=wxPLURAL:1,2 --add-comments=TRANSLATORS --sort-by-file --package-name=tobrix
    --package-version=${PROJECT_VERSION} "--copyright-holder=TOBRIX++ developers")
find_program(TOBRIX_MSGMERGE msgmerge REQUIRED)
set(merges)
foreach(language ${TOBRIX_LANGUAGES})
    list(APPEND merges COMMAND ${TOBRIX_MSGMERGE} --quiet --update --backup=none
        ${TOBRIX_PO_DIR}/${language}.po ${TOBRIX_PO_DIR}/tobrix.pot)
endforeach()
add_custom_target(tobrix_pot
    COMMAND ${TOBRIX_XGETTEXT_COMMAND} -o ${TOBRIX_PO_DIR}/tobrix.pot ${TOBRIX_POTFILES}
    ${merges}
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR} VERBATIM)

