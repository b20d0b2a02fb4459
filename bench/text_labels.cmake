if(TARGET drawlib_ui)
  kavo_add_bench(bench_text_labels SOURCES ${CMAKE_CURRENT_LIST_DIR}/text_labels_bench.cpp
                 LIBS drawlib_ui)
endif()
