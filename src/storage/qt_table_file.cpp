// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "storage/qt_table_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string_view>

namespace quibbet {

namespace {

// The window does not answer while the lock is waited for, so it is waited for a frame at most:
// another copy holds it for a few milliseconds, and an entry that finds it held is saved with the
// next one.
constexpr std::chrono::milliseconds kLockWait{16};
// QLockFile's own wait sleeps ever longer between tries, and would lose every try to a copy that
// takes the lock again soon after it gives it back.
constexpr unsigned long kLockRetryMs = 2;
// Links in the file's place beyond this many are a loop.
constexpr int kMaxLinks = 40;
// Bad files moved aside within one second get numbered names; after this many, something is
// badly wrong and the file stays where it is.
constexpr int kMaxAsideNames = 100;
constexpr std::size_t kReadChunk = 64 * 1024;

constexpr mode_t kOwnerOnlyFile = S_IRUSR | S_IWUSR;

std::string Utf8(const QString& text) {
  return text.toStdString();
}

std::string Reason(int error) {
  return std::strerror(error);
}

// What a path that is not a regular file is, in the words a player knows.
std::string WhatItIs(const QString& path, mode_t mode) {
  if (S_ISLNK(mode)) {
    const QFileInfo link(path);
    return "is a link to " + Utf8(link.symLinkTarget()) +
           (link.exists() ? "" : ", which is not there");
  }
  if (S_ISDIR(mode)) {
    return "is a folder";
  }
  if (S_ISFIFO(mode)) {
    return "is a named pipe";
  }
  if (S_ISSOCK(mode)) {
    return "is a socket";
  }
  if (S_ISCHR(mode) || S_ISBLK(mode)) {
    return "is a device";
  }
  return "is not a regular file";
}

// The file a path leads to, the links in its place followed: the one to write and to move aside,
// so that a link the player made stays and leads to the new table.
std::optional<QString> Followed(const QString& path) {
  QString target = path;
  for (int links = 0; QFileInfo(target).isSymLink(); ++links) {
    if (links == kMaxLinks) {
      return std::nullopt;
    }
    target = QFileInfo(target).symLinkTarget();
  }
  return target;
}

// A file whose every write bit is cleared, or that this user may not write, is kept as the player
// wants it, although the folder would let a rename replace it.
bool ReadOnly(const QByteArray& path) {
  struct stat info {};
  if (::stat(path.constData(), &info) != 0) {
    return false;
  }
  return (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 ||
         (::faccessat(AT_FDCWD, path.constData(), W_OK, AT_EACCESS) != 0 && errno == EACCES);
}

// QLockFile says only that its file could not be made, not why; making it once more the same way
// tells: a full disk, most often, where the file is made but its first byte is refused.
std::string WhyLockNotMade(const QByteArray& lock) {
  const int fd = ::open(lock.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                        S_IRUSR | S_IWUSR);
  int error = fd < 0 ? errno : 0;
  if (fd >= 0) {
    if (::write(fd, "\n", 1) != 1) {
      error = errno;
    }
    ::close(fd);
    ::unlink(lock.constData());
  }
  switch (error) {
    case 0:
      return "its lock file cannot be made";
    case EEXIST:
      return "another copy of the game kept it locked";
    case EACCES:
      return "no permission to make its lock file";
    default:
      return Reason(error);
  }
}

// A lock, or QLockFile's file for taking one over, that another user left, and that this user may
// not open to take over, is never taken: it is told as what it is, not as a copy holding it.
std::string WhyLockHeld(const QString& lock) {
  for (const QString& path : {lock, lock + QStringLiteral(".rmlock")}) {
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    if (::lstat(name.constData(), &info) == 0 && info.st_uid != ::geteuid() &&
        ::faccessat(AT_FDCWD, name.constData(), W_OK, AT_EACCESS) != 0) {
      return "its lock file " + Utf8(path) + " belongs to another user, so this copy of the " +
             "game may not take it over";
    }
  }
  return "another copy of the game kept it locked";
}

// Closes on every way out; a read-only descriptor has nothing to lose at its close.
class ReadDescriptor {
 public:
  explicit ReadDescriptor(int fd) : fd_(fd) {}
  ~ReadDescriptor() { ::close(fd_); }
  ReadDescriptor(const ReadDescriptor&) = delete;
  ReadDescriptor& operator=(const ReadDescriptor&) = delete;
  int fd() const { return fd_; }

 private:
  int fd_;
};

// Writes every byte, then waits until the disk holds them: a rename must never put a file in
// place whose bytes are still only in memory. The first failure is the reason, the close's too.
std::string WriteWhole(int fd, std::string_view bytes) {
  std::string failed;
  while (!bytes.empty() && failed.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written > 0) {
      bytes.remove_prefix(static_cast<std::size_t>(written));
    } else if (written == 0 || errno != EINTR) {
      failed = Reason(written == 0 ? EIO : errno);
    }
  }
  if (failed.empty() && ::fsync(fd) != 0) {
    failed = Reason(errno);
  }
  if (::close(fd) != 0 && failed.empty()) {
    failed = Reason(errno);
  }
  return failed;
}

// Makes the rename itself last. The file is already the new one by then, so a failure here
// changes nothing the player could act on.
void SyncFolder(const QByteArray& folder) {
  const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd >= 0) {
    ::fsync(fd);
    ::close(fd);
  }
}

// Renames from to to unless to exists, at once where the file system can.
bool RenameWithoutReplacing(const QByteArray& from, const QByteArray& to) {
  if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0) {
    return true;
  }
  if (errno != EINVAL) {
    return false;
  }
  struct stat taken {};
  if (::lstat(to.constData(), &taken) == 0) {
    errno = EEXIST;
    return false;
  }
  return ::rename(from.constData(), to.constData()) == 0;
}

}  // namespace

QtTableFile::QtTableFile(const QString& path, std::chrono::milliseconds abandonedLockAge)
    : path_(path), lock_(path + QStringLiteral(".lock")) {
  lock_.setStaleLockTime(abandonedLockAge);
}

std::string QtTableFile::Name() const {
  return Utf8(path_);
}

QString QtTableFile::WritingPath(const QString& target) {
  const QFileInfo info(target);
  return info.absolutePath() + QStringLiteral("/.") + info.fileName() + QStringLiteral(".saving");
}

TableFile::Outcome QtTableFile::MakeFolder() const {
  const QString folder = QFileInfo(path_).absolutePath();
  if (QFileInfo(folder).isDir()) {
    return {true, {}};
  }
  // Only the game's own folder is kept private; the folders above it are the desktop's.
  const QString above = QFileInfo(folder).absolutePath();
  // Another copy of the game may make it at the same moment: a folder that is there is enough.
  if (!QDir().mkpath(above)) {
    return {false, "cannot make the folder " + Utf8(above)};
  }
  if (::mkdir(QFile::encodeName(folder).constData(), S_IRWXU) != 0) {
    const int error = errno;
    if (!QFileInfo(folder).isDir()) {
      return {false, "cannot make the folder " + Utf8(folder) + ": " + Reason(error)};
    }
  }
  return {true, {}};
}

// QLockFile reads a lock file it finds to learn whether its maker still runs, and a read from a
// named pipe waits for ever; a link, a folder, or a folder where it makes its file for taking an
// abandoned lock over, it can never take, and would report as a copy holding the lock.
TableFile::Outcome QtTableFile::CheckLockPath() const {
  const QString lock = lock_.fileName();
  for (const QString& path : {lock, lock + QStringLiteral(".rmlock")}) {
    struct stat info {};
    if (::lstat(QFile::encodeName(path).constData(), &info) == 0 && !S_ISREG(info.st_mode)) {
      return {false, "its lock file " + Utf8(path) + " " + WhatItIs(path, info.st_mode)};
    }
  }
  return {true, {}};
}

TableFile::Outcome QtTableFile::Lock(bool makeFolder) {
  if (makeFolder) {
    if (Outcome made = MakeFolder(); !made.done) {
      return made;
    }
  }
  if (Outcome checked = CheckLockPath(); !checked.done) {
    return checked;
  }
  const QDeadlineTimer deadline(kLockWait);
  while (!lock_.tryLock()) {
    if (lock_.error() != QLockFile::LockFailedError) {
      return {false, WhyLockNotMade(QFile::encodeName(lock_.fileName()))};
    }
    if (deadline.hasExpired()) {
      return {false, WhyLockHeld(lock_.fileName())};
    }
    QThread::msleep(kLockRetryMs);
  }
  return {true, {}};
}

void QtTableFile::Unlock() {
  lock_.unlock();
}

// Opened without waiting, so that a named pipe in the file's place is found rather than waited
// on; only a regular file is read.
TableFile::Contents QtTableFile::Read(std::size_t maxBytes) {
  const int fd =
      ::open(QFile::encodeName(path_).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) {
    return errno == ENOENT ? Contents{Found::kNone, {}, {}}
                           : Contents{Found::kUnreadable, {}, Reason(errno)};
  }
  const ReadDescriptor file(fd);
  struct stat info {};
  if (::fstat(fd, &info) != 0) {
    return {Found::kUnreadable, {}, Reason(errno)};
  }
  if (!S_ISREG(info.st_mode)) {
    return {Found::kUnreadable, {}, "it " + WhatItIs(path_, info.st_mode)};
  }
  std::string bytes;
  while (bytes.size() < maxBytes) {
    const std::size_t had = bytes.size();
    bytes.resize(std::min(maxBytes, had + kReadChunk));
    const ssize_t got = ::read(fd, bytes.data() + had, bytes.size() - had);
    bytes.resize(had + static_cast<std::size_t>(std::max<ssize_t>(got, 0)));
    if (got == 0) {
      break;
    }
    if (got < 0 && errno != EINTR) {
      return {Found::kUnreadable, {}, Reason(errno)};
    }
  }
  return {Found::kFile, bytes, {}};
}

// The new table goes into a file of the store's own name beside the old one, which a rename
// then replaces at once. Every write is made under the lock, so whatever is found under that
// name was left by a copy of the game that died while writing it.
TableFile::Outcome QtTableFile::Write(const std::string& bytes) {
  const std::optional<QString> target = Followed(path_);
  if (!target) {
    return {false, Reason(ELOOP)};
  }
  const QByteArray table = QFile::encodeName(*target);
  if (ReadOnly(table)) {
    return {false, "the file is read-only, and is left as it is"};
  }
  const QByteArray writing = QFile::encodeName(WritingPath(*target));
  if (::unlink(writing.constData()) != 0 && errno != ENOENT) {
    return {false, Reason(errno)};
  }
  const int fd = ::open(writing.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                        kOwnerOnlyFile);
  if (fd < 0) {
    return {false, Reason(errno)};
  }
  std::string failed = WriteWhole(fd, bytes);
  if (failed.empty() && ::rename(writing.constData(), table.constData()) != 0) {
    failed = Reason(errno);
  }
  if (!failed.empty()) {
    ::unlink(writing.constData());
    return {false, failed};
  }
  SyncFolder(QFile::encodeName(QFileInfo(*target).absolutePath()));
  return {true, {}};
}

TableFile::Outcome QtTableFile::MoveAside() {
  const std::optional<QString> target = Followed(path_);
  if (!target) {
    return {false, Reason(ELOOP)};
  }
  const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
  const QString aside = *target + QStringLiteral(".bad-") + stamp;
  for (int n = 1; n <= kMaxAsideNames; ++n) {
    const QString name = n == 1 ? aside : aside + QStringLiteral("-%1").arg(n);
    if (RenameWithoutReplacing(QFile::encodeName(*target), QFile::encodeName(name))) {
      return {true, Utf8(name)};
    }
    if (errno != EEXIST) {
      return {false, Reason(errno)};
    }
  }
  return {false, "every name for it is taken"};
}

}  // namespace quibbet
