kavo_add_fuzz(fuzz_output_postscript SOURCES ${CMAKE_CURRENT_LIST_DIR}/output_postscript.cpp
              LIBS output documents drawlib platform)
