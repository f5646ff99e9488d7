# A GX5 write with backup and verify and an LM704 write with verify, against the paced
# simulated radio, as ratios to the bare write of the same run.
vd_add_bench(NAME safe_write_bench
    SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/SafeWriteBench.cpp
    LIBS valdren_document valdren_test_support fmt::fmt)
