# Run at install time: the installed headers include each other through brisklet/ ("base/Bytes.h"
# becomes <brisklet/base/Bytes.h>), the way a program includes them with PREFIX/include on its
# path. Given brisklet_header_dir (the installed headers) and brisklet_layers (their folders).
list(JOIN brisklet_layers "|" layers)
file(GLOB_RECURSE headers "${brisklet_header_dir}/*")
foreach(header IN LISTS headers)
  file(READ "${header}" text)
  string(REGEX REPLACE "#include \"((${layers})/[^\"]+)\"" "#include <brisklet/\\1>" rewritten "${text}")
  if(NOT rewritten STREQUAL text)
    file(WRITE "${header}" "${rewritten}")
  endif()
endforeach()
