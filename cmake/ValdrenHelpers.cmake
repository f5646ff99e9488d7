# Helper functions shared by the folders' CMakeLists.

# vd_add_test(NAME <name> SOURCES <files...> LIBS <targets...> [LABELS <labels...>])
# Builds one GoogleTest executable and registers its cases with CTest. Every test
# finds the templates and the simulator of this build through the environment.
function(vd_add_test)
    cmake_parse_arguments(T "" "NAME" "SOURCES;LIBS;LABELS" ${ARGN})
    add_executable(${T_NAME} ${T_SOURCES})
    set_target_properties(${T_NAME} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests/bin)
    target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} valdren_test_support GTest::gtest GTest::gmock GTest::gtest_main)
    add_dependencies(${T_NAME} templates)
    set(labels ${T_LABELS})
    if(NOT labels)
        set(labels core)
    endif()
    gtest_discover_tests(${T_NAME}
        DISCOVERY_TIMEOUT 60
        PROPERTIES
            LABELS "${labels}"
            TIMEOUT 300
            ENVIRONMENT "VALDREN_CPS_TEMPLATE_DIR=${VALDREN_TEMPLATE_BUILD_DIR};VALDREN_RADIOSIM=${VALDREN_BIN_DIR}/radiosim;VALDREN_BIN_DIR=${VALDREN_BIN_DIR};VALDREN_TEST_DATA=${CMAKE_SOURCE_DIR}/tests/data")
endfunction()
