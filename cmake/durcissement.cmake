# The hardening flags that Debian builds its packages with, from dpkg-buildflags: stack
# protector, format checks, relocations read-only and bound at start, and the fortified
# versions of the C library's functions. The compiler's go into the optimised build types,
# the ones that packages are made of (the fortified functions need the optimiser, and a debug
# build keeps its flags); the linker's into every build. The build type still chooses the
# optimisation and the debugging information. Left out under the sanitizers and libFuzzer,
# whose own checks they would blur.
option(TAVIK_DURCISSEMENT "Build with Debian's hardening flags (dpkg-buildflags)" ON)
find_program(DPKG_BUILDFLAGS dpkg-buildflags)
if(TAVIK_DURCISSEMENT AND DPKG_BUILDFLAGS AND NOT TAVIK_SANITIZE AND NOT TAVIK_FUZZ)
  foreach(genre CPPFLAGS CXXFLAGS LDFLAGS)
    execute_process(
      COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
              ${DPKG_BUILDFLAGS} --get ${genre}
      OUTPUT_VARIABLE drapeaux OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    separate_arguments(drapeaux UNIX_COMMAND "${drapeaux}")
    # The optimisation and debugging levels are the build type's; the prefix map names the
    # folder where cmake happened to run.
    list(FILTER drapeaux EXCLUDE REGEX "^-(g|O[0-9s]?|ffile-prefix-map=.*)$")
    message(STATUS "Hardening ${genre}: ${drapeaux}")
    if(genre STREQUAL "LDFLAGS")
      target_link_options(tavik_options INTERFACE ${drapeaux})
    else()
      list(TRANSFORM drapeaux REPLACE "^(.+)$" "$<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:\\1>")
      target_compile_options(tavik_options INTERFACE ${drapeaux})
    endif()
  endforeach()
endif()
