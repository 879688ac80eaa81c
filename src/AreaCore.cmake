# areacore: the editor's logic in standard C++ only; Qt is never linked here.
# Included by src/CMakeLists.txt and by the fuzzing build, which compiles it alone.
add_library(areacore STATIC)
target_include_directories(areacore PUBLIC ${CMAKE_CURRENT_LIST_DIR})
foreach(folder platform document check shell canvas)
  add_subdirectory(${CMAKE_CURRENT_LIST_DIR}/${folder} ${CMAKE_BINARY_DIR}/areacore/${folder})
endforeach()
