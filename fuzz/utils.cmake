kavo_add_fuzz(fuzz_string_list SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/utils_string_list.cpp
              LIBS drawlib platform)
