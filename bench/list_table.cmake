vd_add_bench(NAME list_table_bench SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/ListTableBench.cpp LIBS valdren_document fmt::fmt)
