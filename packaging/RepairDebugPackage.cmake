# Run by CPack after it made the packages. CPack 3.25 writes the -dbgsym
# package's md5sums with the paths of its staging folder and gives the
# package no documentation folder. Repairs both as debhelper makes such a
# package: sums of the installed paths, and the documentation folder a link
# to the main package's, whose copyright and changelog it shares.
foreach(package IN LISTS CPACK_PACKAGE_FILES)
  if(NOT package MATCHES "-dbgsym_.*\\.ddeb$")
    continue()
  endif()
  set(tree "${CPACK_TOPLEVEL_DIRECTORY}/dbgsym-repair")
  file(REMOVE_RECURSE "${tree}")
  execute_process(COMMAND dpkg-deb --raw-extract "${package}" "${tree}" COMMAND_ERROR_IS_FATAL ANY)

  file(GLOB_RECURSE symbols RELATIVE "${tree}" "${tree}/usr/*")
  set(sums "")
  foreach(symbol IN LISTS symbols)
    file(CHMOD "${tree}/${symbol}" FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
    file(MD5 "${tree}/${symbol}" sum)
    string(APPEND sums "${sum}  ${symbol}\n")
  endforeach()
  file(WRITE "${tree}/DEBIAN/md5sums" "${sums}")

  execute_process(COMMAND dpkg-deb --field "${package}" Package OUTPUT_VARIABLE name
                  OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  string(REGEX REPLACE "-dbgsym$" "" main "${name}")
  file(MAKE_DIRECTORY "${tree}/usr/share/doc")
  file(CREATE_LINK "${main}" "${tree}/usr/share/doc/${name}" SYMBOLIC)

  execute_process(COMMAND dpkg-deb --root-owner-group --build "${tree}" "${package}"
                  OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
  file(REMOVE_RECURSE "${tree}")
endforeach()
