if(TARGET mainwin_ui)
  kavo_add_bench(bench_mainwin_redraw SOURCES ${CMAKE_CURRENT_LIST_DIR}/mainwin_redraw_bench.cpp
                 LIBS mainwin_ui)
endif()
