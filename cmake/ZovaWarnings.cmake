# Warning flags for every target of the project.
function(zova_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow)
  if(ZOVA_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
