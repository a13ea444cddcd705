# wrenly_add_library(NAME name SOURCES ... LIBS ...)
# One static library per layer. Every library shares the one include root at the top of the tree,
# so includes name their folder: #include "data/Session.h".
function(wrenly_add_library)
    cmake_parse_arguments(L "" "NAME" "SOURCES;LIBS" ${ARGN})
    add_library(${L_NAME} STATIC ${L_SOURCES})
    target_include_directories(${L_NAME} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(${L_NAME} PUBLIC ${L_LIBS})
endfunction()

# wrenly_add_test(NAME name SOURCES ... LIBS ...)
# One QtTest executable per class under test, run offscreen with a private runtime and config folder
# so that no test touches the user's session, autostart entries or single-instance socket. In a
# sanitizer build (WRENLY_SANITIZE) the first sanitizer report fails the test.
function(wrenly_add_test)
    cmake_parse_arguments(T "" "NAME;TIMEOUT" "SOURCES;LIBS" ${ARGN})
    if(NOT T_TIMEOUT)
        set(T_TIMEOUT 120)
    endif()
    add_executable(${T_NAME} ${T_SOURCES})
    target_link_libraries(${T_NAME} PRIVATE Qt6::Test wrenly_testsupport ${T_LIBS})
    set(sandbox ${CMAKE_BINARY_DIR}/test-sandbox/${T_NAME})
    file(MAKE_DIRECTORY ${sandbox}/runtime ${sandbox}/config)
    set(env
        QT_QPA_PLATFORM=offscreen
        LANG=C.UTF-8
        XDG_RUNTIME_DIR=${sandbox}/runtime
        XDG_CONFIG_HOME=${sandbox}/config
        WRENLY_TEST_ASSETS=${WRENLY_RUNTIME_DIR}
        ${WRENLY_SANITIZER_ENV})
    add_test(NAME ${T_NAME} COMMAND ${T_NAME})
    set_tests_properties(${T_NAME} PROPERTIES TIMEOUT ${T_TIMEOUT} ENVIRONMENT "${env}")
endfunction()
