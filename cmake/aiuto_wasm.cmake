# The published pages' hint: the core's hint compiled to WebAssembly with emscripten, as one
# JavaScript file with the module inside (it loads from file:// as well as over http), laid out
# in the program directory's perwebsiteprove/ next to the pages, with the page script that uses it,
# and in template/, where the publisher takes it from.
set(KELVARO_SITO ${KELVARO_BIN}/perwebsiteprove)
set(KELVARO_AIUTO_JS ${KELVARO_SITO}/kelvaro_aiuto.js)

add_custom_command(OUTPUT ${KELVARO_SITO}/aiutino.js
  COMMAND ${CMAKE_COMMAND} -E make_directory ${KELVARO_SITO}
  COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/resources/template/aiutino.js ${KELVARO_SITO}/aiutino.js
  DEPENDS ${CMAKE_SOURCE_DIR}/resources/template/aiutino.js)
set(KELVARO_AIUTO_USCITE ${KELVARO_SITO}/aiutino.js)

find_program(KELVARO_EMCC emcc)
find_program(KELVARO_NODE node)
if(KELVARO_EMCC AND KELVARO_NODE)
  # The solver with what it needs: the tables, the exact counter and the random draw, and the
  # puzzle codes' reader and writer, the generator for "Nuovo schema"; nothing of the display. The solver's folder whole, so that a new technique file is taken in; the linker
  # keeps only what the hint reaches.
  set(KELVARO_AIUTO_SRC ${CMAKE_SOURCE_DIR}/src/wasm/aiuto_wasm.cpp)
  foreach(f solver/*.cpp rules/*.cpp model/tabelle.cpp model/casuale.cpp model/testo_semplice.cpp files/codice.cpp
            files/codice_pagina.cpp production/generazione.cpp production/logica.cpp
            web/genera_pagina.cpp)
    file(GLOB trovati CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/${f})
    list(APPEND KELVARO_AIUTO_SRC ${trovati})
  endforeach()
  file(GLOB_RECURSE KELVARO_AIUTO_H CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/*.h)
  list(FILTER KELVARO_AIUTO_H EXCLUDE REGEX "/src/(ui|cli|display|app)/")
  list(JOIN KELVARO_AIUTO_SRC "|" sorgenti)
  # Unpacks the module in the browser: emcc puts it at the top of the factory.
  set(KELVARO_AIUTO_PRE ${CMAKE_SOURCE_DIR}/src/wasm/aiuto_wasm_pre.js)
  add_custom_command(OUTPUT ${KELVARO_AIUTO_JS}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${KELVARO_SITO}
    COMMAND ${CMAKE_COMMAND} -DEMCC=${KELVARO_EMCC} -DNODE=${KELVARO_NODE} -DOUT=${KELVARO_AIUTO_JS}
            -DTMP=${CMAKE_CURRENT_BINARY_DIR}/aiuto_wasm -DPRE=${KELVARO_AIUTO_PRE} -DSRC=${sorgenti}
            -DINC=${CMAKE_SOURCE_DIR}/src -P ${CMAKE_SOURCE_DIR}/cmake/aiuto_wasm_emcc.cmake
    DEPENDS ${KELVARO_AIUTO_SRC} ${KELVARO_AIUTO_H} ${KELVARO_AIUTO_PRE} ${CMAKE_SOURCE_DIR}/cmake/aiuto_wasm_emcc.cmake
    COMMENT "Modulo WebAssembly dell'Aiutino"
    VERBATIM)
  # The publisher copies it from template/, beside the hint script, into every site it writes.
  add_custom_command(OUTPUT ${KELVARO_BIN}/template/kelvaro_aiuto.js
    COMMAND ${CMAKE_COMMAND} -E copy ${KELVARO_AIUTO_JS} ${KELVARO_BIN}/template/kelvaro_aiuto.js
    DEPENDS ${KELVARO_AIUTO_JS})
  list(APPEND KELVARO_AIUTO_USCITE ${KELVARO_AIUTO_JS} ${KELVARO_BIN}/template/kelvaro_aiuto.js)
else()
  message(STATUS "emcc o node non trovato: le pagine pubblicate avranno l'Aiutino non disponibile")
endif()
add_custom_target(kelvaro_aiuto ALL DEPENDS ${KELVARO_AIUTO_USCITE})
add_dependencies(kelvaro_aiuto kelvaro_risorse)

# The module against the native core: the table of positions, and kelvaro-cli aiuto on the
# bench schemas (same step, same sentences).
if(KELVARO_TESTS AND KELVARO_EMCC AND KELVARO_NODE)
  add_test(NAME aiutino_modulo
    COMMAND ${KELVARO_NODE} --test ${CMAKE_SOURCE_DIR}/tests/web/browser/aiutino_modulo.test.mjs
    WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}/tests/web)
  set_tests_properties(aiutino_modulo PROPERTIES
    ENVIRONMENT "KELVARO_BIN=${KELVARO_BIN};KELVARO_AIUTO_ATTESO=1" TIMEOUT 600)
endif()
