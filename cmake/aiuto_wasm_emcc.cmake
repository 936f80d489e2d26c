# Runs emcc for the hint's module (see aiuto_wasm.cmake). A failure leaves no module and a warning,
# never a failed build: the pages then say the hint is not available, and the aiutino_modulo test
# reports the missing module.
# -DEMCC=... -DNODE=... -DOUT=... -DTMP=<work dir> -DPRE=<pre-js> -DSRC=a.cpp|b.cpp|... -DINC=<src dir>
# Size matters: a 9 x 9 page loads this file whole. Link-time optimisation and the runtime's
# unused parts left out (no errno, longjmp, eval; the browser's own TextDecoder) keep the code
# small. The module is then put into the JavaScript as gzip in base64 rather than emcc's plain
# base64 (SINGLE_FILE): its constant tables are long runs of one byte, which plain base64 spells
# out in full; the pre-js unpacks it in the browser.
string(REPLACE "|" ";" sorgenti "${SRC}")
file(REMOVE "${OUT}")
file(REMOVE_RECURSE "${TMP}")
file(MAKE_DIRECTORY "${TMP}")
set(glue "${TMP}/kelvaro_aiuto.js")
set(wasm "${TMP}/kelvaro_aiuto.wasm")

function(fallito cosa dettagli)
  file(REMOVE "${OUT}")
  message(WARNING "Modulo dell'Aiutino non costruito (${cosa}):\n${dettagli}")
endfunction()

execute_process(
  COMMAND ${CMAKE_COMMAND} -E env NODE_PATH=/usr/share/nodejs
          ${EMCC} -std=c++20 -Oz -flto -fno-exceptions -fno-rtti -DNDEBUG -I${INC} ${sorgenti} -o ${glue}
          -sMODULARIZE=1 -sEXPORT_NAME=KelvaroAiuto -sENVIRONMENT=web,node
          -sEXPORTED_FUNCTIONS=_kelvaro_aiuto,_kelvaro_regole,_kelvaro_valide,_kelvaro_soluzione,_kelvaro_leggi_codice,_kelvaro_scrivi_codice,_kelvaro_genera -sEXPORTED_RUNTIME_METHODS=ccall
          -sALLOW_MEMORY_GROWTH=1 -sFILESYSTEM=0 -sINCOMING_MODULE_JS_API=[instantiateWasm] -sMALLOC=emmalloc
          -sTEXTDECODER=2 -sSUPPORT_ERRNO=0 -sSUPPORT_LONGJMP=0 -sDYNAMIC_EXECUTION=0
          --pre-js ${PRE} --closure 0
  RESULT_VARIABLE esito
  ERROR_VARIABLE errori)
if(NOT esito EQUAL 0)
  fallito("emcc: ${esito}" "${errori}")
  return()
endif()

# gzip at its best level; node's zlib writes no time or name in the header, so the same module
# gives the same file.
execute_process(
  COMMAND ${NODE} -e "process.stdout.write(require('zlib').gzipSync(require('fs').readFileSync(process.argv[1]),{level:9}).toString('base64'))" ${wasm}
  RESULT_VARIABLE esito
  OUTPUT_VARIABLE compresso
  ERROR_VARIABLE errori)
if(NOT esito EQUAL 0 OR compresso STREQUAL "")
  fallito("gzip: ${esito}" "${errori}")
  return()
endif()

file(READ "${glue}" testo)
set(segnaposto "@KELVARO_MODULO_GZIP_BASE64@")
string(FIND "${testo}" "${segnaposto}" primo)
string(FIND "${testo}" "${segnaposto}" ultimo REVERSE)
if(primo EQUAL -1 OR NOT primo EQUAL ultimo)
  fallito("segnaposto" "il segnaposto del modulo manca o si ripete in ${glue}")
  return()
endif()
string(REPLACE "${segnaposto}" "${compresso}" testo "${testo}")
# Written beside and renamed, so that a half-written module is never there.
file(WRITE "${OUT}.tmp" "${testo}")
file(RENAME "${OUT}.tmp" "${OUT}")
file(REMOVE_RECURSE "${TMP}")
