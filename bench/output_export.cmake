if(TARGET output_ui AND TARGET kavo71_dat)
  kavo_add_bench(bench_output_export SOURCES ${CMAKE_CURRENT_LIST_DIR}/output_export_bench.cpp
                 LIBS output_ui output documents engine drawlib gifconv platform platform_ui)
  # The plot document is drawn with the program data file the build generates.
  target_compile_definitions(bench_output_export PRIVATE KAVO71_DAT_PATH="${KAVO71_DAT}")
  add_dependencies(bench_output_export kavo71_dat)
endif()
