# Checks every include of the project's folders against the layers of Layers.cmake
# and fails, naming the including file and the included one, on an include that
# crosses them.
#
#   cmake -DROOT=<project folder> [-DSTAMP=<file>] -P tools/cmake/CheckLayers.cmake
#
# Includes name project files by their path from the root ("model/CQuorvelle.h"); an
# include in a checked folder that names no folder of the project by such a path is
# refused as well, so that no include escapes the check. STAMP is touched when all
# is well.
cmake_minimum_required(VERSION 3.25)

if(NOT ROOT)
  message(FATAL_ERROR "CheckLayers.cmake needs -DROOT=<project folder>")
endif()
include(${CMAKE_CURRENT_LIST_DIR}/Layers.cmake)

set(checked ${QV_LAYERS} ${QV_SEAMS} sim tools)
foreach(layer ${QV_LAYERS})
  set(allowed_${layer} ${layer} ${QV_USES_${layer}} ${QV_SEAMS})
endforeach()
foreach(folder ${QV_SEAMS} sim tools)
  set(allowed_${folder} ${folder} ${QV_USES_${folder}})
endforeach()

set(problems "")

# A folder of sources with no place in the layers would be outside every check.
file(GLOB top_entries RELATIVE ${ROOT} ${ROOT}/*)
foreach(entry ${top_entries})
  if(NOT IS_DIRECTORY ${ROOT}/${entry} OR entry MATCHES "^(\\.|build|out)")
    continue()
  endif()
  if(entry IN_LIST checked OR entry IN_LIST QV_FREE_FOLDERS)
    continue()
  endif()
  file(GLOB_RECURSE stray LIST_DIRECTORIES false ${ROOT}/${entry}/*.h ${ROOT}/${entry}/*.cpp)
  if(stray)
    string(APPEND problems "  ${entry}/ holds sources but has no place in tools/cmake/Layers.cmake\n")
  endif()
endforeach()

set(project_folders ${checked} ${QV_FREE_FOLDERS})
foreach(folder ${checked})
  if(NOT IS_DIRECTORY ${ROOT}/${folder})
    continue()
  endif()
  list(JOIN allowed_${folder} ", " allowed_text)
  file(GLOB_RECURSE sources RELATIVE ${ROOT} ${ROOT}/${folder}/*.h ${ROOT}/${folder}/*.cpp)
  list(SORT sources)
  foreach(source ${sources})
    file(STRINGS ${ROOT}/${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<]")
    foreach(line ${includes})
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*([\"<])([^\">]*)[\">].*$" "\\1;\\2" parsed "${line}")
      list(GET parsed 0 quote)
      list(GET parsed 1 path)
      string(REGEX MATCH "^[^/]+" first "${path}")
      if(path MATCHES "/" AND first IN_LIST project_folders)
        if(NOT first IN_LIST allowed_${folder})
          string(APPEND problems "  ${source} includes ${path}: ${folder}/ may include only ${allowed_text}\n")
        endif()
      elseif(quote STREQUAL "\"")
        string(APPEND problems "  ${source} includes \"${path}\", which is no path from the project's root\n")
      endif()
    endforeach()
  endforeach()
endforeach()

if(problems)
  message(FATAL_ERROR "Includes that cross the layers (see README, Layout):\n${problems}")
endif()
if(STAMP)
  file(TOUCH ${STAMP})
endif()
