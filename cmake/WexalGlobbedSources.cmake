# Targets here take their sources from globs. When a glob picks up a new header, CMake
# reconfigures, but with Ninja the AUTOMOC step only watches the headers it saw last time: it
# would skip moc for the new one and leave its signals and vtable undefined at link time. So
# the source list is remembered, and whenever it differs the autogen step's stamp is removed,
# which makes moc run again exactly when files come or go.
function(wexal_track_globbed_sources target)
    set(list_file "${CMAKE_CURRENT_BINARY_DIR}/${target}_sources.txt")
    string(REPLACE ";" "\n" content "${ARGN}")
    set(previous "")
    if(EXISTS "${list_file}")
        file(READ "${list_file}" previous)
    endif()
    if(NOT previous STREQUAL content)
        file(WRITE "${list_file}" "${content}")
        file(REMOVE "${CMAKE_CURRENT_BINARY_DIR}/${target}_autogen/timestamp")
    endif()
endfunction()
