# add_wizard_test(NAME SOURCES ... [LIBS ...] [GUI])
# Registers one test program with ctest. Library tests use GoogleTest; GUI tests
# use Qt Test and run on the offscreen platform.
find_package(GTest REQUIRED)

function(add_wizard_test NAME)
    cmake_parse_arguments(ARG "GUI" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${NAME} ${ARG_SOURCES})
    target_link_libraries(${NAME} PRIVATE testcommon ${ARG_LIBS})
    if(ARG_GUI)
        target_link_libraries(${NAME} PRIVATE Qt6::Test Qt6::Widgets)
    else()
        target_link_libraries(${NAME} PRIVATE GTest::gtest GTest::gtest_main)
    endif()
    add_test(NAME ${NAME} COMMAND ${NAME})
    set(env "WIZARD_BIN_DIR=${CMAKE_BINARY_DIR}/bin"
            "WIZARD_REFDATA_DIR=${WIZARD_REFDATA_DIR}"
            "LSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/tests/lsan.supp:print_suppressions=0")
    if(ARG_GUI)
        list(APPEND env "QT_QPA_PLATFORM=offscreen")
    endif()
    set_tests_properties(${NAME} PROPERTIES ENVIRONMENT "${env}" TIMEOUT 300)
endfunction()

# add_postgresql_variant(NAME)
# Registers the test program NAME a second time, as NAME_postgresql: the same
# tests with every installation's database on the test run's PostgreSQL
# cluster (the fixture "pgcluster" of tests/data starts and stops it).
string(MD5 wizard_build_hash "${CMAKE_BINARY_DIR}")
string(SUBSTRING "${wizard_build_hash}" 0 12 wizard_build_hash)
set(WIZARD_PGCLUSTER_DIR "/tmp/morvane-pg-${wizard_build_hash}")
function(add_postgresql_variant NAME)
    get_test_property(${NAME} ENVIRONMENT env)
    list(APPEND env "MORVANE_TEST_PGCLUSTER=${WIZARD_PGCLUSTER_DIR}")
    get_test_property(${NAME} TIMEOUT timeout)
    add_test(NAME ${NAME}_postgresql COMMAND ${NAME})
    set_tests_properties(${NAME}_postgresql PROPERTIES ENVIRONMENT "${env}" TIMEOUT ${timeout}
                         FIXTURES_REQUIRED pgcluster)
endfunction()

# add_xcb_variant(NAME)
# Registers the GUI test program NAME a second time, as NAME_xcb: the same
# tests on Qt's xcb platform, on a private Xvfb display with a window manager,
# so focus changes, activation and modal windows are the window system's own.
function(add_xcb_variant NAME)
    get_test_property(${NAME} ENVIRONMENT env)
    list(FILTER env EXCLUDE REGEX "^QT_QPA_PLATFORM=")
    get_test_property(${NAME} TIMEOUT timeout)
    add_test(NAME ${NAME}_xcb
             COMMAND ${PROJECT_SOURCE_DIR}/tests/common/onxvfb.sh $<TARGET_FILE:${NAME}>)
    set_tests_properties(${NAME}_xcb PROPERTIES ENVIRONMENT "${env}" TIMEOUT ${timeout})
endfunction()
