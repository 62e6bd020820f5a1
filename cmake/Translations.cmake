# Other languages: translations/quarvel_<language>.ts, Qt translation sources whose source
# texts are the keys of the program's texts ("Localization.White") in the context "Quarvel".
# lrelease compiles each into <build>/translations/quarvel_<language>.qm, the folder beside the
# program where it looks for them. English needs no file: it is built in as the defaults.
#
# The .qm files are built before the program library, so every target that links it (the
# program, the tests) finds them; `cmake --build build --target release_translations` builds
# only them.
file(GLOB QUARVEL_TS_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/translations/quarvel_*.ts)
if(QUARVEL_TS_FILES)
  set_source_files_properties(${QUARVEL_TS_FILES} PROPERTIES OUTPUT_LOCATION ${CMAKE_BINARY_DIR}/translations)
  qt_add_lrelease(quarvel_program TS_FILES ${QUARVEL_TS_FILES} OPTIONS -silent)
endif()

# A translation that only the tests load, into <build>/tests/text/fixtures beside test_text.
if(QUARVEL_TESTS)
  file(GLOB QUARVEL_TEST_TS_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/text/fixtures/*.ts)
  add_custom_target(quarvel_test_translations ALL)
  set_source_files_properties(${QUARVEL_TEST_TS_FILES} PROPERTIES OUTPUT_LOCATION ${CMAKE_BINARY_DIR}/tests/text/fixtures)
  qt_add_lrelease(quarvel_test_translations TS_FILES ${QUARVEL_TEST_TS_FILES} OPTIONS -silent NO_GLOBAL_TARGET)
endif()
