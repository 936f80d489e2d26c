# Leaves the compacted page script in the program directory, so that "/HTML" alone makes a
# working site. Run with -DCLI=<kelvaro-cli> -DBIN=<program directory>; nothing to do without
# the script template.
if(EXISTS "${BIN}/template/schemaFutoshiki.js")
  file(MAKE_DIRECTORY "${BIN}/perwebsiteprove")
  execute_process(COMMAND "${CLI}" stringi --cartella "${BIN}" RESULT_VARIABLE esito OUTPUT_QUIET)
  if(NOT esito EQUAL 0)
    message(FATAL_ERROR "kelvaro-cli stringi non riuscito (${esito})")
  endif()
endif()
