kavo_add_fuzz(fuzz_documents_detect_and_data SOURCES ${CMAKE_CURRENT_LIST_DIR}/documents_detect_and_data.cpp
              LIBS documents drawlib platform)
kavo_add_fuzz(fuzz_documents_drawing_file SOURCES ${CMAKE_CURRENT_LIST_DIR}/documents_drawing_file.cpp
              LIBS documents engine drawlib platform)
kavo_add_fuzz(fuzz_documents_spec_object SOURCES ${CMAKE_CURRENT_LIST_DIR}/documents_spec_object.cpp
              LIBS documents drawlib platform)
kavo_add_fuzz(fuzz_documents_clipboard SOURCES ${CMAKE_CURRENT_LIST_DIR}/documents_clipboard.cpp
              LIBS documents drawlib platform)
kavo_add_fuzz(fuzz_documents_spectrum_files SOURCES ${CMAKE_CURRENT_LIST_DIR}/documents_spectrum_files.cpp
              LIBS documents engine drawlib platform)
kavo_add_fuzz(fuzz_documents_spec_drawing SOURCES ${CMAKE_CURRENT_LIST_DIR}/documents_spec_drawing.cpp
              LIBS documents engine drawlib platform)
