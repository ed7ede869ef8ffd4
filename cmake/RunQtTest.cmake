# Runs one QtTest executable for CTest: cmake -DTEST_EXECUTABLE=<file> -P RunQtTest.cmake
# Fails when the test fails and when it printed a Qt warning or error that no test function expected: QtTest
# prints those as QWARN/QCRITICAL/QFATAL/QSYSTEM lines, while one declared with QTest::ignoreMessage stays silent.
# The offscreen platform's "This plugin does not support propagateSizeHints()" names a gap of that platform,
# not a fault of ours, and does not count.
execute_process(COMMAND "${TEST_EXECUTABLE}" RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
message(NOTICE "${output}")
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${TEST_EXECUTABLE} failed: ${result}")
endif()
string(REGEX REPLACE "QWARN +: [^\n]*This plugin does not support propagateSizeHints\\(\\)\n" "" checked "${output}")
string(REGEX MATCH "(QWARN|QCRITICAL|QFATAL|QSYSTEM) +: [^\n]*" unexpected "${checked}")
if(unexpected)
    message(FATAL_ERROR "Unexpected Qt message: ${unexpected}")
endif()
