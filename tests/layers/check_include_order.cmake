# cmake -DSOURCE_DIR=... -DMODULES=util,imaging,... [-DSOURCE_KINDS=file]
#       -P check_include_order.cmake
#
# Fails when a source under src/<module>/ includes "other/..." where other is
# a module after its own in MODULES, or no module at all. The sources directly
# in src/ are the top of the program and may include any module.
#
# SOURCE_KINDS lists "logic <module>/<file>" and "ui <module>/<file>" for the
# sources of the logic and the widget libraries, and "widget <QClass>" for
# the Qt Widgets class headers. A logic source then also fails on a widget
# header: <QtWidgets/...>, <QClass> of Qt Widgets, a header of a widget
# library, or a window's (form1.h, form_qsl.h, frm_help.h ...).
cmake_minimum_required(VERSION 3.25)
string(REPLACE "," ";" modules "${MODULES}")
set(logic "")
set(ui "")
set(widget "")
if(SOURCE_KINDS)
  file(STRINGS ${SOURCE_KINDS} kinds)
  foreach(entry ${kinds})
    if(entry MATCHES "^(logic|ui|widget) (.+)$")
      list(APPEND ${CMAKE_MATCH_1} ${CMAKE_MATCH_2})
    endif()
  endforeach()
endif()
file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR}/src ${SOURCE_DIR}/src/*.h ${SOURCE_DIR}/src/*.cpp)
list(FILTER sources INCLUDE REGEX "/")
list(SORT sources)
set(faults 0)
set(unknown "")
foreach(source ${sources})
  string(REGEX REPLACE "/.*" "" module "${source}")
  list(FIND modules ${module} rank)
  if(rank LESS 0)
    if(NOT module IN_LIST unknown)
      list(APPEND unknown ${module})
      message(SEND_ERROR "src/${module}/ is not in QUIVEREL_MODULES: add it in its place in the order")
      math(EXPR faults "${faults} + 1")
    endif()
    continue()
  endif()
  file(STRINGS ${SOURCE_DIR}/src/${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"[^\"/]+/")
  foreach(line ${includes})
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"/]+)/.*" "\\1" used "${line}")
    list(FIND modules ${used} used_rank)
    if(used_rank LESS 0)
      message(SEND_ERROR "src/${source}: ${line} is not a header of a module")
      math(EXPR faults "${faults} + 1")
    elseif(used_rank GREATER rank)
      message(SEND_ERROR "src/${source}: ${line} reaches up from ${module} to ${used}")
      math(EXPR faults "${faults} + 1")
    endif()
  endforeach()
  if(source IN_LIST logic)
    file(STRINGS ${SOURCE_DIR}/src/${source} all_includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
    foreach(line ${all_includes})
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*[<\"]([^>\"]*)[>\"].*" "\\1" header "${line}")
      if(header MATCHES "^QtWidgets(/|$)" OR header IN_LIST widget OR header IN_LIST ui
         OR header MATCHES "^[^/]+/(form|frm)[0-9_][^/]*\\.h$")
        message(SEND_ERROR "src/${source}: ${line} is a widget header in a logic source: "
                           "move the code that needs it into the module's _ui library")
        math(EXPR faults "${faults} + 1")
      endif()
    endforeach()
  endif()
endforeach()
list(LENGTH sources count)
if(faults GREATER 0)
  message(FATAL_ERROR "${faults} fault(s) against the module order")
endif()
message(STATUS "${count} sources follow the module order ${MODULES}")
