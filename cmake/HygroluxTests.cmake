# hygrolux_add_test(<name> SOURCES <files...> LIBS <targets...> [WIDGETS])
# One QtTest executable per test class, registered with CTest. Widget and scene
# tests run on the offscreen platform; every test runs on a fresh home, settings and data directory of its own
# (PrivateUserDirectories.cpp).
# Every test links the message guard: an unexpected program warning or error fails the running test
# function; RunQtTest.cmake fails the test on a Qt warning that no test function expected. The shared test
# headers of tests/common are on every test's include path.
function(hygrolux_add_test name)
    cmake_parse_arguments(ARG "WIDGETS" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES} ${PROJECT_SOURCE_DIR}/tests/common/TestMessageGuard.cpp
                           ${PROJECT_SOURCE_DIR}/tests/common/PrivateUserDirectories.cpp)
    target_link_libraries(${name} PRIVATE Qt5::Test ${ARG_LIBS} ZOT HygroluxTestSupport)
    target_compile_definitions(${name} PRIVATE
        HYGROLUX_TEST_DATA_DIR="${PROJECT_SOURCE_DIR}/tests/data"
        HYGROLUX_RESOURCES_DIR="${HYGROLUX_RESOURCES_DIR}")
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
    add_test(NAME ${name} COMMAND ${CMAKE_COMMAND} -DTEST_EXECUTABLE=$<TARGET_FILE:${name}>
                                   -P ${PROJECT_SOURCE_DIR}/cmake/RunQtTest.cmake)
    set(env "QT_QPA_PLATFORM=offscreen" "QT_LOGGING_RULES=qt.qpa.*=false")
    set_tests_properties(${name} PROPERTIES TIMEOUT 300 ENVIRONMENT "${env}")
endfunction()
