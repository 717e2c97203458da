cmake_minimum_required(VERSION 3.22)

# cmake -DSCAN_DIRS=dir;... -DQT_INCLUDE_ROOT=dir -P CheckWidgetsIncludes.cmake
#
# Fails when a source file outside a gui/ folder includes a header of a Qt
# module built on QtWidgets: the core libraries, the command-line tool and the
# headless tests must build and run without widgets. The module's header names
# are read from the Qt installation, so a header such as <QMessageBox> is
# caught as well as <QtWidgets/QMessageBox>. Headers that QtGui or QtCore also
# provide (QAction, QShortcut...) are not Widgets headers.

set(widget_modules QtWidgets QtPrintSupport QtSvgWidgets QtOpenGLWidgets)
set(base_modules QtCore QtGui)

set(widget_headers "")
foreach(module IN LISTS widget_modules)
  file(GLOB names RELATIVE ${QT_INCLUDE_ROOT}/${module} ${QT_INCLUDE_ROOT}/${module}/*)
  list(APPEND widget_headers ${names})
endforeach()
set(base_headers "")
foreach(module IN LISTS base_modules)
  file(GLOB names RELATIVE ${QT_INCLUDE_ROOT}/${module} ${QT_INCLUDE_ROOT}/${module}/*)
  list(APPEND base_headers ${names})
endforeach()
list(REMOVE_ITEM widget_headers ${base_headers})
if(NOT widget_headers)
  message(FATAL_ERROR "No QtWidgets header found under ${QT_INCLUDE_ROOT}")
endif()

set(offences "")
foreach(dir IN LISTS SCAN_DIRS)
  file(GLOB_RECURSE sources ${dir}/*.h ${dir}/*.hpp ${dir}/*.cpp)
  foreach(source IN LISTS sources)
    file(RELATIVE_PATH relative ${dir} ${source})
    if(relative MATCHES "(^|/)gui/")
      continue()
    endif()
    file(STRINGS ${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
    foreach(line IN LISTS includes)
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*[<\"]([^>\"]+)[>\"].*$" "\\1" header "${line}")
      string(REGEX MATCH "^[^/]+" first "${header}")
      get_filename_component(name "${header}" NAME)
      if(first IN_LIST widget_modules OR (NOT header MATCHES "/" AND name IN_LIST widget_headers))
        list(APPEND offences "${source}: ${header}")
      endif()
    endforeach()
  endforeach()
endforeach()

if(offences)
  list(JOIN offences "\n  " text)
  message(FATAL_ERROR "Widgets headers outside a gui/ folder:\n  ${text}")
endif()
message(STATUS "No Widgets header outside the gui/ folders")
