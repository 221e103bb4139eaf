// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frontend/window_controls.h"

#include <string>
#include <utility>

namespace quibbet {

namespace {

// Where the title band's top-left pixel lies in the menu picture, and its size: the picture is
// white but for it, like the menu behind it.
constexpr Geometry kTitleBand{162 * kTwipsPerPixel, 158 * kTwipsPerPixel, 537 * kTwipsPerPixel,
                              147 * kTwipsPerPixel};

FontRole RoleOf(std::string_view face) {
  if (face == "Lithos Pro Regular") {
    return FontRole::kDisplay;
  }
  return face == "Bookman Old Style" ? FontRole::kBookman : FontRole::kSansSerif;
}

TextStyle StyleOf(const Font& font) {
  return {RoleOf(font.face), font.points, font.weight, font.italic};
}

ControlView Placed(ControlKind kind, const Geometry& at) {
  ControlView view;
  view.kind = kind;
  view.left = at.left;
  view.top = at.top;
  view.width = at.width;
  view.height = at.height;
  return view;
}

// What labels, buttons and the name box share: a text in a font that may be hidden.
ControlView Texted(ControlKind kind, const Geometry& at, const std::string& text, bool visible,
                   const Font& font) {
  ControlView view = Placed(kind, at);
  view.text = text;
  view.visible = visible;
  view.font = StyleOf(font);
  return view;
}

ControlView ViewOf(const Shape& shape) {
  ControlView view = Placed(ControlKind::kShape, shape);
  view.visible = shape.visible;
  view.backColor = shape.backColor;
  view.filled = shape.filled;
  view.borderWidth = shape.borderWidth;
  return view;
}

ControlView ViewOf(const Line& line) {
  ControlView view =
      Placed(ControlKind::kLine, {line.x1, line.y1, line.x2 - line.x1, line.y2 - line.y1});
  view.foreColor = line.color;
  view.borderWidth = line.borderWidth;
  return view;
}

ControlView ViewOf(const Label& label) {
  ControlView view = Texted(ControlKind::kLabel, label, label.caption, label.visible, label.font);
  view.alignment = label.alignment;
  view.wordWrap = label.wordWrap;
  view.opaque = label.opaque;
  return view;
}

ControlView ViewOf(const Button& button) {
  ControlView view =
      Texted(ControlKind::kButton, button, button.caption, button.visible, button.font);
  view.backColor = button.backColor;
  view.tabIndex = button.tabIndex;
  return view;
}

ControlView ViewOf(const TextBox& box) {
  ControlView view = Texted(ControlKind::kTextBox, box, box.text, box.visible, box.font);
  view.backColor = box.backColor;
  view.tabIndex = box.tabIndex;
  return view;
}

// Visits the controls of a window in the order they are painted, by name and, in a control
// array, index (-1 for a control of its own). The square goes over the blocks, the lines over
// the shapes, texts and buttons over both.
template <typename Visit>
void ForEachControl(const Form1& f, Visit&& visit) {
  visit("shpinfo", -1, f.shpinfo);
  for (int i = 0; i < kBlockCount; ++i) {
    visit("shpother", i, f.shpother[static_cast<std::size_t>(i)]);
  }
  visit("shpgreen", -1, f.shpgreen);
  visit("lblspacebar", -1, f.lblspacebar);
  visit("lblcount", -1, f.lblcount);
  visit("lblscore1", -1, f.lblscore1);
  visit("lblscore", -1, f.lblscore);
  visit("lblhigh1", -1, f.lblhigh1);
  visit("lblhigh", -1, f.lblhigh);
  visit("lblname", -1, f.lblname);
  visit("lblcurrentscore", -1, f.lblcurrentscore);
  visit("lblalltime", -1, f.lblalltime);
  for (int row = 0; row < kTableRows; ++row) {
    const auto i = static_cast<std::size_t>(row);
    visit("lblscorenumber", row, f.table.lblscorenumber[i]);
    visit("lblhighname", row, f.table.lblhighname[i]);
    visit("lbluserscore", row, f.table.lbluserscore[i]);
  }
  visit("cmdreset", -1, f.cmdreset);
  visit("txtname", -1, f.txtname);
  visit("cmdsubmit", -1, f.cmdsubmit);
  visit("cmdmain", -1, f.cmdmain);
}

template <typename Visit>
void ForEachControl(const Form2& f, Visit&& visit) {
  visit("picture", -1, kTitleBand);
  visit("cmdplay", -1, f.cmdplay);
  visit("cmdhowto", -1, f.cmdhowto);
  visit("cmdabout", -1, f.cmdabout);
  visit("cmdexit", -1, f.cmdexit);
}

template <typename Visit>
void ForEachControl(const Frmhelp& h, Visit&& visit) {
  visit("Shape2", -1, h.Shape2);
  visit("Shape3", -1, h.Shape3);
  visit("Shape1", -1, h.Shape1);
  visit("shpred", -1, h.shpred);
  visit("Line3", -1, h.Line3);
  visit("Line4", -1, h.Line4);
  visit("Line1", 0, h.Line1[0]);
  visit("Line1", 1, h.Line1[1]);
  visit("Label1", -1, h.Label1);
  visit("Label2", -1, h.Label2);
  visit("Label3", -1, h.Label3);
  visit("Command1", -1, h.Command1);
}

ControlView ViewOf(const Geometry& picture) {
  return Placed(ControlKind::kPicture, picture);
}

// Calls visit with the window's form, so a caller writes its work once for all three.
template <typename Visit>
void ForEachControl(const Shell& shell, Window w, Visit&& visit) {
  switch (w) {
    case Window::kForm1:
      ForEachControl(*shell.form1(), visit);
      break;
    case Window::kForm2:
      ForEachControl(*shell.form2(), visit);
      break;
    case Window::kFrmhelp:
      ForEachControl(*shell.frmhelp(), visit);
      break;
  }
}

template <typename Drawn>
ControlView ViewOf(const Drawn& control, bool symbols) {
  ControlView view = ViewOf(control);
  if (symbols && view.kind == ControlKind::kShape && view.filled && view.backColor) {
    view.symbol = SymbolFor(*view.backColor);
  }
  return view;
}

std::string Named(std::string_view name, int index) {
  std::string named(name);
  if (index >= 0) {
    named += "(" + std::to_string(index) + ")";
  }
  return named;
}

}  // namespace

std::optional<int> WindowDescription::IndexOf(std::string_view name) const {
  for (std::size_t i = 0; i < controls.size(); ++i) {
    if (controls[i].name == name) {
      return static_cast<int>(i);
    }
  }
  return std::nullopt;
}

WindowDescription Describe(const Shell& shell, Window w, bool symbols) {
  WindowDescription description;
  description.window = w;
  switch (w) {
    case Window::kForm1:
      description.caption = kForm1Caption;
      description.width = kForm1ScaleWidth;
      description.height = kForm1ScaleHeight;
      description.backColor = kWhite;
      break;
    case Window::kForm2:
      description.caption = kForm2Caption;
      description.width = kForm2ScaleWidth;
      description.height = kForm2ScaleHeight;
      description.backColor = shell.form2()->backColor;
      break;
    case Window::kFrmhelp:
      description.caption = kFrmhelpCaption;
      description.width = kFrmhelpScaleWidth;
      description.height = kFrmhelpScaleHeight;
      break;
  }
  ForEachControl(shell, w, [&](std::string_view name, int index, const auto& control) {
    ControlView view = ViewOf(control, symbols);
    view.name = Named(name, index);
    if (view.kind == ControlKind::kButton) {
      view.button = ControlNamed(view.name);
    }
    description.controls.push_back(std::move(view));
  });
  return description;
}

std::uint64_t Update(WindowDescription& description, const Shell& shell, bool symbols) {
  static_assert(kTableRows * 3 + 25 <= 64, "a mask bit for every control");
  std::uint64_t changed = 0;
  std::size_t i = 0;
  ForEachControl(shell, description.window, [&](std::string_view, int, const auto& control) {
    ControlView& shown = description.controls[i];
    ControlView now = ViewOf(control, symbols);
    now.button = shown.button;
    std::string name = std::exchange(shown.name, {});
    if (!(now == shown)) {
      changed |= std::uint64_t{1} << i;
      shown = std::move(now);
    }
    shown.name = std::move(name);
    ++i;
  });
  return changed;
}

}  // namespace quibbet
