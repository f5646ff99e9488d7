# Full read and write of a GX5 image against the simulated radio paced like a real line.
vd_add_bench(NAME gx5_transfer_bench
    SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/Gx5TransferBench.cpp ${CMAKE_CURRENT_SOURCE_DIR}/TransferBench.cpp
    LIBS valdren_gx5 valdren_link radiosim_core valdren_test_support fmt::fmt)
