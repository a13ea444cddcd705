# Parsing Qt's headers is most of the build's time, so every library and test reuses one of three
# precompiled sets of the Qt headers Wrenly includes most: Qt Core for data/ and export/, Widgets for
# the rest.
# Tests get a third set, the Widgets one with <QTest>: QtTest's headers cost each test a second and
# a half. They would name each test's own folders (QT_TESTCASE_BUILDDIR/SOURCEDIR, which differ in
# every test and so spoil a shared set); no test looks up its data by those, so tests go without.
# WRENLY_PCH=OFF builds without them, to check that every file includes what it uses. On by default
# with GCC only: clang refuses a header precompiled under other -D macros, and every test adds some.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    option(WRENLY_PCH "Reuse precompiled Qt headers across targets" ON)
else()
    option(WRENLY_PCH "Reuse precompiled Qt headers across targets" OFF)
endif()

# wrenly_test_code(TARGET): the tests' own code, most of a build's time, compiles without what
# serves only the code under test: Release's optimisation (the libraries keep -O3) and UBSan's checks
# (the libraries keep them; AddressSanitizer stays, tests handle widgets' lifetimes themselves).
# The test header set gets the same options, or no test could use it.
function(wrenly_test_code target)
    target_compile_options(${target} PRIVATE $<$<CONFIG:Release>:-O0>)
    if("undefined" IN_LIST WRENLY_SANITIZE)
        target_compile_options(${target} PRIVATE -fno-sanitize=undefined)
    endif()
endfunction()

set(wrenly_pch_core <QByteArray> <QDate> <QDir> <QFile> <QFileInfo> <QList> <QString> <QStringList>)
set(wrenly_pch_gui ${wrenly_pch_core} <QAction> <QApplication> <QCheckBox> <QComboBox> <QDialog> <QFrame>
    <QLabel> <QLineEdit> <QListWidget> <QMenu> <QMouseEvent> <QPainter> <QPlainTextEdit> <QPointer>
    <QPushButton> <QScrollArea> <QStatusBar> <QTimer> <QWidget>)
set(wrenly_pch_test ${wrenly_pch_gui} <QSignalSpy> <QTest>)
get_target_property(wrenly_qttest_definitions Qt6::Test INTERFACE_COMPILE_DEFINITIONS)
list(FILTER wrenly_qttest_definitions EXCLUDE REGEX "^QT_TESTCASE_")
set_property(TARGET Qt6::Test PROPERTY INTERFACE_COMPILE_DEFINITIONS ${wrenly_qttest_definitions})
if(WRENLY_PCH)
    foreach(set core gui test)
        add_library(wrenly_pch_${set} OBJECT ${PROJECT_SOURCE_DIR}/cmake/pch/pch.cpp)
        set_target_properties(wrenly_pch_${set} PROPERTIES AUTOMOC OFF)
    endforeach()
    target_link_libraries(wrenly_pch_core PRIVATE Qt6::Core)
    target_precompile_headers(wrenly_pch_core PRIVATE ${wrenly_pch_core})
    target_link_libraries(wrenly_pch_gui PRIVATE Qt6::Widgets)
    target_precompile_headers(wrenly_pch_gui PRIVATE ${wrenly_pch_gui})
    target_link_libraries(wrenly_pch_test PRIVATE Qt6::Widgets Qt6::Test)
    target_precompile_headers(wrenly_pch_test PRIVATE ${wrenly_pch_test})
    wrenly_test_code(wrenly_pch_test)
endif()

# Unity builds of the libraries (WRENLY_UNITY, on in the test command): each translation unit pays
# about a second for the headers before its own code, eight files in one pay it once.
option(WRENLY_UNITY "Build each library in batches of sources (faster from scratch)" OFF)

# wrenly_use_pch(TARGET core|gui|test)
function(wrenly_use_pch target set)
    if(WRENLY_PCH)
        target_precompile_headers(${target} REUSE_FROM wrenly_pch_${set})
    endif()
endfunction()

# wrenly_add_library(NAME name SOURCES ... LIBS ...)
# One static library per layer. Every library shares the one include root at the top of the tree,
# so includes name their folder: #include "data/Session.h".
function(wrenly_add_library)
    cmake_parse_arguments(L "" "NAME" "SOURCES;LIBS" ${ARGN})
    add_library(${L_NAME} STATIC ${L_SOURCES})
    target_include_directories(${L_NAME} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(${L_NAME} PUBLIC ${L_LIBS})
    if(WRENLY_UNITY)
        set_target_properties(${L_NAME} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE 8)
    endif()
    if(L_NAME STREQUAL "wrenly_data" OR L_NAME STREQUAL "wrenly_export")
        wrenly_use_pch(${L_NAME} core)
    else()
        wrenly_use_pch(${L_NAME} gui)
    endif()
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
    wrenly_use_pch(${T_NAME} test)
    wrenly_test_code(${T_NAME})
    # A test includes its own moc output, so this file is empty: without the header set it builds in
    # no time instead of loading it (seconds, and a megabyte of object, in the sanitizer build).
    set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/${T_NAME}_autogen/mocs_compilation.cpp
        TARGET_DIRECTORY ${T_NAME} PROPERTIES SKIP_PRECOMPILE_HEADERS ON)
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
