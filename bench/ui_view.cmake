# The grid view and its panes on a GX5 project filled to capacity, in an offscreen window.
if(TARGET valdren_ui)
    vd_add_bench(NAME ui_view_bench
        SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/UiViewBench.cpp
        LIBS valdren_ui)
    target_compile_definitions(ui_view_bench PRIVATE
        VALDREN_BENCH_TEMPLATE_DIR="${VALDREN_TEMPLATE_BUILD_DIR}")
endif()
