// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/display_check.h"

#include <QByteArray>
#include <QString>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <vector>

namespace quibbet {

namespace {

struct HeldMessage {
  QtMsgType type;
  QByteArray file;
  int line;
  QByteArray function;
  QByteArray category;
  QString text;
};

// Qt's message handler is a plain function, so what it holds cannot belong to the check.
std::mutex heldLock;
std::vector<HeldMessage> held;

// Qt says first why its platform would not start, in its own category, and then that the
// plugin could not be loaded "even though it was found", which is only the consequence.
QString ReasonFrom(const QString& fatal) {
  for (const HeldMessage& message : held) {
    if (message.type == QtWarningMsg || message.type == QtCriticalMsg) {
      return message.text.trimmed();
    }
  }
  return fatal.section(QLatin1Char('\n'), 0, 0).trimmed();
}

void Hold(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  const std::lock_guard lock(heldLock);
  if (type == QtFatalMsg) {
    const QString line =
        QStringLiteral(
            "quibbet: the display cannot be opened (%1); run it in a desktop session, or "
            "with xvfb-run\n")
            .arg(ReasonFrom(text).simplified());
    std::fputs(line.toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
    // Nothing is open yet that would need closing, and Qt's half-made objects must not be torn
    // down.
    std::_Exit(1);
  }
  held.push_back({type, context.file, context.line, context.function, context.category, text});
}

}  // namespace

DisplayCheck::DisplayCheck() : previous_(qInstallMessageHandler(Hold)) {}

DisplayCheck::~DisplayCheck() {
  qInstallMessageHandler(previous_);
  const std::lock_guard lock(heldLock);
  for (const HeldMessage& message : held) {
    const QMessageLogContext context(message.file.constData(), message.line,
                                     message.function.constData(), message.category.constData());
    previous_(message.type, context, message.text);
  }
  held.clear();
}

}  // namespace quibbet
