# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a translation source has a message left unfinished or kept for a text the program
# no longer has. usage: cmake -DTS=file.ts [-DTS=...] -P check_ts.cmake
foreach(ts IN LISTS TS)
  file(STRINGS ${ts} lines)
  set(source "")
  foreach(line IN LISTS lines)
    if(line MATCHES "<source>(.*)</source>")
      set(source "${CMAKE_MATCH_1}")
    elseif(line MATCHES "<translation type=\"(unfinished|obsolete|vanished)\"")
      message(SEND_ERROR "${ts}: ${CMAKE_MATCH_1} translation of \"${source}\"")
    elseif(line MATCHES "<translation></translation>")
      message(SEND_ERROR "${ts}: empty translation of \"${source}\"")
    endif()
  endforeach()
endforeach()
