kavo_add_bench(bench_engine_types SOURCES ${CMAKE_CURRENT_LIST_DIR}/engine_types_bench.cpp
               LIBS engine drawlib platform)
