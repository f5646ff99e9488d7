# The GX5 family's memory image codec.
vd_add_test(NAME gx5_image_tests
    SOURCES
        Gx5ImageCodecTest.cpp
        Gx5ImageRoundTripTest.cpp
        Gx5MemoryMapTest.cpp
    LIBS valdren_models)
