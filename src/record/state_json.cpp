// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "record/state_json.h"

#include <array>
#include <string_view>
#include <utility>

#include "record/json_number.h"
#include "shell/window_names.h"

namespace quibbet::record {

namespace {

using Json = nlohmann::ordered_json;

std::string_view StateName(WindowState state) {
  switch (state) {
    case WindowState::kUnloaded:
      return "unloaded";
    case WindowState::kHidden:
      return "hidden";
    case WindowState::kVisible:
      return "visible";
  }
  return "";
}

Json WindowsToJson(const Shell& shell) {
  Json windows = Json::object();
  for (Window w : kAllWindows) {
    windows[std::string(NameOf(w))] = StateName(shell.State(w));
  }
  return windows;
}

Json MessagesToJson(const std::vector<ShownMessage>& messages) {
  Json list = Json::array();
  for (const ShownMessage& m : messages) {
    list.push_back({{"text", m.text},
                    {"title", m.title},
                    {"style", static_cast<int>(m.style)},
                    {"answer", static_cast<int>(m.answer)}});
  }
  return list;
}

Json FlagsToJson(const std::array<Boolean, kBlockCount>& flags) {
  Json list = Json::array();
  for (Boolean flag : flags) {
    list.push_back(IsTrue(flag));
  }
  return list;
}

Json LabelsToJson(const Form1& form) {
  const std::array<std::pair<std::string_view, const Label*>, 7> labels = {{
      {"lblscore", &form.lblscore},
      {"lblhigh", &form.lblhigh},
      {"lblcount", &form.lblcount},
      {"lblspacebar", &form.lblspacebar},
      {"lblcurrentscore", &form.lblcurrentscore},
      {"lblname", &form.lblname},
      {"lblalltime", &form.lblalltime},
  }};
  Json json = Json::object();
  for (const auto& [name, label] : labels) {
    json[std::string(name)] = {{"text", label->caption}, {"visible", label->visible}};
  }
  return json;
}

Json ButtonsToJson(const Form1& form) {
  return {{"cmdreset", {{"visible", form.cmdreset.visible}}},
          {"cmdsubmit", {{"visible", form.cmdsubmit.visible}}},
          {"cmdmain", {{"visible", form.cmdmain.visible}}}};
}

Json ShapeToJson(const Shape& shape) {
  return {{"left", SingleToJson(shape.left)},
          {"top", SingleToJson(shape.top)},
          {"width", SingleToJson(shape.width)},
          {"height", SingleToJson(shape.height)},
          {"visible", shape.visible}};
}

Json BlocksToJson(const Form1& form) {
  Json list = Json::array();
  for (const Shape& block : form.shpother) {
    Json json = ShapeToJson(block);
    json["color"] = block.backColor;
    list.push_back(std::move(json));
  }
  return list;
}

Json TableToJson(const HighScoreTable& table) {
  Json rows = Json::array();
  for (int row = 0; row < kTableRows; ++row) {
    const bool shown = table.lblscorenumber[row].visible && table.lblhighname[row].visible &&
                       table.lbluserscore[row].visible;
    rows.push_back({{"number", table.lblscorenumber[row].caption},
                    {"name", table.lblhighname[row].caption},
                    {"score", table.lbluserscore[row].caption},
                    {"visible", shown}});
  }
  return rows;
}

Json GameToJson(const Form1& form) {
  return {{"timer", form.Timer1.enabled},
          {"tickcount", form.tickcount},
          {"bestscore", form.bestscore},
          {"frozen", IsTrue(form.frozen)},
          {"freezeready", IsTrue(form.freezeready)},
          {"submitted", IsTrue(form.submitted)},
          {"goingdown", FlagsToJson(form.goingdown)},
          {"goingup", FlagsToJson(form.goingup)},
          {"labels", LabelsToJson(form)},
          {"buttons", ButtonsToJson(form)},
          {"txtname", {{"text", form.txtname.text}, {"visible", form.txtname.visible}}},
          {"shpgreen", ShapeToJson(form.shpgreen)},
          {"shpother", BlocksToJson(form)},
          {"table", TableToJson(form.table)}};
}

}  // namespace

Json StateToJson(const Shell& shell, const std::vector<ShownMessage>& messages) {
  const Form1* form = shell.form1();
  return {{"ended", shell.Ended()},
          {"windows", WindowsToJson(shell)},
          {"messages", MessagesToJson(messages)},
          {"game", form ? GameToJson(*form) : Json(nullptr)}};
}

}  // namespace quibbet::record
