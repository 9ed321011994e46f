# veltora-batch loads no window of the program and neither Qt Widgets nor Qt PrintSupport (which
# loads Qt Widgets), nor libcups at start: it fails when the executable needs them, directly or
# through its libraries.
# cmake -DEXE=<veltora-batch> -P batch_dependencies.cmake
if(NOT EXISTS "${EXE}")
    message(FATAL_ERROR "no executable: ${EXE}")
endif()
file(GET_RUNTIME_DEPENDENCIES EXECUTABLES "${EXE}"
    RESOLVED_DEPENDENCIES_VAR resolved UNRESOLVED_DEPENDENCIES_VAR unresolved)
list(LENGTH resolved count)
if(count EQUAL 0)
    message(FATAL_ERROR "no libraries found for ${EXE}: the check cannot tell")
endif()
set(forbidden)
foreach(library IN LISTS resolved unresolved)
    get_filename_component(name "${library}" NAME)
    # libcups is loaded when a printer of the system is first used, not at start.
    if(name MATCHES "Qt[0-9]*(Widgets|PrintSupport)" OR name MATCHES "^libcups")
        list(APPEND forbidden "${library}")
    endif()
endforeach()
if(forbidden)
    message(FATAL_ERROR "veltora-batch needs ${forbidden}")
endif()
file(STRINGS "${EXE}" windows REGEX "MainWindow" LIMIT_COUNT 1)
if(windows)
    message(FATAL_ERROR "veltora-batch holds the main window: ${windows}")
endif()
message(STATUS "veltora-batch: ${count} libraries, none of them Qt Widgets, Qt PrintSupport or libcups")
