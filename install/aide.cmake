# The setup's side of the install aide: the loader of its four entry points and the install list.
add_library(olvex_installaide STATIC
  ${CMAKE_CURRENT_LIST_DIR}/InstallAide.cpp
  ${CMAKE_CURRENT_LIST_DIR}/InstallList.cpp
)
target_link_libraries(olvex_installaide PUBLIC ${CMAKE_DL_LIBS})
