if(TARGET engine)
  kavo_add_bench(bench_engine_nspin SOURCES ${CMAKE_CURRENT_LIST_DIR}/engine_nspin_bench.cpp
                 LIBS engine)
endif()
