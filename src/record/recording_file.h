// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <sys/types.h>

#include <string>
#include <string_view>
#include <utility>

#include "record/line_sink.h"

namespace quibbet::record {

// A regular file a recording writes into: each Write goes to the file at once, unbuffered, and
// one that fails leaves the file as it was before it.
class RecordingFile final : public LineSink {
 public:
  // Takes over fd, an open regular file named path.
  RecordingFile(int fd, std::string path) : fd_(fd), path_(std::move(path)) {}
  RecordingFile(RecordingFile&& other) noexcept;
  RecordingFile& operator=(RecordingFile&&) = delete;
  RecordingFile(const RecordingFile&) = delete;
  RecordingFile& operator=(const RecordingFile&) = delete;
  ~RecordingFile() override;

  // Cuts the file to nothing, for a recording that replaces an older one.
  bool Empty();
  bool Write(std::string_view lines) override;
  std::string Failure() const override;

 private:
  int fd_;
  int error_ = 0;
  off_t size_ = 0;         // the whole lines written so far
  bool cutShort_ = false;  // a part line stayed behind: it could not be cut off again
  std::string path_;
};

}  // namespace quibbet::record
