# Installs the build into a fresh folder, as a package build would.
#   cmake -DBUILD_DIR=... -DSTAGE=... -DCONFIG=... -P stage_install.cmake
file(REMOVE_RECURSE "${STAGE}")
execute_process(
  COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${STAGE}" --config "${CONFIG}"
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
