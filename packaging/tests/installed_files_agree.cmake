# The installed files name one another: the desktop entry names the program,
# its window class and the icon, the metainfo names the desktop entry and the
# program. A rename on one side only leaves a launcher without an icon or a
# software centre entry that opens nothing; neither validator sees that. And
# a new project version needs its own entry among the metainfo's releases.
#   cmake -DSTAGE=... -DBINDIR=... -DDATADIR=... -DAPP_ID=... -DVERSION=...
#         -P installed_files_agree.cmake
include(${CMAKE_CURRENT_LIST_DIR}/../PngSize.cmake)

set(faults "")
macro(fault text)
  string(APPEND faults "\n  ${text}")
endmacro()

set(share ${STAGE}/${DATADIR})
set(desktop ${share}/applications/${APP_ID}.desktop)
set(metainfo ${share}/metainfo/${APP_ID}.metainfo.xml)
foreach(file IN ITEMS ${desktop} ${metainfo} ${share}/doc/stereona/copyright)
  if(NOT EXISTS ${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()

# The keys of the [Desktop Entry] group, untranslated.
file(STRINGS ${desktop} lines ENCODING UTF-8)
set(group "")
foreach(line IN LISTS lines)
  if(line MATCHES "^\\[(.*)\\]$")
    set(group "${CMAKE_MATCH_1}")
  elseif(group STREQUAL "Desktop Entry" AND line MATCHES "^([A-Za-z0-9-]+)=(.*)$")
    set(entry_${CMAKE_MATCH_1} "${CMAKE_MATCH_2}")
  endif()
endforeach()

string(REGEX MATCH "^[^ ]+" program "${entry_Exec}")
set(binary ${STAGE}/${BINDIR}/${program})
execute_process(COMMAND test -f ${binary} -a -x ${binary} RESULT_VARIABLE not_executable)
if(program STREQUAL "" OR not_executable)
  fault("Exec=${entry_Exec}: no program ${binary}")
endif()
# Qt names the window's class after the program file.
if(NOT entry_StartupWMClass STREQUAL program)
  fault("StartupWMClass=${entry_StartupWMClass}, but the window's class is ${program}")
endif()

set(icon_png ${share}/icons/hicolor/32x32/apps/${entry_Icon}.png)
set(icon_svg ${share}/icons/hicolor/scalable/apps/${entry_Icon}.svg)
if(entry_Icon STREQUAL "" OR NOT EXISTS ${icon_png})
  fault("Icon=${entry_Icon}: no ${icon_png}")
else()
  stereona_png_size(${icon_png} width height)
  if(NOT width EQUAL 32 OR NOT height EQUAL 32)
    fault("${icon_png} is ${width} x ${height}, not 32 x 32")
  endif()
endif()
if(entry_Icon STREQUAL "" OR NOT EXISTS ${icon_svg})
  fault("Icon=${entry_Icon}: no ${icon_svg}")
endif()

file(READ ${metainfo} xml)
string(REGEX MATCH "<id>([^<]*)</id>" _ "${xml}")
if(NOT CMAKE_MATCH_1 STREQUAL APP_ID)
  fault("metainfo id '${CMAKE_MATCH_1}' is not ${APP_ID}")
endif()
string(REGEX MATCH "<launchable type=\"desktop-id\">([^<]*)</launchable>" _ "${xml}")
if(CMAKE_MATCH_1 STREQUAL "" OR NOT EXISTS ${share}/applications/${CMAKE_MATCH_1})
  fault("metainfo launches '${CMAKE_MATCH_1}', which is not installed")
endif()
string(REGEX MATCH "<binary>([^<]*)</binary>" _ "${xml}")
if(NOT CMAKE_MATCH_1 STREQUAL program)
  fault("metainfo provides binary '${CMAKE_MATCH_1}', the desktop entry runs '${program}'")
endif()
string(REGEX MATCH "<release version=\"([^\"]*)\"" _ "${xml}")
if(NOT CMAKE_MATCH_1 STREQUAL VERSION)
  fault("metainfo's latest release is '${CMAKE_MATCH_1}', the project is ${VERSION}: add a release")
endif()

if(faults)
  message(FATAL_ERROR "the installed files disagree:${faults}")
endif()
