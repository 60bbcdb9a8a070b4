# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command with SOURCE_DATE_EPOCH set to the moment of the commit built, which the build writes into a
# file at every build (cmake/WriteVersion.cmake). A build-time command does not see the environment of the
# configure step, and the moment changes with every commit without a new configure, so it is read here.
#
#   cmake -DMORVINT_EPOCH_FILE=<file> -P RunWithSourceDate.cmake <command> [arguments...]
file(STRINGS "${MORVINT_EPOCH_FILE}" epoch LIMIT_COUNT 1)
if(NOT epoch MATCHES "^[0-9]+$")
  message(FATAL_ERROR "${MORVINT_EPOCH_FILE} holds no time: ${epoch}")
endif()
set(ENV{SOURCE_DATE_EPOCH} "${epoch}")
# The words after the script's name are the command.
set(command "")
set(script_seen FALSE)
math(EXPR last "${CMAKE_ARGC} - 1")
foreach(i RANGE 1 ${last})
  if(script_seen)
    list(APPEND command "${CMAKE_ARGV${i}}")
  elseif(CMAKE_ARGV${i} MATCHES "RunWithSourceDate\\.cmake$")
    set(script_seen TRUE)
  endif()
endforeach()
execute_process(COMMAND ${command} COMMAND_ERROR_IS_FATAL ANY)
