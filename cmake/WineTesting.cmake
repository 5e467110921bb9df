# Running the Windows programs of this build under Wine: a prefix inside the
# build tree, created once; a wrapper used as the cross-compiling emulator; and
# one shared wineserver for a test run, as a CTest fixture.
set(PALORIN_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
set(PALORIN_WINE_RUN ${CMAKE_BINARY_DIR}/wine-run)
configure_file(${CMAKE_CURRENT_LIST_DIR}/wine-run.sh.in ${PALORIN_WINE_RUN} @ONLY
    FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                     WORLD_READ WORLD_EXECUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR ${PALORIN_WINE_RUN})

set(PALORIN_WINEPREFIX_STAMP ${PALORIN_WINEPREFIX}/.palorin-ready)
add_custom_command(
    OUTPUT ${PALORIN_WINEPREFIX_STAMP}
    COMMAND ${PROJECT_SOURCE_DIR}/scripts/wine-prefix.sh ${PALORIN_WINEPREFIX}
    COMMENT "Creating the Wine prefix"
    USES_TERMINAL)
add_custom_target(wine_prefix ALL DEPENDS ${PALORIN_WINEPREFIX_STAMP})

add_test(NAME wine_server_start
    COMMAND ${PROJECT_SOURCE_DIR}/scripts/wine-server.sh start ${PALORIN_WINEPREFIX})
add_test(NAME wine_server_stop
    COMMAND ${PROJECT_SOURCE_DIR}/scripts/wine-server.sh stop ${PALORIN_WINEPREFIX})
set_tests_properties(wine_server_start PROPERTIES FIXTURES_SETUP wine_server TIMEOUT 60 LABELS wine)
set_tests_properties(wine_server_stop PROPERTIES FIXTURES_CLEANUP wine_server TIMEOUT 30 LABELS wine)

# Registers a test that needs Wine. A dialog that misbehaves tends to livelock
# rather than crash, so every such test has a timeout. The label "wine" lets
# a run under another Wine pick these tests alone (scripts/test-wine10.sh).
#   palorin_add_wine_test(NAME name COMMAND cmd... [TIMEOUT seconds])
function(palorin_add_wine_test)
    cmake_parse_arguments(PARSE_ARGV 0 arg "" "NAME;TIMEOUT" "COMMAND")
    if(NOT arg_TIMEOUT)
        set(arg_TIMEOUT 60)
    endif()
    add_test(NAME ${arg_NAME} COMMAND ${arg_COMMAND})
    set_tests_properties(${arg_NAME} PROPERTIES
        FIXTURES_REQUIRED wine_server
        TIMEOUT ${arg_TIMEOUT}
        LABELS wine
        ENVIRONMENT "WINEPREFIX=${PALORIN_WINEPREFIX}")
endfunction()
