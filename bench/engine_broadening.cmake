kavo_add_bench(bench_engine_broadening SOURCES ${CMAKE_CURRENT_LIST_DIR}/engine_broadening_bench.cpp
               LIBS engine drawlib platform)
