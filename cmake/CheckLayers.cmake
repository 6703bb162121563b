# The layer check: every #include "folder/Header.h" of a source file must point down.
#   core:  base < refdata < calendar < chart < numerology < generation; a core file includes
#          core headers of its own layer or below, never a window header;
#   cli:   core headers only;
#   GUI:   a window file of folder F includes core headers of F's layer or below, window
#          headers of F or of a lower folder, and the shared window helpers of app (the GUI
#          kit); app's frame files include anything.
# Run as: cmake -DSOURCE_DIR=<src> -DCORE_FILES=<list> -DGUI_FILES=<list> -DCLI_FILES=<list>
#         -DGUI_KIT=<list> -P CheckLayers.cmake
# with the files relative to SOURCE_DIR, each list joined by "|". Fails with the list of the
# includes that point up.
cmake_minimum_required(VERSION 3.25)

# The lists arrive joined by "|" (a ";" would split the command line).
foreach(_list IN ITEMS CORE_FILES GUI_FILES CLI_FILES GUI_KIT)
  string(REPLACE "|" ";" ${_list} "${${_list}}")
endforeach()

set(_ranks base 0 refdata 1 calendar 2 chart 3 numerology 4 generation 5 app 6 cli 6)
function(_rank folder out)
  list(FIND _ranks ${folder} _at)
  if(_at EQUAL -1)
    set(${out} "" PARENT_SCOPE)
  else()
    math(EXPR _at "${_at} + 1")
    list(GET _ranks ${_at} _r)
    set(${out} ${_r} PARENT_SCOPE)
  endif()
endfunction()

set(_violations "")
foreach(kind IN ITEMS CORE GUI CLI)
  foreach(file IN LISTS ${kind}_FILES)
    string(REGEX MATCH "^[^/]+" folder "${file}")
    _rank(${folder} own)
    if(own STREQUAL "" OR NOT EXISTS "${SOURCE_DIR}/${file}")
      continue()
    endif()
    file(STRINGS "${SOURCE_DIR}/${file}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
    foreach(line IN LISTS lines)
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]+)\".*" "\\1" header "${line}")
      string(REGEX MATCH "^[^/]+" target "${header}")
      _rank("${target}" rank)
      if(rank STREQUAL "" OR header STREQUAL file)
        continue()
      endif()
      # A header is a window header when it or its .cpp belongs to the GUI.
      string(REGEX REPLACE "\\.h$" ".cpp" source "${header}")
      list(FIND GUI_FILES "${header}" gui_header)
      list(FIND GUI_FILES "${source}" gui_source)
      if(gui_header EQUAL -1 AND gui_source EQUAL -1)
        set(core_header 0)
      else()
        set(core_header -1)
      endif()
      set(bad FALSE)
      if(kind STREQUAL "CORE")
        if(core_header EQUAL -1 OR rank GREATER own)
          set(bad TRUE)
        endif()
      elseif(kind STREQUAL "CLI")
        if(core_header EQUAL -1 AND NOT target STREQUAL "cli")
          set(bad TRUE)
        endif()
      elseif(NOT folder STREQUAL "app")
        list(FIND GUI_KIT "${header}" kit)
        if(core_header EQUAL -1 AND kit EQUAL -1 AND NOT target STREQUAL folder
           AND NOT rank LESS own)
          set(bad TRUE)
        elseif(NOT core_header EQUAL -1 AND rank GREATER own)
          set(bad TRUE)
        endif()
      endif()
      if(bad)
        list(APPEND _violations "${file} includes ${header}")
      endif()
    endforeach()
  endforeach()
endforeach()

if(_violations)
  list(JOIN _violations "\n  " text)
  message(FATAL_ERROR "includes that point up a layer:\n  ${text}")
endif()
