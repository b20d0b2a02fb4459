kavo_add_fuzz(fuzz_ini_parser SOURCES ${CMAKE_CURRENT_LIST_DIR}/ini_parser.cpp LIBS platform)
