# One library per source folder, whose include path reaches only the folder itself and the layers
# it declares. Each layer gets an include root of its own in the build tree holding one link to
# its folder (build/layers/<target>/pattern -> pattern/), so "#include \"pattern/checks.h\""
# resolves only in a target that links zarvek_pattern: an include of an undeclared (higher) layer
# fails to compile.
#
#   zarvek_add_layer(<target> <folder> SOURCES <files...> [DEPENDS <layers...>])
#
# <folder> is relative to the project root ("window/qt"); SOURCES relative to the calling
# CMakeLists.txt; DEPENDS are linked PUBLIC, so a layer may use what the layers below it use.
function(zarvek_add_layer target folder)
  cmake_parse_arguments(PARSE_ARGV 2 layer "" "" "SOURCES;DEPENDS")
  if(layer_SOURCES)
    add_library(${target} STATIC ${layer_SOURCES})
    set(scope PUBLIC)
  else()
    add_library(${target} INTERFACE)
    set(scope INTERFACE)
  endif()
  set(root ${PROJECT_BINARY_DIR}/layers/${target})
  set(link ${root}/${folder})
  cmake_path(GET link PARENT_PATH parent)
  file(MAKE_DIRECTORY ${parent})
  if(NOT IS_SYMLINK ${link})
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${folder} ${link} SYMBOLIC)
  endif()
  target_include_directories(${target} ${scope} ${root})
  target_link_libraries(${target} ${scope} ${layer_DEPENDS})
endfunction()
