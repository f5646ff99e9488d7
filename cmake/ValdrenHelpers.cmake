# Helper functions shared by the folders' CMakeLists.

# vd_test_definitions(<target>)
# Compiles the places of this build's templates, simulator and test data into a test, so that
# tests/support/TestEnvironment.cpp can put them into the environment before any test runs
# (however the test is started: ctest, by hand or under a debugger).
function(vd_test_definitions target)
    target_compile_definitions(${target} PRIVATE
        VALDREN_TEST_TEMPLATE_DIR="${VALDREN_TEMPLATE_BUILD_DIR}"
        VALDREN_TEST_RADIOSIM="${VALDREN_BIN_DIR}/radiosim"
        VALDREN_TEST_BIN_DIR="${VALDREN_BIN_DIR}"
        VALDREN_TEST_DATA_DIR="${CMAKE_SOURCE_DIR}/tests/data")
endfunction()

# vd_add_test(NAME <name> SOURCES <files...> LIBS <targets...> [LABELS <labels...>])
# Builds one GoogleTest executable and registers its cases with CTest. Every test
# finds the templates and the simulator of this build through the environment.
function(vd_add_test)
    cmake_parse_arguments(T "" "NAME" "SOURCES;LIBS;LABELS" ${ARGN})
    add_executable(${T_NAME} ${T_SOURCES})
    set_target_properties(${T_NAME} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests/bin)
    target_sources(${T_NAME} PRIVATE ${CMAKE_SOURCE_DIR}/tests/support/TestEnvironment.cpp)
    vd_test_definitions(${T_NAME})
    target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} valdren_test_support GTest::gtest GTest::gmock GTest::gtest_main)
    add_dependencies(${T_NAME} templates)
    set(labels ${T_LABELS})
    if(NOT labels)
        set(labels core)
    endif()
    gtest_discover_tests(${T_NAME}
        DISCOVERY_TIMEOUT 60
        PROPERTIES LABELS "${labels}" TIMEOUT 300 FIXTURES_REQUIRED saved_projects)
endfunction()
