kavo_add_fuzz(fuzz_groups_file_round_trip SOURCES ${CMAKE_CURRENT_LIST_DIR}/groups_file_round_trip.cpp
              LIBS groups mainwin documents engine drawlib platform)
kavo_add_fuzz(fuzz_groups_paste SOURCES ${CMAKE_CURRENT_LIST_DIR}/groups_paste.cpp
              LIBS groups mainwin documents engine drawlib platform)
