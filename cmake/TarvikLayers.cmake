# tarvik_layer(name [SOURCES ...]): the static library tarvik_<name> (alias tarvik::<name>) of one
# layer, linking the layers it stands on as src/layers lists them, so the link graph and the
# include check read the same order.
file(STRINGS ${PROJECT_SOURCE_DIR}/src/layers tarvik_layer_lines REGEX "^[a-z]")
foreach(line IN LISTS tarvik_layer_lines)
  string(REGEX MATCH "^([a-z]+)[^|]*\\|(.*)$" _ "${line}")
  string(STRIP "${CMAKE_MATCH_2}" below)
  separate_arguments(below UNIX_COMMAND "${below}")
  set(TARVIK_LAYER_BELOW_${CMAKE_MATCH_1} "${below}")
endforeach()

function(tarvik_layer name)
  cmake_parse_arguments(L "" "" "SOURCES" ${ARGN})
  add_library(tarvik_${name} STATIC ${L_SOURCES})
  add_library(tarvik::${name} ALIAS tarvik_${name})
  target_include_directories(tarvik_${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  foreach(below IN LISTS TARVIK_LAYER_BELOW_${name})
    target_link_libraries(tarvik_${name} PUBLIC tarvik_${below})
  endforeach()
  tarvik_warnings(tarvik_${name})
  set_property(GLOBAL APPEND PROPERTY TARVIK_LAYER_TARGETS tarvik_${name})
endfunction()
