# Flags every Tolbrek target links to. Each arithmetic step must be one
# rounded double operation, so contraction into fused multiply-add is off and
# no fast-math flag may ever be added.
add_library(tolbrek_build_options INTERFACE)
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

# On Windows, the protections Windows looks for in a program: addresses laid
# out anew at each start, from the whole 64-bit space (with the relocation
# table this needs), and no code run from data. The linker gives them by
# default today; they are named here so that no change of default drops them.
if(MINGW)
  target_link_options(tolbrek_build_options INTERFACE
    LINKER:--dynamicbase,--high-entropy-va,--nxcompat)
endif()

# The same sources give the same bytes wherever and whenever they are
# built: no path of the build machine in an object file (each compiler's
# prefix maps; the build folder comes last, as the more specific where it
# lies inside the sources) and no link time in a Windows program's header.
target_compile_options(tolbrek_build_options INTERFACE
  -ffile-prefix-map=${PROJECT_SOURCE_DIR}=.
  -ffile-prefix-map=${PROJECT_BINARY_DIR}=.)
if(MINGW)
  target_link_options(tolbrek_build_options INTERFACE LINKER:--no-insert-timestamp)
endif()

# Every Windows target: Windows 10 and later (per-monitor resolution,
# GetDpiForWindow), and UNICODE, so that the generic names of the Windows
# headers (windowsx.h's among them) are the wide calls.
if(WIN32)
  target_compile_definitions(tolbrek_build_options INTERFACE
    _WIN32_WINNT=0x0A00 WINVER=0x0A00 UNICODE _UNICODE)
endif()

# The protections every Debian package gets, for what Tolbrek ships: Linux
# builds that run without sanitizers. None of them touches floating-point
# code generation.
if(NOT CMAKE_SYSTEM_NAME STREQUAL "Linux" OR TOLBREK_SANITIZE OR TOLBREK_FUZZ)
  return()
endif()
include(CheckCXXCompilerFlag)
include(CheckPIESupported)
check_pie_supported(LANGUAGES CXX)
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
target_compile_options(tolbrek_build_options INTERFACE -fstack-protector-strong)
# Not every target has these two (-fcf-protection is x86 only).
foreach(flag -fstack-clash-protection -fcf-protection)
  string(MAKE_C_IDENTIFIER "TOLBREK_HAS${flag}" tolbrek_supported)
  check_cxx_compiler_flag(${flag} ${tolbrek_supported})
  if(${tolbrek_supported})
    target_compile_options(tolbrek_build_options INTERFACE ${flag})
  endif()
endforeach()
# The C library fortifies its calls only in optimised code and warns
# otherwise, so a Debug build goes without. A toolchain that defines the
# macro itself would warn about a second definition: undefine it first.
set(tolbrek_optimised "$<CONFIG:Release,RelWithDebInfo,MinSizeRel>")
target_compile_options(tolbrek_build_options INTERFACE
  "$<${tolbrek_optimised}:-U_FORTIFY_SOURCE>" "$<${tolbrek_optimised}:-D_FORTIFY_SOURCE=2>")
target_link_options(tolbrek_build_options INTERFACE LINKER:-z,relro,-z,now)
