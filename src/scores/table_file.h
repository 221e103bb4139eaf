// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <string>

// The file that a FileStore keeps the high-score table in, as the platform offers it. Every
// copy of the game that uses the file takes its lock before it reads the file to change it, and
// keeps it until it has written the file back.

namespace quibbet {

class TableFile {
 public:
  enum class Found { kFile, kNone, kUnreadable };
  struct Contents {
    Found found = Found::kNone;
    std::string bytes;  // the file's first bytes, as many as were asked for
    std::string error;  // why it could not be read
  };
  // detail: why it failed; for a file moved aside, its new name.
  struct Outcome {
    bool done = false;
    std::string detail;
  };

  virtual ~TableFile() = default;
  // The file's name as the player finds it.
  virtual std::string Name() const = 0;
  // Waits no longer than a frame of the game: a lock found held is told as such. makeFolder first
  // makes the file's folder when it is missing, as it is before the first entry.
  virtual Outcome Lock(bool makeFolder) = 0;
  virtual void Unlock() = 0;
  // Only a regular file is read: anything else in its place is unreadable, and never waited on.
  virtual Contents Read(std::size_t maxBytes) = 0;
  // Replaces the whole file at once: whatever happens, the file is then the old one or the new.
  virtual Outcome Write(const std::string& bytes) = 0;
  // Gives the file a new name beside the old one, never replacing another file.
  virtual Outcome MoveAside() = 0;
};

}  // namespace quibbet
