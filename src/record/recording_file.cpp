// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "record/recording_file.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

namespace quibbet::record {

RecordingFile::RecordingFile(RecordingFile&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)),
      error_(other.error_),
      size_(other.size_),
      path_(std::move(other.path_)) {}

RecordingFile::~RecordingFile() {
  if (fd_ >= 0) {
    ::close(fd_);
  }
}

bool RecordingFile::Empty() {
  if (::ftruncate(fd_, 0) != 0) {
    error_ = errno;
    return false;
  }
  return true;
}

// A regular file takes a whole write unless the disk fills or a signal comes in between; the
// rest goes in the next call, so a full disk shows as the error it is. The part of the lines that
// did go in is cut off again: a cut line could read as another command.
bool RecordingFile::Write(std::string_view lines) {
  for (std::string_view rest = lines; !rest.empty();) {
    const ssize_t written = ::write(fd_, rest.data(), rest.size());
    if (written < 0 && errno == EINTR) {
      continue;
    }
    if (written <= 0) {
      error_ = written < 0 ? errno : ENOSPC;
      cutShort_ = ::ftruncate(fd_, size_) != 0;
      return false;
    }
    rest.remove_prefix(static_cast<std::size_t>(written));
  }
  size_ += static_cast<off_t>(lines.size());
  return true;
}

std::string RecordingFile::Failure() const {
  return "could not write " + path_ + ": " + std::strerror(error_) +
         (cutShort_ ? " (its last line is cut short)" : "");
}

}  // namespace quibbet::record
