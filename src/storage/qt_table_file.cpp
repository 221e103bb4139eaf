// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "storage/qt_table_file.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QThread>

namespace quibbet {

namespace {

// A submission waits a little longer than a lock takes to count as abandoned, so that such a
// lock never costs an entry; the window does not answer meanwhile, which takes a kill at the
// wrong microsecond.
constexpr std::chrono::milliseconds kLockWaitBeyondAbandoned{1'000};
// QLockFile's own wait sleeps ever longer between tries, and would lose every try to a copy that
// takes the lock again soon after it gives it back.
constexpr unsigned long kLockRetryMs = 5;
// Bad files moved aside within one second get numbered names; after this many, something is
// badly wrong and the file stays where it is.
constexpr int kMaxAsideNames = 100;

constexpr QFileDevice::Permissions kOwnerOnlyFile =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner;
constexpr QFileDevice::Permissions kOwnerOnlyFolder = kOwnerOnlyFile | QFileDevice::ExeOwner;

std::string Utf8(const QString& text) {
  return text.toStdString();
}

std::string LockProblem(QLockFile::LockError error) {
  switch (error) {
    case QLockFile::LockFailedError:
      return "another copy of the game kept it locked";
    case QLockFile::PermissionError:
      return "no permission to make its lock file";
    case QLockFile::NoError:
    case QLockFile::UnknownError:
      break;
  }
  return "its lock file cannot be made";
}

}  // namespace

QtTableFile::QtTableFile(const QString& path, std::chrono::milliseconds abandonedLockAge)
    : path_(path), lock_(path + QStringLiteral(".lock")) {
  lock_.setStaleLockTime(abandonedLockAge);
}

std::string QtTableFile::Name() const {
  return Utf8(path_);
}

TableFile::Outcome QtTableFile::MakeFolder() const {
  const QString folder = QFileInfo(path_).absolutePath();
  if (QFileInfo(folder).isDir()) {
    return {true, {}};
  }
  // Only the game's own folder is kept private; the folders above it are the desktop's.
  const QString above = QFileInfo(folder).absolutePath();
  if (!QDir().mkpath(above) || !QDir().mkdir(folder, kOwnerOnlyFolder)) {
    return {false, "cannot make the folder " + Utf8(folder)};
  }
  return {true, {}};
}

TableFile::Outcome QtTableFile::Lock(bool makeFolder) {
  if (makeFolder) {
    if (Outcome made = MakeFolder(); !made.done) {
      return made;
    }
  }
  const QDeadlineTimer deadline(lock_.staleLockTimeAsDuration() + kLockWaitBeyondAbandoned);
  while (!lock_.tryLock()) {
    if (lock_.error() != QLockFile::LockFailedError || deadline.hasExpired()) {
      return {false, LockProblem(lock_.error())};
    }
    QThread::msleep(kLockRetryMs);
  }
  return {true, {}};
}

void QtTableFile::Unlock() {
  lock_.unlock();
}

TableFile::Contents QtTableFile::Read(std::size_t maxBytes) {
  QFile file(path_);
  if (!QFileInfo::exists(path_)) {
    return {Found::kNone, {}, {}};
  }
  if (!file.open(QIODevice::ReadOnly)) {
    return {Found::kUnreadable, {}, Utf8(file.errorString())};
  }
  const QByteArray bytes = file.read(static_cast<qint64>(maxBytes));
  if (file.error() != QFileDevice::NoError) {
    return {Found::kUnreadable, {}, Utf8(file.errorString())};
  }
  return {Found::kFile, bytes.toStdString(), {}};
}

// QSaveFile writes beside the file under a name of six random letters and digits, and a copy
// killed while writing leaves it there. Every write is made under the lock, so any such file
// found then is abandoned.
void QtTableFile::RemoveAbandonedCopies() const {
  static const QRegularExpression kRandomSuffix(QStringLiteral("^[A-Za-z0-9]{6}$"));
  const QFileInfo info(path_);
  const QStringList pattern{info.fileName() + QStringLiteral(".??????")};
  for (const QFileInfo& copy : QDir(info.absolutePath()).entryInfoList(pattern, QDir::Files)) {
    if (kRandomSuffix.match(copy.suffix()).hasMatch()) {
      QFile::remove(copy.absoluteFilePath());
    }
  }
}

TableFile::Outcome QtTableFile::Write(const std::string& bytes) {
  RemoveAbandonedCopies();
  QSaveFile file(path_);
  if (!file.open(QIODevice::WriteOnly) || !file.setPermissions(kOwnerOnlyFile) ||
      file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
          static_cast<qint64>(bytes.size()) ||
      !file.commit()) {
    return {false, Utf8(file.errorString())};
  }
  return {true, {}};
}

TableFile::Outcome QtTableFile::MoveAside() {
  const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
  const QString aside = path_ + QStringLiteral(".bad-") + stamp;
  QFile file(path_);
  for (int n = 1; n <= kMaxAsideNames; ++n) {
    const QString name = n == 1 ? aside : aside + QStringLiteral("-%1").arg(n);
    if (QFileInfo::exists(name)) {
      continue;
    }
    // QFile never renames over an existing file.
    if (!file.rename(name)) {
      return {false, Utf8(file.errorString())};
    }
    return {true, Utf8(name)};
  }
  return {false, "every name for it is taken"};
}

}  // namespace quibbet
