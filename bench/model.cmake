vd_add_bench(NAME model_bench SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/ModelBench.cpp LIBS valdren_document fmt::fmt)
