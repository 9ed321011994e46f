# Fails when a text of the windows lacks its Ukrainian or English translation: the sources are read
# by lupdate into copies of the .ts files (so that a text added to the code and not yet to the
# translations counts), and lrelease must report every text finished.
#   cmake -DLUPDATE=... -DLRELEASE=... -DSOURCE_DIR=... -DWORK_DIR=... -P check-complete.cmake
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
set(failures "")
foreach(lang uk en)
    set(ts ${WORK_DIR}/veltora_${lang}.ts)
    file(COPY_FILE ${SOURCE_DIR}/translations/veltora_${lang}.ts ${ts})
    execute_process(
        COMMAND ${LUPDATE} -locations none -no-obsolete -source-language ru -I ${SOURCE_DIR}/src
                ${SOURCE_DIR}/src/ui ${SOURCE_DIR}/src/app ${SOURCE_DIR}/src/logic ${SOURCE_DIR}/src/platform ${SOURCE_DIR}/src/cli -ts ${ts}
        RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT rc EQUAL 0)
        string(APPEND failures "lupdate failed for ${lang}: ${out}${err}\n")
        continue()
    endif()
    execute_process(COMMAND ${LRELEASE} ${ts} -qm ${WORK_DIR}/veltora_${lang}.qm
        RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
    message(STATUS "${lang}: ${out}${err}")
    if(NOT rc EQUAL 0 OR NOT out MATCHES "finished and 0 unfinished" OR out MATCHES "untranslated")
        string(APPEND failures "${lang}: ${out}${err}\n")
    endif()
endforeach()
if(failures)
    message(FATAL_ERROR "Unfinished translations (run tools/update-translations and translate):\n${failures}")
endif()
