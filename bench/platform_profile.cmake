kavo_add_bench(bench_platform_profile SOURCES ${CMAKE_CURRENT_LIST_DIR}/platform_profile_bench.cpp
               LIBS platform)
