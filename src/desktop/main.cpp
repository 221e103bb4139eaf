// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Quibbet on the desktop: the menu opens, and the rules take it from there.

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QStyleFactory>
#include <cstdio>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <variant>

#include "common/random_source.h"
#include "desktop/after_first_frame.h"
#include "desktop/baked_picture.h"
#include "desktop/command_line.h"
#include "desktop/compositor_sizes.h"
#include "desktop/controller.h"
#include "desktop/deferred_sound_player.h"
#include "desktop/display_check.h"
#include "desktop/font_config_warm_up.h"
#include "desktop/qt_message_box.h"
#include "desktop/qt_settings.h"
#include "desktop/sdl_module_thread.h"
#include "desktop/zoom_setting.h"
#include "frontend/sound.h"
#include "record/recorder.h"
#include "record/recording_files.h"
#include "scores/file_store.h"
#include "storage/high_score_path.h"
#include "storage/qt_table_file.h"

namespace {

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
  Recording(quibbet::record::RecordingFiles opened, quibbet::RandomSource& random,
            quibbet::MessageBox& box, quibbet::HighScoreStore& store)
      : files(std::move(opened)),
        recorder(random, box, files.script, files.states, std::cerr, store) {}

  quibbet::record::RecordingFiles files;
  quibbet::record::Recorder recorder;
};

}  // namespace

int main(int argc, char** argv) {
  const quibbet::CommandLine commandLine = quibbet::ReadCommandLine(argc, argv);
  if (commandLine.exit_status) {
    return *commandLine.exit_status;
  }
  quibbet::FontConfigWarmUp fontConfig;
  // A screen at 125 % or 150 % gets exactly that scale, not one rounded to a whole number: the
  // shapes are painted from twips and land on device pixels at any factor.
  QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
      Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
  // The display first: a game that cannot show itself stops before it has touched any file.
  std::optional<QApplication> app;
  {
    const quibbet::DisplayCheck displayCheck;
    app.emplace(argc, argv);
  }
  // Ties the windows to the installed menu entry, whose icon the desktop then shows for them.
  QGuiApplication::setDesktopFileName(QStringLiteral(QUIBBET_APP_ID));
  // The windows' designed colours show on their buttons the same way on every desktop.
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  QApplication::setWindowIcon(GameIcon());
  quibbet::CompositorSizes compositorSizes;
  if (quibbet::CompositorSizes::Needed()) {
    app->installEventFilter(&compositorSizes);
  }

  // Checked before any window opens, so a recording that cannot be made stops the game at once.
  std::optional<quibbet::record::RecordingFiles> recordingFiles;
  if (commandLine.record_file) {
    auto opened =
        quibbet::record::OpenRecordingFiles(*commandLine.record_file, commandLine.overwrite);
    if (const auto* refusal = std::get_if<std::string>(&opened)) {
      std::cerr << "quibbet: " << *refusal << '\n';
      return 2;
    }
    recordingFiles.emplace(std::move(std::get<quibbet::record::RecordingFiles>(opened)));
  }

  quibbet::FixedSeedRandom random;
  quibbet::QtMessageBox box;
  quibbet::QtTableFile highScoreFile(quibbet::HighScoreFilePath());
  // The store's notices go to the player's own box, past any recording: a replay of the script
  // keeps its table in memory, where nothing can fail.
  quibbet::FileStore highScores(
      highScoreFile, [](const std::string& line) { std::cerr << line << std::endl; }, box);
  quibbet::DeferredSoundPlayer player;
  quibbet::QtSettings settings;
  quibbet::Sound sound(player, settings, commandLine.mute);
  quibbet::Choice symbols(settings, quibbet::kSymbolsChoice);
  std::unique_ptr<Recording> recording;
  if (recordingFiles) {
    recording = std::make_unique<Recording>(std::move(*recordingFiles), random, box, highScores);
  }
  quibbet::QtZoomSetting zoom;
  quibbet::Controller controller(recording ? recording->recorder.random() : random,
                                 recording ? recording->recorder.box() : box,
                                 recording ? recording->recorder.store() : highScores, &zoom);
  if (recording) {
    recording->recorder.Attach(controller.shell());
  }
  QObject::connect(&controller, &quibbet::Controller::finished, &*app, &QApplication::quit,
                   Qt::QueuedConnection);
  controller.session().AttachSound(sound);
  controller.session().AttachSymbols(symbols);
  controller.Start();
  // The SDL module keeps the same place beside the program when installed as in the build. It
  // loads once the menu's first frame is on the screen; the pads' states come to this thread.
  quibbet::SdlModuleThread sdl(QFile::encodeName(QCoreApplication::applicationDirPath() +
                                                 QStringLiteral("/../" QUIBBET_SDL_MODULE))
                                   .toStdString(),
                               player, [&controller](const quibbet::GamepadState& state) {
                                 QMetaObject::invokeMethod(
                                     &controller,
                                     [&controller, state] { controller.ReadGamepad(state); },
                                     Qt::QueuedConnection);
                               });
  const quibbet::AfterFirstFrame startSdl([&sdl] { sdl.Start(); });
  fontConfig.Wait();
  return QApplication::exec();
}
