kavo_add_bench(bench_postscript SOURCES ${CMAKE_CURRENT_LIST_DIR}/postscript_bench.cpp
               LIBS output documents drawlib platform)
