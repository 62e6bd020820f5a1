# `cmake --install`: the program, its translations, and what a Linux desktop needs to offer it
# (desktop entry, icon in the hicolor theme, AppStream metainfo). Paths follow GNUInstallDirs.
include(GNUInstallDirs)

set(QUARVEL_APP_ID org.quarvel.Quarvel)
set(QUARVEL_HOMEPAGE https://quarvel.org)
set(QUARVEL_RELEASE_DATE 2026-12-09)
set(QUARVEL_TRANSLATIONS_DIR ${CMAKE_INSTALL_DATADIR}/quarvel/translations)

# The installed program finds its data folder relative to itself, so the tree works under any
# prefix given at install time (`cmake --install build --prefix PREFIX`).
file(RELATIVE_PATH QUARVEL_DATA_FROM_BIN ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_DATADIR})
target_compile_definitions(quarvel_framework PRIVATE
  QUARVEL_DATA_FROM_BIN="${QUARVEL_DATA_FROM_BIN}" QUARVEL_APP_ID="${QUARVEL_APP_ID}")

install(TARGETS quarvel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(QUARVEL_TS_FILES)
  install(DIRECTORY ${CMAKE_BINARY_DIR}/translations/ DESTINATION ${QUARVEL_TRANSLATIONS_DIR}
    FILES_MATCHING PATTERN "quarvel_*.qm")
endif()

set(packaging ${CMAKE_SOURCE_DIR}/packaging)
install(FILES ${packaging}/${QUARVEL_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
configure_file(${packaging}/${QUARVEL_APP_ID}.metainfo.xml.in
  ${CMAKE_BINARY_DIR}/${QUARVEL_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/${QUARVEL_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

set(QUARVEL_ICON_SIZES 16 32 48 64 128 256)
foreach(size ${QUARVEL_ICON_SIZES})
  install(FILES ${packaging}/icons/${size}/${QUARVEL_APP_ID}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES ${packaging}/icons/${QUARVEL_APP_ID}.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# The same pictures inside the program, as its windows' icon wherever it is started from
# (":/icon/<size>.png"; framework/installed).
set(icon_resources)
foreach(size ${QUARVEL_ICON_SIZES})
  set(file ${packaging}/icons/${size}/${QUARVEL_APP_ID}.png)
  set_source_files_properties(${file} PROPERTIES QT_RESOURCE_ALIAS ${size}.png)
  list(APPEND icon_resources ${file})
endforeach()
qt_add_resources(quarvel_framework quarvel_icon PREFIX "/icon" FILES ${icon_resources})
