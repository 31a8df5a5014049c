# cmake -DSOURCE_DIR=... -DCLANG_FORMAT=... [-DGIT=...] -P check_formatting.cmake
#
# Fails when a C++ source differs from what clang-format makes of it. The
# sources are the tracked ones in a git checkout, otherwise every .cpp and .h
# of the source folders.
cmake_minimum_required(VERSION 3.25)
if(NOT CLANG_FORMAT)
  message(FATAL_ERROR "clang-format was not found; scripts/deps installs it")
endif()

set(listed_by_git FALSE)
if(GIT)
  execute_process(
    COMMAND ${GIT} -c core.quotePath=false ls-files -- "*.cpp" "*.h"
    WORKING_DIRECTORY ${SOURCE_DIR}
    OUTPUT_VARIABLE listed
    RESULT_VARIABLE git_result
    ERROR_QUIET)
  if(git_result EQUAL 0)
    set(listed_by_git TRUE)
    string(REGEX REPLACE "\n$" "" listed "${listed}")
    string(REPLACE "\n" ";" candidates "${listed}")
  endif()
endif()
if(NOT listed_by_git)
  set(candidates "")
  foreach(folder src tests bench converter data)
    file(GLOB_RECURSE found RELATIVE ${SOURCE_DIR}
      ${SOURCE_DIR}/${folder}/*.cpp ${SOURCE_DIR}/${folder}/*.h)
    list(APPEND candidates ${found})
  endforeach()
endif()

# A tracked file deleted in the work tree is not there to check.
set(sources "")
foreach(file ${candidates})
  if(EXISTS ${SOURCE_DIR}/${file})
    list(APPEND sources ${file})
  endif()
endforeach()
list(LENGTH sources count)
if(count EQUAL 0)
  message(FATAL_ERROR "no C++ sources found below ${SOURCE_DIR}")
endif()

execute_process(
  COMMAND ${CLANG_FORMAT} --dry-run -Werror ${sources}
  WORKING_DIRECTORY ${SOURCE_DIR}
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "Sources above differ from .clang-format; clang-format -i them")
endif()
message(STATUS "${count} sources as .clang-format lays them out")
