# Build properties shared by the project's targets, as interface targets that
# each target links: no global flags.

# IEEE double evaluation in the order written: no fused multiply-add, no
# reassociation, sqrt as the correctly rounded instruction (no errno path),
# and pow always the library's (the compiler would turn a square into x * x).
# On 32-bit x86, SSE2 arithmetic: the x87 unit would round each step twice.
add_library(dur_fp_strict INTERFACE)
add_library(dur::fp_strict ALIAS dur_fp_strict)
target_compile_options(dur_fp_strict INTERFACE -ffp-contract=off -fno-math-errno -fno-builtin-pow)
if(CMAKE_SYSTEM_PROCESSOR MATCHES "^(i[3-6]86|x86)$")
  target_compile_options(dur_fp_strict INTERFACE -msse2 -mfpmath=sse)
endif()

# Warnings, and the sanitizers of the checking builds: every target of the
# project links this.
add_library(dur_warnings INTERFACE)
add_library(dur::warnings ALIAS dur_warnings)
target_compile_options(dur_warnings INTERFACE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
                       $<$<BOOL:${DUR_WARNINGS_AS_ERRORS}>:-Werror>)
if(DUR_SANITIZE OR DUR_FUZZ)
  set(dur_sanitizers address,undefined)
  target_compile_options(dur_warnings INTERFACE -fsanitize=${dur_sanitizers} -fno-sanitize-recover=all
                         -fno-omit-frame-pointer $<$<BOOL:${DUR_FUZZ}>:-fsanitize=fuzzer-no-link>)
  target_link_options(dur_warnings INTERFACE -fsanitize=${dur_sanitizers})
endif()

# dur_add_plugin(NAME SOURCES ... LINK ... EXPORTS_DEF file EXPORTS_MAP file)
#
# A plug-in is a shared library named after its base name alone (Mirkast.so,
# Mirkast.dll: hosts load it by that name). The .def file lists the plain
# export names for Windows; the version script hides everything else on ELF.
function(dur_add_plugin name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "EXPORTS_DEF;EXPORTS_MAP" "SOURCES;LINK")
  add_library(${name} SHARED ${arg_SOURCES})
  add_library(dur::${name} ALIAS ${name})
  set_target_properties(${name} PROPERTIES PREFIX "" OUTPUT_NAME ${name})
  target_link_libraries(${name} PRIVATE ${arg_LINK} dur::fp_strict dur::warnings)
  if(WIN32)
    target_sources(${name} PRIVATE ${arg_EXPORTS_DEF})
    # One file per plug-in for the user: the compiler's runtime goes inside,
    # so the DLL imports only system libraries.
    target_link_options(${name} PRIVATE -static -static-libgcc -static-libstdc++ -Wl,--enable-stdcall-fixup)
  else()
    set_target_properties(${name} PROPERTIES SUFFIX ".so" LINK_DEPENDS ${arg_EXPORTS_MAP})
    target_link_options(${name} PRIVATE -Wl,--version-script=${arg_EXPORTS_MAP}
                        $<$<NOT:$<BOOL:${DUR_FUZZ}>>:-Wl,--no-undefined>)
  endif()
endfunction()
