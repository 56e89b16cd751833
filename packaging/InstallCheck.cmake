# Installs the build into a scratch prefix (not the one it was configured
# for, so the programs must find their data from where they are) and runs the
# installed programs there as a player would.
#   cmake -DBUILD=... -DSOURCE=... -DPREFIX=... -DBINDIR=bin -DDATADIR=share -DMANDIR=share/man
#         [-DDESKTOP_FILE_VALIDATE=...] [-DAPPSTREAMCLI=...] -P InstallCheck.cmake

function(must_run label)
  cmake_parse_arguments(RUN "" "OUTPUT;WORKDIR" "COMMAND" ${ARGN})
  if(NOT RUN_WORKDIR)
    set(RUN_WORKDIR ${WORK})
  endif()
  execute_process(COMMAND ${RUN_COMMAND} WORKING_DIRECTORY ${RUN_WORKDIR}
    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 120)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${label} failed (${status}):\n${out}\n${err}")
  endif()
  if(RUN_OUTPUT)
    set(${RUN_OUTPUT} "${out}" PARENT_SCOPE)
  endif()
endfunction()

function(must_exist)
  foreach(path IN LISTS ARGN)
    if(NOT EXISTS ${PREFIX}/${path})
      message(FATAL_ERROR "Not installed: ${path}")
    endif()
  endforeach()
endfunction()

function(must_contain label text)
  foreach(part IN LISTS ARGN)
    string(FIND "${text}" "${part}" at)
    if(at EQUAL -1)
      message(FATAL_ERROR "${label} lacks \"${part}\":\n${text}")
    endif()
  endforeach()
endfunction()

set(WORK ${PREFIX}-work)
file(REMOVE_RECURSE ${PREFIX} ${WORK})
file(MAKE_DIRECTORY ${WORK}/config ${WORK}/data ${WORK}/cache)
must_run("cmake --install" COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIX})

set(DATA ${DATADIR}/kestrane)
must_exist(${BINDIR}/kestrane ${BINDIR}/kestrane-cli
  ${DATA}/Maps/Standard.map ${DATA}/Maps/Standard.geo ${DATA}/Maps/STANDARD.BMP ${DATA}/samples/3-F1901M-movement.txt ${DATA}/docs/index.html
  ${DATADIR}/applications/org.kestrane.Kestrane.desktop ${DATADIR}/mime/packages/kestrane.xml
  ${DATADIR}/metainfo/org.kestrane.Kestrane.metainfo.xml
  ${MANDIR}/man1/kestrane-cli.1 ${MANDIR}/man1/kestrane.1
  ${DATADIR}/bash-completion/completions/kestrane-cli
  ${DATADIR}/icons/hicolor/48x48/apps/kestrane.png ${DATADIR}/icons/hicolor/scalable/apps/kestrane.svg)

# No stored settings, no maps in the current folder: the data can only come
# from the installation. A map only the installation holds proves it.
set(ENV{XDG_CONFIG_HOME} ${WORK}/config)
set(ENV{XDG_DATA_HOME} ${WORK}/data)
set(ENV{XDG_CACHE_HOME} ${WORK}/cache)
set(ENV{QT_QPA_PLATFORM} offscreen)
file(COPY_FILE ${PREFIX}/${DATA}/Maps/Standard.map ${PREFIX}/${DATA}/Maps/InstalledOnly.map)
set(CLI ${PREFIX}/${BINDIR}/kestrane-cli)
must_run("new from the installed board" COMMAND ${CLI} new InstalledOnly installed.kes)

# The user's own map beside the installed ones.
file(MAKE_DIRECTORY ${WORK}/data/kestrane/Maps)
file(COPY_FILE ${PREFIX}/${DATA}/Maps/Standard.map ${WORK}/data/kestrane/Maps/Mine.map)
file(COPY_FILE ${PREFIX}/${DATA}/Maps/STANDARD.BMP ${WORK}/data/kestrane/Maps/STANDARD.BMP)
file(REMOVE ${PREFIX}/${DATA}/Maps/InstalledOnly.map)
must_run("new from the user's own map" COMMAND ${CLI} new Mine mine.kes)

# The sample year, imported from one mailbox of the installed samples.
must_run("new" COMMAND ${CLI} new Standard kestrel.kes)
file(GLOB samples ${PREFIX}/${DATA}/samples/*.txt)
list(SORT samples)
set(mailbox "")
foreach(sample IN LISTS samples)
  file(READ ${sample} text)
  string(APPEND mailbox "${text}\n")
endforeach()
file(WRITE ${WORK}/judge.mbox "${mailbox}")
must_run("import --batch" COMMAND ${CLI} import --batch kestrel.kes judge.mbox)
must_run("seasons" COMMAND ${CLI} seasons kestrel.kes OUTPUT seasons)
must_contain("seasons" "${seasons}" "S1900M\t" "S1901M\t" "F1901M\t" "F1901R\t" "F1901B\t")
must_run("render" COMMAND ${CLI} render kestrel.kes F1901M -o f1901m.png --centres --initials)
file(SIZE ${WORK}/f1901m.png png)
if(png LESS 5000)
  message(FATAL_ERROR "The rendered map is too small to be the board (${png} bytes)")
endif()
must_run("history" COMMAND ${CLI} history kestrel.kes OUTPUT history)
must_contain("history" "${history}" "season,AUSTRIA,ENGLAND,FRANCE,GERMANY,ITALY,RUSSIA,TURKEY" "F1901R,")
must_run("--version" COMMAND ${CLI} --version OUTPUT version)
must_contain("--version" "${version}" "kestrane-cli ")

# The desktop program opens the game offscreen and pictures its window.
set(KESTRANE ${PREFIX}/${BINDIR}/kestrane)
must_run("kestrane --help" COMMAND ${KESTRANE} --help OUTPUT help)
must_contain("kestrane --help" "${help}" "usage: kestrane" "-nosplash")
file(MAKE_DIRECTORY ${WORK}/home)
set(ENV{HOME} ${WORK}/home)
must_run("kestrane offscreen" COMMAND ${KESTRANE} -nosplash -screenshot ${WORK}/shot.png ${WORK}/kestrel.kes)
if(NOT EXISTS ${WORK}/shot.png)
  message(FATAL_ERROR "The installed desktop program wrote no picture of its window")
endif()

# The manual pages and the completion know every command.
file(READ ${PREFIX}/${MANDIR}/man1/kestrane-cli.1 man)
must_contain("kestrane-cli.1" "${man}" ".TH KESTRANE\\-CLI 1" ".SS new" ".SS import" ".SS render" ".SS history"
  "\\-\\-install\\-dir")
find_program(BASH bash)
if(BASH)
  # A script of its own: the semicolons would split a CMake argument.
  file(WRITE ${WORK}/complete.sh
    "source '${PREFIX}/${DATADIR}/bash-completion/completions/kestrane-cli'\n"
    "COMP_WORDS=(kestrane-cli ren)\nCOMP_CWORD=1\n_kestrane_cli\necho \"\${COMPREPLY[*]}\"\n"
    "COMP_WORDS=(kestrane-cli render kestrel.kes -o f1901)\nCOMP_CWORD=4\n_kestrane_cli\necho \"\${COMPREPLY[*]}\"\n")
  must_run("completion" COMMAND ${BASH} ${WORK}/complete.sh
    OUTPUT completed)
  must_contain("completion" "${completed}" "render\n" "f1901m.png\n")
endif()

# The desktop entry and the AppStream metadata as the tools check them.
if(DESKTOP_FILE_VALIDATE)
  must_run("desktop-file-validate" COMMAND ${DESKTOP_FILE_VALIDATE}
    ${PREFIX}/${DATADIR}/applications/org.kestrane.Kestrane.desktop)
endif()
if(APPSTREAMCLI)
  must_run("appstreamcli validate" COMMAND ${APPSTREAMCLI} validate --no-net
    ${PREFIX}/${DATADIR}/metainfo/org.kestrane.Kestrane.metainfo.xml)
endif()

file(REMOVE_RECURSE ${PREFIX} ${WORK})
