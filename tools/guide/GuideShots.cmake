# guide-shots needs the desktop program's library, which is defined after
# this folder; the root folder runs this file once it has read everything.
if(TARGET kestrane_app_lib)
  add_executable(guide-shots ${CMAKE_CURRENT_LIST_DIR}/GuideShots.cpp)
  target_link_libraries(guide-shots PRIVATE kestrane_app_lib)
endif()
