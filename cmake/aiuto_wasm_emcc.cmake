# Runs emcc for the hint's module (see aiuto_wasm.cmake). A failure leaves no module and a warning,
# never a failed build: the pages then say the hint is not available, and the aiutino_modulo test
# reports the missing module. -DEMCC=... -DOUT=... -DSRC=a.cpp|b.cpp|... -DINC=<src dir>
# Size matters: a 9 x 9 page loads this file whole. Link-time optimisation and the runtime's
# unused parts left out (no errno, longjmp, eval; the browser's own TextDecoder) keep it small.
string(REPLACE "|" ";" sorgenti "${SRC}")
file(REMOVE "${OUT}")
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env NODE_PATH=/usr/share/nodejs
          ${EMCC} -std=c++20 -Oz -flto -fno-exceptions -fno-rtti -DNDEBUG -I${INC} ${sorgenti} -o ${OUT}
          -sSINGLE_FILE=1 -sMODULARIZE=1 -sEXPORT_NAME=KelvaroAiuto -sENVIRONMENT=web,node
          -sEXPORTED_FUNCTIONS=_kelvaro_aiuto,_kelvaro_regole,_kelvaro_soluzione -sEXPORTED_RUNTIME_METHODS=ccall
          -sALLOW_MEMORY_GROWTH=1 -sFILESYSTEM=0 -sINCOMING_MODULE_JS_API=[] -sMALLOC=emmalloc
          -sTEXTDECODER=2 -sSUPPORT_ERRNO=0 -sSUPPORT_LONGJMP=0 -sDYNAMIC_EXECUTION=0
          --closure 0
  RESULT_VARIABLE esito
  ERROR_VARIABLE errori)
if(NOT esito EQUAL 0)
  file(REMOVE "${OUT}")
  message(WARNING "Modulo dell'Aiutino non costruito (emcc: ${esito}):\n${errori}")
endif()
