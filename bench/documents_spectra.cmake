if(TARGET documents AND TARGET platform_ui)
  kavo_add_bench(bench_documents_spectra SOURCES ${CMAKE_CURRENT_LIST_DIR}/documents_spectra_bench.cpp
                 LIBS documents engine drawlib platform platform_ui Qt6::Gui)
endif()
