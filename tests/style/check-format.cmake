# Fails when a C++ source of the repository differs from what clang-format makes of it with the
# checked-in .clang-format.
#   cmake -DCLANG_FORMAT=<program> -DSOURCE_DIR=<repository> -P check-format.cmake
file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR}
    ${SOURCE_DIR}/src/*.cpp ${SOURCE_DIR}/src/*.h
    ${SOURCE_DIR}/tests/*.cpp ${SOURCE_DIR}/tests/*.h
    ${SOURCE_DIR}/tools/*.cpp ${SOURCE_DIR}/tools/*.h
    ${SOURCE_DIR}/bench/*.cpp ${SOURCE_DIR}/bench/*.h)
set(unformatted)
foreach(source IN LISTS sources)
    execute_process(COMMAND ${CLANG_FORMAT} --dry-run --Werror ${source}
        WORKING_DIRECTORY ${SOURCE_DIR} RESULT_VARIABLE status OUTPUT_QUIET ERROR_QUIET)
    if(NOT status EQUAL 0)
        list(APPEND unformatted ${source})
    endif()
endforeach()
if(unformatted)
    list(JOIN unformatted "\n  " listing)
    message(FATAL_ERROR "Not formatted (run clang-format -i on them):\n  ${listing}")
endif()
list(LENGTH sources count)
message(STATUS "${count} files formatted")
