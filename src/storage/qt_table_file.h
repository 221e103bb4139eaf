// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLockFile>
#include <QString>
#include <chrono>

#include "scores/table_file.h"

// The high-score file on a local disk: written whole into a file beside it, synced and renamed
// over it, so that it is the old table or the new one whatever fails; QLockFile beside it keeps
// copies of the game from changing it at the same time. Only its owner may read it: the file is
// made with mode 0600, its folder with mode 0700. Nothing else in the folder is ever touched
// but the lock's files and one of the store's own exact name: a dot, the file's name, ".saving".
// A link in the file's place is kept: the file it leads to is written, and moved aside, in its own
// folder. A read-only file is never replaced.

namespace quibbet {

class QtTableFile final : public TableFile {
 public:
  // A copy of the game holds the lock for a read and a write of a small file, a few
  // milliseconds. A lock left by a copy that died is taken over at once, as QLockFile finds its
  // process gone, unless the copy died while making it, before it could write its process into
  // it; such a lock counts as abandoned at this age.
  static constexpr std::chrono::milliseconds kAbandonedLockAge{4'000};

  explicit QtTableFile(const QString& path,
                       std::chrono::milliseconds abandonedLockAge = kAbandonedLockAge);

  std::string Name() const override;
  Outcome Lock(bool makeFolder) override;
  void Unlock() override;
  Contents Read(std::size_t maxBytes) override;
  Outcome Write(const std::string& bytes) override;
  Outcome MoveAside() override;

 private:
  Outcome MakeFolder() const;
  Outcome CheckLockPath() const;
  // The new table's file, beside the file that the table's path leads to.
  static QString WritingPath(const QString& target);

  QString path_;
  QLockFile lock_;
};

}  // namespace quibbet
