# Makes the sample game: a new game on the standard board with the five Judge
# mails of data/samples imported in order, through kestrane-cli (the same
# core the desktop program uses). Import rewrites a mail in place, so each is
# imported from a copy.
#
#   cmake -DCLI=kestrane-cli -DDATA=<source>/data -DOUT=<file>.kes -P MakeSampleGame.cmake
foreach(var CLI DATA OUT)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "MakeSampleGame.cmake needs -D${var}=...")
  endif()
endforeach()

get_filename_component(out_dir "${OUT}" DIRECTORY)
set(work "${out_dir}/sample-game-work")
file(REMOVE_RECURSE "${work}")
file(MAKE_DIRECTORY "${work}")
set(game "${work}/game.kes")

execute_process(COMMAND "${CLI}" --install-dir "${DATA}" new Standard "${game}"
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "kestrane-cli new failed (${result}): ${output}")
endif()

file(GLOB mails "${DATA}/samples/[1-9]-*.txt")
list(SORT mails)
list(LENGTH mails count)
if(count EQUAL 0)
  message(FATAL_ERROR "no sample mails in ${DATA}/samples")
endif()
foreach(mail IN LISTS mails)
  configure_file("${mail}" "${work}/report.txt" COPYONLY)
  execute_process(COMMAND "${CLI}" --install-dir "${DATA}" import "${game}" "${work}/report.txt"
                  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "kestrane-cli import of ${mail} failed (${result}): ${output}")
  endif()
endforeach()

file(COPY_FILE "${game}" "${OUT}")
file(REMOVE_RECURSE "${work}")
