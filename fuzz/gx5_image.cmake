# GX5 memory images of any content into ImportImage, then GenerateImage.
vd_add_fuzz(NAME gx5_image_fuzz
    SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/Gx5ImageFuzz.cpp
    LIBS valdren_models
    SECONDS 20)
target_compile_definitions(gx5_image_fuzz PRIVATE
    VALDREN_FUZZ_TEMPLATE_DIR="${VALDREN_TEMPLATE_BUILD_DIR}")
