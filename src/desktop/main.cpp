// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Quibbet on the desktop: the menu opens, and the rules take it from there.

#include <QApplication>
#include <QIcon>
#include <QStyleFactory>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>

#include "common/random_source.h"
#include "desktop/baked_picture.h"
#include "desktop/command_line.h"
#include "desktop/controller.h"
#include "desktop/font_config_warm_up.h"
#include "desktop/qt_message_box.h"
#include "replay/recorder.h"
#include "scores/file_store.h"
#include "storage/high_score_path.h"
#include "storage/qt_table_file.h"

namespace {

// Without a display Qt would abort with a message about platform plugins; say what to do.
bool HasDisplay() {
  return !qEnvironmentVariableIsEmpty("DISPLAY") ||
         !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
         !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

// Window managers scale the icon from these two sizes. Every window sends each size to the
// display as it opens, and the 256-pixel drawing alone would add a tenth to the start-up.
QIcon GameIcon() {
  QIcon icon;
  for (const quibbet::BakedPicture* picture : {&quibbet::Icon48, &quibbet::Icon128}) {
    icon.addPixmap(QPixmap::fromImage(picture->image()));
  }
  return icon;
}

// A recording of the session: the script in the file, the states its dumps print beside it.
struct Recording {
  Recording(const std::string& file, quibbet::RandomSource& random, quibbet::MessageBox& box,
            quibbet::HighScoreStore& store)
      : script(file),
        states(file + ".jsonl"),
        recorder(random, box, script, states, std::cerr, store) {}

  std::ofstream script;
  std::ofstream states;
  quibbet::replay::Recorder recorder;
};

}  // namespace

int main(int argc, char** argv) {
  const quibbet::CommandLine commandLine = quibbet::ReadCommandLine(argc, argv);
  if (commandLine.exit_status) {
    return *commandLine.exit_status;
  }
  if (!HasDisplay()) {
    std::fputs("quibbet: no display found; run it under a desktop session or with xvfb-run\n",
               stderr);
    return 1;
  }
  quibbet::FontConfigWarmUp fontConfig;
  // A screen at 125 % or 150 % gets exactly that scale, not one rounded to a whole number: the
  // shapes are painted from twips and land on device pixels at any factor.
  QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
      Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
  QApplication app(argc, argv);
  // Ties the windows to the installed menu entry, whose icon the desktop then shows for them.
  QGuiApplication::setDesktopFileName(QStringLiteral(QUIBBET_APP_ID));
  // The windows' designed colours show on their buttons the same way on every desktop.
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  QApplication::setWindowIcon(GameIcon());

  quibbet::FixedSeedRandom random;
  quibbet::QtMessageBox box;
  quibbet::QtTableFile highScoreFile(quibbet::HighScoreFilePath());
  // The store's notices go to the player's own box, past any recording: a replay of the script
  // keeps its table in memory, where nothing can fail.
  quibbet::FileStore highScores(highScoreFile, std::cerr, box);
  std::unique_ptr<Recording> recording;
  if (commandLine.record_file) {
    recording = std::make_unique<Recording>(*commandLine.record_file, random, box, highScores);
  }
  quibbet::Controller controller(recording ? recording->recorder.random() : random,
                                 recording ? recording->recorder.box() : box,
                                 recording ? recording->recorder.store() : highScores);
  if (recording) {
    recording->recorder.Attach(controller.shell());
  }
  QObject::connect(&controller, &quibbet::Controller::finished, &app, &QApplication::quit,
                   Qt::QueuedConnection);
  controller.Start();
  fontConfig.Wait();
  return QApplication::exec();
}
