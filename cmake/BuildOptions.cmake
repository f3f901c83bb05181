# Flags every Tolbrek target links to. Each arithmetic step must be one
# rounded double operation, so contraction into fused multiply-add is off and
# no fast-math flag may ever be added.
add_library(tolbrek_build_options INTERFACE)
if(MSVC)
  # /fp:precise neither contracts nor reorders floating-point operations.
  target_compile_options(tolbrek_build_options INTERFACE /W4 /fp:precise /utf-8)
  if(TOLBREK_WERROR)
    target_compile_options(tolbrek_build_options INTERFACE /WX)
  endif()
  return()
endif()

target_compile_options(tolbrek_build_options INTERFACE
  -Wall -Wextra -Wpedantic -ffp-contract=off -fno-fast-math)
if(TOLBREK_WERROR)
  target_compile_options(tolbrek_build_options INTERFACE -Werror)
endif()
if(TOLBREK_SANITIZE)
  target_compile_options(tolbrek_build_options INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_link_options(tolbrek_build_options INTERFACE -fsanitize=address,undefined)
endif()
if(TOLBREK_FUZZ)
  # Coverage for libFuzzer on everything the fuzz target links.
  target_compile_options(tolbrek_build_options INTERFACE
    -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all)
  target_link_options(tolbrek_build_options INTERFACE -fsanitize=address,undefined)
endif()
