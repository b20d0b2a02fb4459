kavo_add_fuzz(fuzz_runtime_numbers SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/runtime_numbers_fuzz.cpp
              LIBS platform)
