# Every subsystem folder of src/ is one static library built from the .cpp files
# beside its CMakeLists.txt (QtCore/QtGui only); the files of its gui/ subfolder,
# if any, make a second library that may use QtWidgets. The aggregates
# tolvane_core and tolvane_gui collect them for the executables and the tests.

set(TOLVANE_WARNINGS -Wall -Wextra -Wpedantic)

define_property(GLOBAL PROPERTY TOLVANE_CORE_MODULES BRIEF_DOCS "core modules" FULL_DOCS "core modules")
define_property(GLOBAL PROPERTY TOLVANE_GUI_MODULES BRIEF_DOCS "gui modules" FULL_DOCS "gui modules")
define_property(GLOBAL PROPERTY TOLVANE_MODULE_DEPENDS BRIEF_DOCS "declared dependencies" FULL_DOCS "declared dependencies")

# tolvane_module(NAME DEPENDS other modules... [GUI_DEPENDS other gui modules...])
function(tolvane_module name)
  cmake_parse_arguments(ARG "" "" "DEPENDS;GUI_DEPENDS" ${ARGN})
  file(GLOB core_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h
       ${CMAKE_CURRENT_SOURCE_DIR}/*.qrc)
  set(core_target tolvane_${name})
  add_library(${core_target} STATIC ${core_sources})
  target_include_directories(${core_target} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_compile_options(${core_target} PRIVATE ${TOLVANE_WARNINGS})
  target_link_libraries(${core_target} PUBLIC Qt6::Core Qt6::Gui)
  foreach(dep IN LISTS ARG_DEPENDS)
    target_link_libraries(${core_target} PUBLIC tolvane_${dep})
  endforeach()
  set_property(GLOBAL APPEND PROPERTY TOLVANE_CORE_MODULES ${core_target})
  # name=dep,dep... for the check that the declared dependencies are the
  # included ones (tests/CMakeLists.txt).
  string(REPLACE ";" "," deps_text "${ARG_DEPENDS}")
  set_property(GLOBAL APPEND PROPERTY TOLVANE_MODULE_DEPENDS "${name}=${deps_text}")

  file(GLOB gui_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/gui/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/gui/*.h
       ${CMAKE_CURRENT_SOURCE_DIR}/gui/*.qrc)
  if(gui_sources)
    set(gui_target tolvane_${name}_gui)
    add_library(${gui_target} STATIC ${gui_sources})
    target_include_directories(${gui_target} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_compile_options(${gui_target} PRIVATE ${TOLVANE_WARNINGS})
    target_link_libraries(${gui_target} PUBLIC ${core_target} Qt6::Widgets Qt6::PrintSupport Qt6::Svg)
    foreach(dep IN LISTS ARG_GUI_DEPENDS)
      target_link_libraries(${gui_target} PUBLIC tolvane_${dep}_gui)
    endforeach()
    set_property(GLOBAL APPEND PROPERTY TOLVANE_GUI_MODULES ${gui_target})
  endif()
endfunction()

# tolvane_tests(NAME [LIBS targets...] [GUI_LIBS targets...]): the GoogleTest
# executable test_NAME from the .cpp files of the current tests folder, linked
# with the core test support only (no QtWidgets); when the folder has a gui/
# subfolder, a second executable test_NAME_gui from its files, linked with the
# gui test support, LIBS and GUI_LIBS. Every test is registered with CTest and
# runs on the offscreen platform.
function(tolvane_tests name)
  cmake_parse_arguments(ARG "" "" "LIBS;GUI_LIBS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  set(target test_${name})
  add_executable(${target} ${sources})
  target_compile_options(${target} PRIVATE ${TOLVANE_WARNINGS})
  target_link_libraries(${target} PRIVATE tolvane_test_support ${ARG_LIBS})
  gtest_discover_tests(${target}
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
    DISCOVERY_TIMEOUT 60)

  file(GLOB gui_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/gui/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/gui/*.h)
  if(gui_sources)
    set(gui_target test_${name}_gui)
    add_executable(${gui_target} ${gui_sources})
    target_include_directories(${gui_target} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
    target_compile_options(${gui_target} PRIVATE ${TOLVANE_WARNINGS})
    target_link_libraries(${gui_target} PRIVATE tolvane_test_support_gui ${ARG_LIBS} ${ARG_GUI_LIBS})
    gtest_discover_tests(${gui_target}
      PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
      DISCOVERY_TIMEOUT 60)
  endif()
endfunction()
