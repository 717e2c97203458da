# Installs the build BUILD_DIR into the empty prefix PREFIX, checks that every
# file is in its place, then runs the installed tolvane-cli on an installed
# example from outside the build: it must give what the build's own tool
# (BUILD_CLI) gives on the same document.
#   cmake -DBUILD_DIR=... -DSOURCE_DIR=... -DPREFIX=... -DBUILD_CLI=... -DDATADIR=share -DBINDIR=bin -P CheckInstall.cmake

function(echec message)
  message(FATAL_ERROR "Installation : ${message}")
endfunction()

file(REMOVE_RECURSE ${PREFIX})
# A DESTDIR of the caller's environment would stage the files elsewhere.
unset(ENV{DESTDIR})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
  RESULT_VARIABLE status OUTPUT_VARIABLE sortie ERROR_VARIABLE erreurs)
if(NOT status EQUAL 0)
  echec("cmake --install a échoué (${status}) :\n${sortie}\n${erreurs}")
endif()

set(data ${PREFIX}/${DATADIR}/tolvane)
set(expected
  ${BINDIR}/tolvane ${BINDIR}/tolvane-cli
  ${DATADIR}/tolvane/Tolvanedefaut.txt
  ${DATADIR}/tolvane/examples/eglise-contreforts.Tolvane
  ${DATADIR}/tolvane/examples/exemple-combinaisons.Tolvane
  ${DATADIR}/applications/tolvane.desktop
  ${DATADIR}/mime/packages/tolvane.xml
  ${DATADIR}/icons/hicolor/scalable/apps/tolvane.svg)
foreach(size 16 22 24 32 48 64 128 256)
  list(APPEND expected ${DATADIR}/icons/hicolor/${size}x${size}/apps/tolvane.png)
endforeach()
if(EXISTS ${SOURCE_DIR}/data/textesndc.txt)
  list(APPEND expected ${DATADIR}/tolvane/textesndc.txt)
endif()
foreach(file IN LISTS expected)
  if(NOT EXISTS ${PREFIX}/${file})
    echec("${file} n'est pas installé dans ${PREFIX}")
  endif()
endforeach()
# Data files live in share/: the executables must find them there, not beside them.
file(GLOB bin_files RELATIVE ${PREFIX}/${BINDIR} ${PREFIX}/${BINDIR}/*)
list(SORT bin_files)
if(NOT bin_files STREQUAL "tolvane;tolvane-cli")
  echec("bin/ ne doit contenir que les deux exécutables : ${bin_files}")
endif()

# The installed tool, run from the prefix on the installed example, gives what
# the build's tool gives on the example of the sources.
foreach(option "" "--json")
  execute_process(COMMAND ${PREFIX}/${BINDIR}/tolvane-cli calculer ${data}/examples/eglise-contreforts.Tolvane ${option}
    WORKING_DIRECTORY ${PREFIX} RESULT_VARIABLE installe OUTPUT_VARIABLE sortie_installee ERROR_VARIABLE erreurs)
  execute_process(COMMAND ${BUILD_CLI} calculer ${SOURCE_DIR}/examples/eglise-contreforts.Tolvane ${option}
    RESULT_VARIABLE construit OUTPUT_VARIABLE sortie_construite)
  # The JSON names the document: each its own.
  string(REPLACE "${data}/examples/" "" sortie_installee "${sortie_installee}")
  string(REPLACE "${SOURCE_DIR}/examples/" "" sortie_construite "${sortie_construite}")
  if(installe GREATER 1 OR NOT installe EQUAL construit)
    echec("tolvane-cli installé : statut ${installe} (${construit} attendu)\n${sortie_installee}\n${erreurs}")
  endif()
  if(sortie_installee STREQUAL "" OR NOT sortie_installee STREQUAL sortie_construite)
    echec("tolvane-cli installé ne donne pas le résultat attendu :\n${sortie_installee}\nattendu :\n${sortie_construite}")
  endif()
endforeach()

find_program(VALIDATE desktop-file-validate)
if(VALIDATE)
  execute_process(COMMAND ${VALIDATE} ${PREFIX}/${DATADIR}/applications/tolvane.desktop
    RESULT_VARIABLE status OUTPUT_VARIABLE sortie ERROR_VARIABLE erreurs)
  if(NOT status EQUAL 0 OR NOT "${sortie}${erreurs}" STREQUAL "")
    echec("desktop-file-validate refuse tolvane.desktop :\n${sortie}${erreurs}")
  endif()
else()
  message(STATUS "desktop-file-validate absent (paquet desktop-file-utils) : entrée de menu non validée")
endif()

# The install ran update-mime-database: the desktop now knows the document
# type, whatever the letter case of the extension.
find_program(UPDATE_MIME update-mime-database)
if(UPDATE_MIME)
  file(STRINGS ${PREFIX}/${DATADIR}/mime/globs2 globs REGEX "application/x-tolvane")
  if(NOT globs MATCHES "application/x-tolvane:\\*\\.tolvane")
    echec("le type application/x-tolvane n'est pas enregistré pour *.tolvane : ${globs}")
  endif()
  if(globs MATCHES ":cs")
    echec("le motif *.tolvane ne doit pas tenir compte de la casse : ${globs}")
  endif()
endif()

file(REMOVE_RECURSE ${PREFIX})
