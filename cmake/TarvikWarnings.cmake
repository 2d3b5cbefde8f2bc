# Warning flags for our own targets, set in one place. Development builds (scripts/build, CI)
# make them errors; a plain build of a release only reports them.
function(tarvik_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
  if(TARVIK_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
