// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <variant>

#include "record/recording_file.h"

namespace quibbet::record {

// The two files of a recording: the script, and beside it the states its dumps print.
struct RecordingFiles {
  RecordingFile script;
  RecordingFile states;
};

// Opens FILE for the script and FILE.jsonl for the states, or says in one line why not. Both
// are left exactly as they were when either already exists (unless overwrite is set), is not a
// regular file or cannot be opened; with overwrite, both are emptied only once both are open.
std::variant<RecordingFiles, std::string> OpenRecordingFiles(const std::string& script,
                                                             bool overwrite);

}  // namespace quibbet::record
