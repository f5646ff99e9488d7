# GX5 and LM704 sessions against the paced simulated radio with the polled and the fast link,
# beside the wire time of the bytes exchanged.
vd_add_bench(NAME fast_link_bench
    SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/FastLinkBench.cpp
    LIBS valdren_models valdren_link radiosim_core)
target_compile_definitions(fast_link_bench PRIVATE
    VALDREN_BENCH_TEMPLATE_DIR="${VALDREN_TEMPLATE_BUILD_DIR}")
