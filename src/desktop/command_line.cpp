// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>

namespace quibbet {
namespace {

// QApplication reads these options of its own from the same command line, so they must not be
// refused here (-platform wayland, -style fusion and so on).
struct QtOption {
  const char* name;
  bool takes_value;
};
constexpr QtOption kQtOptions[] = {
    {"platform", true},        {"platformpluginpath", true},
    {"platformtheme", true},   {"plugin", true},
    {"qwindowgeometry", true}, {"qwindowicon", true},
    {"qwindowtitle", true},    {"display", true},
    {"geometry", true},        {"style", true},
    {"stylesheet", true},      {"session", true},
    {"reverse", false},        {"widgetcount", false},
};

void AcceptQtOptions(QCommandLineParser& parser) {
  for (const QtOption& qt : kQtOptions) {
    QCommandLineOption option{QString::fromLatin1(qt.name)};
    if (qt.takes_value) {
      option.setValueName(QStringLiteral("value"));
    }
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
  }
}

void Print(std::FILE* stream, const QString& text) {
  std::fputs(text.toLocal8Bit().constData(), stream);
}

}  // namespace

CommandLine ReadCommandLine(int argc, char** argv) {
  // A plain start has nothing to read, and the menu comes up sooner without the parser's own
  // application object.
  if (argc <= 1) {
    return {};
  }
  // The help text names the program from the application's arguments, and a graphical
  // application would need a display before --help could answer; a core one needs nothing.
  int count = argc;
  const QCoreApplication app(count, argv);
  QCoreApplication::setApplicationName(QStringLiteral("quibbet"));
  QCoreApplication::setApplicationVersion(QStringLiteral(QUIBBET_VERSION));

  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral(
      "A small arcade game: steer the green square with the mouse, collect the yellow blocks "
      "and avoid the red ones."));
  // Qt's own options are written with one dash (-platform), like the X11 tradition.
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  // Qt's own help option would add --help-all, which lists Qt's options; the manual page names
  // the few that matter here.
  const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                QStringLiteral("Displays help on commandline options."));
  parser.addOption(help);
  const QCommandLineOption version = parser.addVersionOption();
  const QCommandLineOption record(
      QStringLiteral("record"),
      QStringLiteral("Puts the session on record: a replay script in <file>, the states it "
                     "reproduces in <file>.jsonl (attach both to a bug report)."),
      QStringLiteral("file"));
  parser.addOption(record);
  const QCommandLineOption overwrite(
      QStringLiteral("overwrite"),
      QStringLiteral("Lets --record replace <file> and <file>.jsonl; without it, a recording "
                     "never starts over an existing file."));
  parser.addOption(overwrite);
  const QCommandLineOption mute(
      QStringLiteral("mute"),
      QStringLiteral("Plays without sound this once; M turns sound on and off, C the symbols "
                     "that tell the blocks apart without colour, and the game keeps the last "
                     "choices for the next run."));
  parser.addOption(mute);
  AcceptQtOptions(parser);

  if (!parser.parse(QCoreApplication::arguments())) {
    Print(
        stderr,
        QStringLiteral("quibbet: %1 (quibbet --help lists the options)\n").arg(parser.errorText()));
    return {2, {}};
  }
  if (!parser.positionalArguments().isEmpty()) {
    Print(stderr, QStringLiteral("quibbet: unexpected argument '%1'; the game takes none\n")
                      .arg(parser.positionalArguments().constFirst()));
    return {2, {}};
  }
  if (parser.isSet(help)) {
    Print(stdout, parser.helpText());
    return {0, {}};
  }
  if (parser.isSet(version)) {
    Print(stdout, QStringLiteral("quibbet %1\n").arg(QCoreApplication::applicationVersion()));
    return {0, {}};
  }
  if (parser.isSet(overwrite) && !parser.isSet(record)) {
    Print(stderr, QStringLiteral("quibbet: --overwrite goes with --record <file>\n"));
    return {2, {}};
  }
  CommandLine read;
  if (parser.isSet(record)) {
    read.record_file = parser.value(record).toStdString();
    read.overwrite = parser.isSet(overwrite);
  }
  read.mute = parser.isSet(mute);
  return read;
}

}  // namespace quibbet
