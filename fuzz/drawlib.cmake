kavo_add_fuzz(fuzz_drawlib_unpack SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/drawlib_unpack.cpp
              LIBS drawlib platform)
