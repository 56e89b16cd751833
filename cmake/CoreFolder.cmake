# kestrane_core_folder(FOLDER [USES LOWER...]) makes kestrane_FOLDER, the
# library of the .cpp files in src/FOLDER (a folder of headers alone gives
# an interface library), and appends it to KESTRANE_CORE_TARGETS and the
# folder to KESTRANE_CORE_FOLDERS (the folders the CoreHasNoQt test reads).
#
# Its files may include "FOLDER/..." and the folders it USES, and what those
# use in turn; nothing else of src/ is on its include path. Each folder has
# an include root of its own in the build tree holding a link to each folder
# it may see, so an include against the order of the folders fails to
# compile. The IncludeGraph test checks the same order for all of src/
# (tests/include-rules.txt), the folders around the core included.
function(kestrane_core_folder folder)
  cmake_parse_arguments(PARSE_ARGV 1 ARG "" "" "USES")
  set(root ${CMAKE_BINARY_DIR}/core-include/${folder})
  file(MAKE_DIRECTORY ${root})
  foreach(seen IN ITEMS ${folder} ${ARG_USES})
    if(NOT IS_SYMLINK ${root}/${seen})
      file(CREATE_LINK ${CMAKE_SOURCE_DIR}/src/${seen} ${root}/${seen} SYMBOLIC)
    endif()
  endforeach()

  set(target kestrane_${folder})
  list(TRANSFORM ARG_USES PREPEND kestrane_ OUTPUT_VARIABLE uses)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/${folder}/*.cpp)
  if(sources)
    add_library(${target} STATIC ${sources})
    target_include_directories(${target} PUBLIC ${root})
    target_link_libraries(${target} PUBLIC ${uses})
  else()
    add_library(${target} INTERFACE)
    target_include_directories(${target} INTERFACE ${root})
    target_link_libraries(${target} INTERFACE ${uses})
  endif()
  set(KESTRANE_CORE_TARGETS ${KESTRANE_CORE_TARGETS} ${target} PARENT_SCOPE)
  set(KESTRANE_CORE_FOLDERS ${KESTRANE_CORE_FOLDERS} ${folder} PARENT_SCOPE)
endfunction()
