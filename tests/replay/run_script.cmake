# SPDX-FileCopyrightText: 2026 The Quibbet developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs one script through quibbet-replay and checks its dumps against PATTERNS. With STDERR set,
# the run must fail with exit status 2 and exactly that text on stderr.
#   cmake -DREPLAY=... -DCHECK=... -DSCRIPT=... -DPATTERNS=... [-DSTDERR=...] -DACTUAL=... -P
execute_process(COMMAND ${REPLAY} INPUT_FILE ${SCRIPT} OUTPUT_FILE ${ACTUAL}
                ERROR_VARIABLE err RESULT_VARIABLE status)
set(expected_status 0)
set(expected_err "")
if(STDERR)
  set(expected_status 2)
  file(READ ${STDERR} expected_err)
endif()
if(NOT status STREQUAL expected_status)
  message(FATAL_ERROR "exit status ${status}, expected ${expected_status}; stderr: ${err}")
endif()
if(NOT err STREQUAL expected_err)
  message(FATAL_ERROR "stderr:\n${err}\nexpected:\n${expected_err}")
endif()
execute_process(COMMAND ${CHECK} ${ACTUAL} ${PATTERNS} RESULT_VARIABLE matched)
if(NOT matched EQUAL 0)
  message(FATAL_ERROR "dumps do not match ${PATTERNS}")
endif()
