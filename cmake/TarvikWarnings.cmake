# Warning flags for our own targets, set in one place; warnings are errors.
function(tarvik_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Werror)
endfunction()
