# zova_utf8_manifest(target): on Windows, the program runs with UTF-8 as its code page (cmake/windows/).
# MSVC merges a .manifest source into the one its linker writes; MinGW takes it as a resource.
function(zova_utf8_manifest target)
  if(MSVC)
    target_sources(${target} PRIVATE ${PROJECT_SOURCE_DIR}/cmake/windows/utf8.manifest)
  elseif(WIN32)
    target_sources(${target} PRIVATE ${PROJECT_SOURCE_DIR}/cmake/windows/utf8.rc)
  endif()
endfunction()
