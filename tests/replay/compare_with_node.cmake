# SPDX-FileCopyrightText: 2026 The Quibbet developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs one script through the native quibbet-replay and through the WebAssembly one under Node;
# both must write the same bytes to standard output and to standard error and exit alike.
#   cmake -DNATIVE=... -DNODE=... -DWEB=... -DSCRIPT=... -DOUT=<prefix> -P
foreach(side native web)
  if(side STREQUAL native)
    set(command ${NATIVE})
  else()
    set(command ${NODE} ${WEB})
  endif()
  execute_process(COMMAND ${command} INPUT_FILE ${SCRIPT} OUTPUT_FILE ${OUT}.${side}.out
                  ERROR_FILE ${OUT}.${side}.err RESULT_VARIABLE ${side}_status)
endforeach()
if(NOT native_status STREQUAL web_status)
  message(FATAL_ERROR "exit status: native ${native_status}, Node ${web_status}")
endif()
foreach(stream out err)
  file(SHA256 ${OUT}.native.${stream} native_hash)
  file(SHA256 ${OUT}.web.${stream} web_hash)
  if(NOT native_hash STREQUAL web_hash)
    message(FATAL_ERROR "std${stream} differs: compare ${OUT}.native.${stream} ${OUT}.web.${stream}")
  endif()
endforeach()
