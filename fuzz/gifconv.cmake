foreach(target corvid_placeable_wmf corvid_emf corvid_dib)
  kavo_add_fuzz(fuzz_${target} SOURCES ${CMAKE_CURRENT_LIST_DIR}/${target}.cpp LIBS gifconv platform)
endforeach()
