# Writes a manual page from its template and compresses it. With CLI, the
# batch program's --help text goes into the page, so that no command or key
# it names can be missing there.
#   cmake -DVORLAGE=x.1.in -DZIEL=x.1 -DPROJECT_VERSION=.. -DFERMALIN_DATUM=.. [-DCLI=..] -P manseite.cmake
if(CLI)
    execute_process(COMMAND ${CLI} --help OUTPUT_VARIABLE hilfe RESULT_VARIABLE rc)
    if(NOT rc EQUAL 0)
        message(FATAL_ERROR "${CLI} --help endete mit ${rc}")
    endif()
    # roff: a backslash is written \e, a minus \-, and a line that begins
    # with a dot or an apostrophe would be read as a request
    string(REPLACE "\\" "\\e" hilfe "${hilfe}")
    string(REPLACE "-" "\\-" hilfe "${hilfe}")
    string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" hilfe "${hilfe}")
    string(REGEX REPLACE "\n+$" "" SCHLUESSEL "${hilfe}")
endif()
configure_file(${VORLAGE} ${ZIEL} @ONLY)
execute_process(COMMAND gzip -9nc ${ZIEL} OUTPUT_FILE ${ZIEL}.gz RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "gzip ${ZIEL} endete mit ${rc}")
endif()
