#include "desktop/font_map.h"

#include <array>
#include <cmath>
#include <utility>

#include "desktop/qt_convert.h"

namespace quibbet {

namespace {

// Liberation Sans matches MS Sans Serif's metrics closely; URW Bookman is a Bookman revival;
// URW Gothic is a geometric sans whose Demi cut carries the heavy display captions.
constexpr std::array<std::pair<std::string_view, std::string_view>, 3> kFreeFaces = {{
    {"MS Sans Serif", "Liberation Sans"},
    {"Bookman Old Style", "URW Bookman"},
    {"Lithos Pro Regular", "URW Gothic"},
}};

// Points are 1/72 inch; the designs were laid out at 96 pixels per inch.
constexpr double kPixelsPerPoint = 96.0 / 72.0;

// The designed face has capitals alone; its stand-in reads as such only in small capitals,
// where an i can no longer pass for an l.
constexpr std::string_view kAllCapitalsFace = "Lithos Pro Regular";

std::string_view FreeFace(std::string_view face) {
  for (const auto& [designed, free] : kFreeFaces) {
    if (designed == face) {
      return free;
    }
  }
  return face;
}

}  // namespace

QFont ToQFont(const Font& font) {
  QFont result(ToQString(FreeFace(font.face)));
  result.setPixelSize(static_cast<int>(std::lround(font.points * kPixelsPerPoint)));
  // Qt's weights are on the same 1-1000 scale as the designs' (400 normal, 700 bold).
  result.setWeight(static_cast<QFont::Weight>(font.weight));
  result.setItalic(font.italic);
  if (font.face == kAllCapitalsFace) {
    result.setCapitalization(QFont::SmallCaps);
  }
  return result;
}

}  // namespace quibbet
