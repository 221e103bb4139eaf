// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "record/recording_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <optional>
#include <utility>

namespace quibbet::record {

namespace {

// Never blocks, so a FIFO that nobody reads cannot hang the game at start.
constexpr int kOpenFlags = O_WRONLY | O_CREAT | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
constexpr mode_t kNewFileMode = 0666;  // less the user's umask, as for any file they save

std::string NotRegular(const std::string& path) {
  return "cannot record to " + path + ": not a regular file";
}

bool IsRegular(const struct stat& status) {
  return S_ISREG(status.st_mode);
}

struct Opened {
  std::optional<RecordingFile> file;
  std::string refusal;
};

// A device, FIFO or folder is turned away before it is opened at all, and again after, should the
// path have changed in between. It is told as what it is even without overwrite, which could
// not make it one to record to.
Opened Open(const std::string& path, bool overwrite) {
  struct stat status {};
  if (::stat(path.c_str(), &status) == 0 && !IsRegular(status)) {
    return {std::nullopt, NotRegular(path)};
  }
  const int fd = ::open(path.c_str(), kOpenFlags | (overwrite ? 0 : O_EXCL), kNewFileMode);
  if (fd < 0) {
    if (errno == EEXIST) {
      return {std::nullopt, path + " already exists (--overwrite replaces it)"};
    }
    return {std::nullopt, "cannot record to " + path + ": " + std::strerror(errno)};
  }
  RecordingFile file(fd, path);
  if (::fstat(fd, &status) != 0 || !IsRegular(status)) {
    return {std::nullopt, NotRegular(path)};
  }
  return {std::move(file), {}};
}

}  // namespace

std::variant<RecordingFiles, std::string> OpenRecordingFiles(const std::string& script,
                                                             bool overwrite) {
  Opened scriptFile = Open(script, overwrite);
  if (!scriptFile.file) {
    return scriptFile.refusal;
  }
  const std::string states = script + ".jsonl";
  Opened statesFile = Open(states, overwrite);
  if (!statesFile.file) {
    // Without overwrite the script file was made just now, by this call.
    if (!overwrite) {
      ::unlink(script.c_str());
    }
    return statesFile.refusal;
  }
  for (RecordingFile* file : {&*scriptFile.file, &*statesFile.file}) {
    if (overwrite && !file->Empty()) {
      return file->Failure();
    }
  }
  return RecordingFiles{std::move(*scriptFile.file), std::move(*statesFile.file)};
}

}  // namespace quibbet::record
