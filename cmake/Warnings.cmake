# SPDX-License-Identifier: GPL-3.0-or-later
# Every target of the project links this interface target for its warnings.
# -Wswitch-enum: a switch over an enum names every value, default: or not, so that a new value is reported
# wherever it must be handled; switches over Qt's or SQLite's large sets of codes are written as ifs or switch
# over an int.
add_library(morvint_warnings INTERFACE)
target_compile_options(morvint_warnings INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Woverloaded-virtual -Wswitch-enum
  $<$<BOOL:${MORVINT_WERROR}>:-Werror>)
