vd_add_bench(NAME project_check_bench SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/ProjectCheckBench.cpp LIBS valdren_document)
