#include "shell/form2.h"

namespace quibbet {

namespace {

Button MenuButton(Twips left, Twips top, std::string_view caption, Colour colour, int tabIndex) {
  Button button;
  button.left = left;
  button.top = top;
  button.width = 2535;
  button.height = 615;
  button.caption = std::string(caption);
  button.font = {"Lithos Pro Regular", 15.75f, 850, true};
  button.tabIndex = tabIndex;
  button.backColor = colour;
  return button;
}

}  // namespace

Form2::Form2()
    : cmdplay(MenuButton(360, 3480, "Play", kGreen, 0)),
      cmdhowto(MenuButton(1080, 4320, "How To Play", kYellow, 1)),
      cmdabout(MenuButton(1800, 5160, "About", kRed, 2)),
      cmdexit(MenuButton(2400, 6120, "Exit", kMagenta, 3)) {}

}  // namespace quibbet
