kavo_add_fuzz(fuzz_peak_pick_import SOURCES ${CMAKE_CURRENT_LIST_DIR}/mainwin_peak_pick_import.cpp
              LIBS mainwin documents engine drawlib platform)
