# Builds the smoke game, starts the real program on it under a virtual X
# server and checks that it wrote a screenshot of its main window.
file(REMOVE_RECURSE ${OUT})
file(MAKE_DIRECTORY ${OUT}/home)
set(ENV{KESTRANE_SMOKE_OUT} ${OUT})
set(ENV{QT_QPA_PLATFORM} offscreen)
execute_process(COMMAND ${MAKER} RESULT_VARIABLE made)
if(NOT made EQUAL 0)
  message(FATAL_ERROR "Making the smoke game failed: ${made}")
endif()

unset(ENV{QT_QPA_PLATFORM})
set(ENV{HOME} ${OUT}/home)
set(ENV{XDG_CONFIG_HOME} ${OUT}/home/.config)
# Supply centres and initials on, a window large enough for the whole board.
file(WRITE ${OUT}/home/.config/Morvellan/Kestrane.conf
  "[Settings]\nSCDisplay=1\nInitials=1\nWinLeft=0\nWinTop=0\nWinRight=1100\nWinBottom=700\n")
execute_process(
  COMMAND ${XVFB_RUN} -a -s "-screen 0 1280x1024x24" ${PROGRAM} -nosplash -screenshot ${OUT}/shot.png ${OUT}/smoke.kes
  WORKING_DIRECTORY ${OUT}
  RESULT_VARIABLE ran
  TIMEOUT 90)
if(NOT ran EQUAL 0)
  message(FATAL_ERROR "The program failed under Xvfb: ${ran}")
endif()
if(NOT EXISTS ${OUT}/shot.png)
  message(FATAL_ERROR "No screenshot written")
endif()
file(SIZE ${OUT}/shot.png size)
if(size LESS 5000)
  message(FATAL_ERROR "The screenshot is too small to show the window (${size} bytes)")
endif()
message(STATUS "Screenshot: ${OUT}/shot.png (${size} bytes)")
