kavo_add_fuzz(fuzz_documents_detect_and_data SOURCES ${CMAKE_CURRENT_LIST_DIR}/documents_detect_and_data.cpp
              LIBS documents drawlib platform)
