# Warnings every target of the project gets; third-party code does not.
add_library(mirel_warnings INTERFACE)
target_compile_options(mirel_warnings INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion
  $<$<CXX_COMPILER_ID:GNU>:-Wno-missing-field-initializers>)
