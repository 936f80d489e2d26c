# The published pages' hint: the core's hint compiled to WebAssembly with emscripten, as one
# JavaScript file with the module inside (it loads from file:// as well as over http), laid out
# in the program directory's perwebsiteprove/ next to the pages, with the page script that uses it.
set(KELVARO_SITO ${KELVARO_BIN}/perwebsiteprove)
set(KELVARO_AIUTO_JS ${KELVARO_SITO}/kelvaro_aiuto.js)

add_custom_command(OUTPUT ${KELVARO_SITO}/aiutino.js
  COMMAND ${CMAKE_COMMAND} -E make_directory ${KELVARO_SITO}
  COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/resources/template/aiutino.js ${KELVARO_SITO}/aiutino.js
  DEPENDS ${CMAKE_SOURCE_DIR}/resources/template/aiutino.js)
set(KELVARO_AIUTO_USCITE ${KELVARO_SITO}/aiutino.js)

find_program(KELVARO_EMCC emcc)
if(KELVARO_EMCC)
  set(KELVARO_AIUTO_SRC
    src/wasm/aiuto_wasm.cpp
    src/solver/suggerimento.cpp
    src/solver/risolvi.cpp
    src/solver/singoli.cpp
    src/solver/disuguaglianze.cpp
    src/solver/multipli.cpp
    src/solver/swordfish.cpp
    src/model/tabelle.cpp
    src/banco.cpp
    src/display/finestre.cpp
    src/display/griglia.cpp
    src/display/visualizza.cpp
    src/display/log_soluzione.cpp
    src/production/contatore.cpp
    src/production/casuale.cpp)
  list(TRANSFORM KELVARO_AIUTO_SRC PREPEND ${CMAKE_SOURCE_DIR}/)
  # Debian's emcc runs its tools with the system node (its prebuilt cache is frozen and used as is).
  add_custom_command(OUTPUT ${KELVARO_AIUTO_JS}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${KELVARO_SITO}
    COMMAND ${CMAKE_COMMAND} -E env NODE_PATH=/usr/share/nodejs
            ${KELVARO_EMCC} -std=c++20 -Oz -fno-exceptions -fno-rtti -DNDEBUG -I${CMAKE_SOURCE_DIR}/src
            ${KELVARO_AIUTO_SRC} -o ${KELVARO_AIUTO_JS}
            -sSINGLE_FILE=1 -sMODULARIZE=1 -sEXPORT_NAME=KelvaroAiuto -sENVIRONMENT=web,node
            -sEXPORTED_FUNCTIONS=_kelvaro_aiuto -sEXPORTED_RUNTIME_METHODS=ccall
            -sALLOW_MEMORY_GROWTH=1 -sFILESYSTEM=0 -sINCOMING_MODULE_JS_API=[]
            --closure 0
    DEPENDS ${KELVARO_AIUTO_SRC}
    COMMENT "Modulo WebAssembly dell'Aiutino"
    VERBATIM)
  list(APPEND KELVARO_AIUTO_USCITE ${KELVARO_AIUTO_JS})
else()
  message(STATUS "emcc non trovato: le pagine pubblicate avranno l'Aiutino non disponibile")
endif()
add_custom_target(kelvaro_aiuto ALL DEPENDS ${KELVARO_AIUTO_USCITE})
add_dependencies(kelvaro_aiuto kelvaro_risorse)

# The module against the native core: the table of positions, and kelvaro-cli aiuto on the
# bench schemas (same step, same sentences).
find_program(KELVARO_NODE node)
if(KELVARO_TESTS AND KELVARO_EMCC AND KELVARO_NODE)
  add_test(NAME aiutino_modulo
    COMMAND ${KELVARO_NODE} --test ${CMAKE_SOURCE_DIR}/tests/web/browser/aiutino_modulo.test.mjs
    WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}/tests/web)
  set_tests_properties(aiutino_modulo PROPERTIES ENVIRONMENT "KELVARO_BIN=${KELVARO_BIN}" TIMEOUT 600)
endif()
