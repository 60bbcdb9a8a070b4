# SPDX-License-Identifier: GPL-3.0-or-later
# ASan + UBSan for the whole build (tests included) when MORVINT_SANITIZE is on.
if(MORVINT_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()
