cmake_minimum_required(VERSION 3.22)

# cmake -DEXECUTABLE=path -P CheckNoWidgetsLinked.cmake
#
# Fails when the executable loads QtWidgets, directly or through another
# library: the command-line tool must run where no widget library is installed.

if(NOT EXISTS "${EXECUTABLE}")
  message(FATAL_ERROR "No executable ${EXECUTABLE}")
endif()
file(GET_RUNTIME_DEPENDENCIES
  EXECUTABLES "${EXECUTABLE}"
  RESOLVED_DEPENDENCIES_VAR resolved
  UNRESOLVED_DEPENDENCIES_VAR unresolved)
set(widgets "")
foreach(library IN LISTS resolved unresolved)
  get_filename_component(name "${library}" NAME)
  if(name MATCHES "Qt[0-9]*(Widgets|PrintSupport|SvgWidgets|OpenGLWidgets)")
    list(APPEND widgets "${library}")
  endif()
endforeach()
if(widgets)
  list(JOIN widgets "\n  " text)
  message(FATAL_ERROR "${EXECUTABLE} loads widget libraries:\n  ${text}")
endif()
message(STATUS "${EXECUTABLE} loads no widget library")
