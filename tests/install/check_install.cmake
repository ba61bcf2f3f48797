cmake_minimum_required(VERSION 3.25)
# Installs the build into a fresh prefix and checks what a user gets: the program, its helper, a
# menu entry that starts it with its icon, and nothing of the build besides.
#   cmake -DBUILD=<build folder> -DPREFIX=<empty folder> -DLIBEXEC=<libexec dir> -P check_install.cmake
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD}" --prefix "${PREFIX}"
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${rc}):\n${out}\n${err}")
endif()

set(expected
    bin/VindelV40
    ${LIBEXEC}/vindel/vindel-mdb-import
    share/applications/vindel.desktop)
foreach(size 16 32 48 64 128 256)
  list(APPEND expected share/icons/hicolor/${size}x${size}/apps/vindel.png)
endforeach()
foreach(f ${expected})
  if(NOT EXISTS "${PREFIX}/${f}")
    message(FATAL_ERROR "not installed: ${f}")
  endif()
endforeach()
foreach(f bin/VindelV40 ${LIBEXEC}/vindel/vindel-mdb-import)
  execute_process(COMMAND test -x "${PREFIX}/${f}" RESULT_VARIABLE notExecutable)
  if(notExecutable)
    message(FATAL_ERROR "not executable: ${f}")
  endif()
endforeach()

# Nothing else: no tests, benchmarks or tools, and no build-folder marker (which would make the
# installed program keep its data in /usr/bin).
file(GLOB_RECURSE installed RELATIVE "${PREFIX}" "${PREFIX}/*")
list(SORT installed)
list(SORT expected)
if(NOT installed STREQUAL expected)
  message(FATAL_ERROR "installed files differ:\n  got ${installed}\n  expected ${expected}")
endif()

file(STRINGS "${PREFIX}/share/applications/vindel.desktop" entry)
foreach(line "Type=Application" "Exec=VindelV40" "Icon=vindel" "Name=Pflanzen-Datenbank")
  if(NOT line IN_LIST entry)
    message(FATAL_ERROR "vindel.desktop lacks ${line}")
  endif()
endforeach()
message(STATUS "installed as expected into ${PREFIX}")
file(REMOVE_RECURSE "${PREFIX}")
