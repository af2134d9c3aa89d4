# SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
# SPDX-License-Identifier: GPL-3.0-or-later
# The release this tree builds: the newest entry of CHANGELOG.md, which must be the
# project's version. Sets
#   FBE_RELEASE_DATE      YYYY-MM-DD of that entry (manual pages, metainfo, Debian changelog)
#   FBE_COPYRIGHT_YEARS   2009-YYYY (--version, the copyright file)
set(FBE_CHANGELOG ${CMAKE_SOURCE_DIR}/CHANGELOG.md)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${FBE_CHANGELOG})
file(STRINGS ${FBE_CHANGELOG} _fbe_heads REGEX "^## ")
list(LENGTH _fbe_heads _fbe_count)
if(_fbe_count EQUAL 0)
  message(FATAL_ERROR "CHANGELOG.md has no entry (## VERSION - YYYY-MM-DD)")
endif()
list(GET _fbe_heads 0 _fbe_newest)
if(NOT _fbe_newest MATCHES "^## ([0-9][0-9.]*) - (([0-9][0-9][0-9][0-9])-[0-9][0-9]-[0-9][0-9])$")
  message(FATAL_ERROR "CHANGELOG.md: \"${_fbe_newest}\" is not \"## VERSION - YYYY-MM-DD\"")
endif()
if(NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
  message(FATAL_ERROR "CHANGELOG.md's newest entry is ${CMAKE_MATCH_1}, the project's version "
                      "${PROJECT_VERSION}: add the entry for ${PROJECT_VERSION}")
endif()
set(FBE_RELEASE_DATE ${CMAKE_MATCH_2})
set(FBE_COPYRIGHT_YEARS 2009-${CMAKE_MATCH_3})
