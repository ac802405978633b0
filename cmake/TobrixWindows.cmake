# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows program: tobrix.exe with its icon and version resource, and the zip a player
# unpacks anywhere (the game keeps its files in the folder it is started from).
# The icon is drawn by the game's own icon painter, built for this machine (TOBRIX_ICON_TOOL,
# which `make windows` builds first), since the programs of this build run only on Windows.
set(TOBRIX_ICON_TOOL "" CACHE FILEPATH "tobrix_icons built for the build machine")
if(NOT EXISTS "${TOBRIX_ICON_TOOL}")
    message(FATAL_ERROR "TOBRIX_ICON_TOOL must name tobrix_icons built for this machine")
endif()
set(windows_dir ${PROJECT_BINARY_DIR}/windows)
set(TOBRIX_ICO ${windows_dir}/tobrix.ico)
add_custom_command(OUTPUT ${TOBRIX_ICO}
    COMMAND ${TOBRIX_ICON_TOOL} ${windows_dir}/icons tobrix ${windows_dir}/icons.png ${TOBRIX_ICO}
    DEPENDS ${TOBRIX_ICON_TOOL} VERBATIM)
configure_file(dist/windows/tobrix.rc.in ${windows_dir}/tobrix.rc @ONLY)
set_source_files_properties(${windows_dir}/tobrix.rc PROPERTIES OBJECT_DEPENDS ${TOBRIX_ICO})
target_sources(tobrix PRIVATE ${windows_dir}/tobrix.rc)
# windres finds wx's resources (cursors, the manifest) under the library's headers.
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} --use-temp-file")
foreach(folder ${wxWidgets_INCLUDE_DIRS})
    set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -I${folder}")
endforeach()

# tobrix-VERSION-win64.zip in the source folder: the program stripped of its symbols, the README
# and the licence, dated by the last commit so that two packings of one commit are the same.
set(zip_name tobrix-${PROJECT_VERSION}-win64)
set(zip ${PROJECT_SOURCE_DIR}/${zip_name}.zip)
set(stage ${windows_dir}/${zip_name})
execute_process(COMMAND git log -1 --format=%ct WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
    OUTPUT_VARIABLE zip_epoch OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
if(zip_epoch STREQUAL "")
    set(zip_epoch 1796644800) # 2026-12-07 12:00 UTC
endif()
execute_process(COMMAND date -u -d @${zip_epoch} "+%Y-%m-%d %H:%M:%S UTC"
    OUTPUT_VARIABLE zip_date OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
find_program(TOBRIX_MINGW_STRIP ${TOBRIX_MINGW}-strip REQUIRED)
add_custom_command(OUTPUT ${zip}
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${stage}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${stage}
    COMMAND ${TOBRIX_MINGW_STRIP} -o ${stage}/tobrix.exe $<TARGET_FILE:tobrix>
    COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/README.md ${stage}/README.md
    COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/LICENSE ${stage}/LICENSE.txt
    COMMAND ${CMAKE_COMMAND} -E tar cf ${zip} --format=zip "--mtime=${zip_date}" -- ${zip_name}
    WORKING_DIRECTORY ${windows_dir}
    DEPENDS tobrix ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/LICENSE VERBATIM)
add_custom_target(tobrix_zip DEPENDS ${zip})
