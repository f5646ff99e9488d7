# Full read and write of each LM704 and VS model against the simulated radio paced like a
# 9600-baud line, beside the least time the protocol's waits and the wire need.
vd_add_bench(NAME lmvs_transfer_bench
    SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/LmVsTransferBench.cpp ${CMAKE_CURRENT_SOURCE_DIR}/TransferBench.cpp
    LIBS valdren_models valdren_link radiosim_core valdren_test_support)
target_compile_definitions(lmvs_transfer_bench PRIVATE
    VALDREN_BENCH_TEMPLATE_DIR="${VALDREN_TEMPLATE_BUILD_DIR}")
