# Tests of the GX5 family's radio link, partly against the simulated radio.
vd_add_test(NAME gx5_link_tests
    SOURCES
        ${CMAKE_CURRENT_SOURCE_DIR}/Gx5LinkFrameTest.cpp
        ${CMAKE_CURRENT_SOURCE_DIR}/Gx5LinkHandshakeTest.cpp
        ${CMAKE_CURRENT_SOURCE_DIR}/Gx5LinkSettingsTest.cpp
        ${CMAKE_CURRENT_SOURCE_DIR}/Gx5LinkTransferTest.cpp
    LIBS valdren_gx5 valdren_link radiosim_core spdlog::spdlog)
