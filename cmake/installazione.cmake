# What "cmake --install" lays out, into any prefix: the programs in bin/, the program's own
# files in share/kelvaro/ (the installed programs find them there, relative to bin/), and the
# desktop integration: menu entry, icon, AppStream data, the schema file type, manual pages and
# bash completion. The layout is fixed (bin/, share/): the programs look for ../share/kelvaro.
set(KELVARO_ID org.kelvaro.Kelvaro)
set(KELVARO_PACK ${CMAKE_SOURCE_DIR}/packaging)
set(KELVARO_GENERATI ${CMAKE_BINARY_DIR}/packaging)

install(TARGETS kelvaro-cli RUNTIME DESTINATION bin)
if(TARGET kelvaro)
  install(TARGETS kelvaro RUNTIME DESTINATION bin)
endif()
# The booklet's painter, run by "kelvaro-cli libretto" only: not a command of its own.
if(TARGET kelvaro-libretto)
  install(TARGETS kelvaro-libretto RUNTIME DESTINATION libexec/kelvaro)
endif()

# The program directory's defaults, as the build lays them out in build/bin, without what a run
# there may have published.
install(DIRECTORY ${CMAKE_SOURCE_DIR}/resources/ DESTINATION share/kelvaro PATTERN .keep EXCLUDE)
install(FILES ${KELVARO_BIN}/perwebsiteprove/schemaFutoshiki.js ${KELVARO_BIN}/perwebsiteprove/aiutino.js
        DESTINATION share/kelvaro/perwebsiteprove)
install(FILES ${KELVARO_BIN}/perwebsiteprove/kelvaro_aiuto.js DESTINATION share/kelvaro/perwebsiteprove
        OPTIONAL)
install(FILES ${KELVARO_BIN}/template/kelvaro_aiuto.js DESTINATION share/kelvaro/template OPTIONAL)

# Desktop integration.
install(FILES ${KELVARO_PACK}/${KELVARO_ID}.desktop DESTINATION share/applications)
install(FILES ${KELVARO_PACK}/${KELVARO_ID}.svg DESTINATION share/icons/hicolor/scalable/apps)
install(FILES ${KELVARO_PACK}/${KELVARO_ID}.svg DESTINATION share/icons/hicolor/scalable/mimetypes
        RENAME application-x-kelvaro-schema.svg)
install(FILES ${KELVARO_PACK}/kelvaro-mime.xml DESTINATION share/mime/packages RENAME kelvaro.xml)
configure_file(${KELVARO_PACK}/${KELVARO_ID}.metainfo.xml.in ${KELVARO_GENERATI}/${KELVARO_ID}.metainfo.xml
               @ONLY)
install(FILES ${KELVARO_GENERATI}/${KELVARO_ID}.metainfo.xml DESTINATION share/metainfo)
install(FILES ${KELVARO_PACK}/kelvaro-cli.bash DESTINATION share/bash-completion/completions
        RENAME kelvaro-cli)

# Manual pages, with the version filled in and compressed as Debian wants them (gzip -n: the
# same bytes on every build).
find_program(KELVARO_GZIP gzip REQUIRED)
set(KELVARO_MAN_GZ)
foreach(pagina kelvaro.6 kelvaro-cli.1)
  configure_file(${KELVARO_PACK}/${pagina} ${KELVARO_GENERATI}/${pagina} @ONLY)
  add_custom_command(OUTPUT ${KELVARO_GENERATI}/${pagina}.gz
    COMMAND ${KELVARO_GZIP} -9nf -k ${KELVARO_GENERATI}/${pagina}
    DEPENDS ${KELVARO_GENERATI}/${pagina} VERBATIM)
  list(APPEND KELVARO_MAN_GZ ${KELVARO_GENERATI}/${pagina}.gz)
  string(REGEX REPLACE ".*\\." "" sezione ${pagina})
  install(FILES ${KELVARO_GENERATI}/${pagina}.gz DESTINATION share/man/man${sezione})
endforeach()
add_custom_target(kelvaro_manuali ALL DEPENDS ${KELVARO_MAN_GZ})

# The Debian package's documents; harmless elsewhere.
configure_file(${KELVARO_PACK}/changelog ${KELVARO_GENERATI}/changelog @ONLY)
add_custom_command(OUTPUT ${KELVARO_GENERATI}/changelog.gz
  COMMAND ${KELVARO_GZIP} -9nf -k ${KELVARO_GENERATI}/changelog
  DEPENDS ${KELVARO_GENERATI}/changelog VERBATIM)
add_custom_target(kelvaro_changelog ALL DEPENDS ${KELVARO_GENERATI}/changelog.gz)
install(FILES ${KELVARO_PACK}/copyright ${KELVARO_GENERATI}/changelog.gz DESTINATION share/doc/kelvaro)

# Everything the install rules take, without the tests and benchmarks: what scripts/package.sh
# builds.
add_custom_target(kelvaro_installabile)
add_dependencies(kelvaro_installabile kelvaro-cli kelvaro_script kelvaro_aiuto kelvaro_manuali kelvaro_changelog)
if(TARGET kelvaro-libretto)
  add_dependencies(kelvaro_installabile kelvaro-libretto)
endif()
if(TARGET kelvaro)
  add_dependencies(kelvaro_installabile kelvaro)
endif()

include(${CMAKE_SOURCE_DIR}/cmake/pacchetto.cmake)
