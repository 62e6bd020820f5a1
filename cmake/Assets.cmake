# The program's pictures and its bounce sound, bundled into the program as Qt resources. The
# files keep their asset names in assets/; inside the program they are found by resource id, as
# ":/pictures/<id>.png" and ":/sounds/<id>.wav" (pictures and sounds are numbered separately).
# assets/make_assets.py draws them; its output is committed, so the build does not run it.
set(QUARVEL_PICTURES
  TitelBG 168  TitelBGMask 169  velostralogosmall 170
  SpriteSmall 171  SpriteBig 172  SpriteBigInverse 173  SpriteSmallInverse 174
  AboutBox 175
  ColorShadesIcon 176  ColorShadesIconMask 177  GeometryIcon 178  GeometryIconMask 179
  HelpIconOn 180  HelpIconOnMask 181  InfoIcon 182  InfoIconMask 183
  MatchingIcon 184  MatchingIconMask 185  VideoIcon 186  VideoIconMask 187)
set(QUARVEL_SOUNDS Rums 168)

set(QUARVEL_ASSET_FILES)
foreach(kind pictures sounds)
  if(kind STREQUAL "pictures")
    set(table ${QUARVEL_PICTURES})
    set(extension png)
  else()
    set(table ${QUARVEL_SOUNDS})
    set(extension wav)
  endif()
  list(LENGTH table length)
  math(EXPR last "${length} - 1")
  foreach(i RANGE 0 ${last} 2)
    math(EXPR j "${i} + 1")
    list(GET table ${i} name)
    list(GET table ${j} id)
    set(file ${CMAKE_SOURCE_DIR}/assets/${kind}/${name}.${extension})
    set_source_files_properties(${file} PROPERTIES QT_RESOURCE_ALIAS ${kind}/${id}.${extension})
    list(APPEND QUARVEL_ASSET_FILES ${file})
  endforeach()
endforeach()

# On a static library Qt puts the resources into an object library that every target linking
# quarvel_program takes in whole, so the program and the tests register them without
# Q_INIT_RESOURCE.
qt_add_resources(quarvel_program quarvel_assets PREFIX "/" FILES ${QUARVEL_ASSET_FILES})
