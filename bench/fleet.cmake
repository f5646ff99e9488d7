# Four paced simulated GX5 radios written at once against one.
vd_add_bench(NAME fleet_bench
    SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/FleetBench.cpp
    LIBS valdren_document valdren_test_support fmt::fmt)
