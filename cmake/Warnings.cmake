# Every target of the project links this interface target for its warnings.
add_library(morvint_warnings INTERFACE)
target_compile_options(morvint_warnings INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Woverloaded-virtual
  $<$<BOOL:${MORVINT_WERROR}>:-Werror>)
