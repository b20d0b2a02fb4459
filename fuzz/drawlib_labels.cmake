kavo_add_fuzz(fuzz_drawlib_labels SOURCES ${CMAKE_CURRENT_LIST_DIR}/drawlib_labels.cpp
              LIBS drawlib platform)
