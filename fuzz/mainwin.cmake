kavo_add_fuzz(fuzz_mainwin_settings_startup
              SOURCES ${CMAKE_CURRENT_LIST_DIR}/mainwin_settings_startup.cpp
              LIBS mainwin documents engine drawlib platform)
# The start-up needs the program data file the build generates.
target_compile_definitions(fuzz_mainwin_settings_startup PRIVATE KAVO71_DAT_PATH="${KAVO71_DAT}")
add_dependencies(fuzz_mainwin_settings_startup kavo71_dat)

kavo_add_fuzz(fuzz_peak_pick_import SOURCES ${CMAKE_CURRENT_LIST_DIR}/mainwin_peak_pick_import.cpp
              LIBS mainwin documents engine drawlib platform)
