# SPDX-License-Identifier: GPL-3.0-or-later
# CPack post-build step for the debug symbols package fbe-dbgsym (*.ddeb). CPack 3.25 writes
# its md5sums with the absolute paths of its staging folder and gives it no documentation;
# this rebuilds it as Debian's own dbgsym packages are: md5sums of the paths in the package,
# the .debug files not executable, /usr/share/doc/fbe-dbgsym a link to fbe's folder (whose
# copyright and changelog cover it, fbe-dbgsym depending on that very fbe version).
# The contents and the control fields stay as CPack made them; SOURCE_DATE_EPOCH keeps the
# rebuilt archive reproducible.
find_program(_dpkg_deb dpkg-deb REQUIRED)
foreach(_package IN LISTS CPACK_PACKAGE_FILES)
  if(NOT _package MATCHES "\\.ddeb$")
    continue()
  endif()
  set(_tree ${CPACK_TOPLEVEL_DIRECTORY}/dbgsym-tree)
  file(REMOVE_RECURSE ${_tree})
  execute_process(COMMAND ${_dpkg_deb} --raw-extract ${_package} ${_tree}
                  COMMAND_ERROR_IS_FATAL ANY)
  file(GLOB_RECURSE _files LIST_DIRECTORIES false RELATIVE ${_tree} ${_tree}/usr/*)
  list(SORT _files)
  set(_sums "")
  foreach(_file IN LISTS _files)
    file(MD5 ${_tree}/${_file} _md5)
    string(APPEND _sums "${_md5}  ${_file}\n")
    file(CHMOD ${_tree}/${_file} PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
  endforeach()
  file(WRITE ${_tree}/DEBIAN/md5sums "${_sums}")
  file(MAKE_DIRECTORY ${_tree}/usr/share/doc)
  file(CREATE_LINK fbe ${_tree}/usr/share/doc/fbe-dbgsym SYMBOLIC)
  file(REMOVE ${_package})
  execute_process(COMMAND ${_dpkg_deb} --root-owner-group -Z${CPACK_DEBIAN_COMPRESSION_TYPE}
                          --build ${_tree} ${_package}
                  OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
  file(REMOVE_RECURSE ${_tree})
endforeach()
