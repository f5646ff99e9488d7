# Import and generation of GX5 images at full capacity and at 100 channels.
vd_add_bench(NAME gx5_image_bench
    SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/Gx5ImageBench.cpp
    LIBS valdren_models)
target_compile_definitions(gx5_image_bench PRIVATE
    VALDREN_BENCH_TEMPLATE_DIR="${VALDREN_TEMPLATE_BUILD_DIR}")
