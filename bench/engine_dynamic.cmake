kavo_add_bench(bench_engine_dynamic SOURCES ${CMAKE_CURRENT_LIST_DIR}/engine_dynamic_bench.cpp
               LIBS engine drawlib platform)
