kavo_add_fuzz(fuzz_output_postscript SOURCES ${CMAKE_CURRENT_LIST_DIR}/output_postscript.cpp
              LIBS output documents drawlib platform)

kavo_add_fuzz(fuzz_export_texts SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/output_export_texts.cpp
              LIBS output documents engine drawlib gifconv platform)
