# LM704 and VS memory images of any content and size into ImportImage, then GenerateImage.
vd_add_fuzz(NAME lmvs_image_fuzz
    SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/LmVsImageFuzz.cpp
    LIBS valdren_models
    SECONDS 15)
target_compile_definitions(lmvs_image_fuzz PRIVATE
    VALDREN_FUZZ_TEMPLATE_DIR="${VALDREN_TEMPLATE_BUILD_DIR}")
