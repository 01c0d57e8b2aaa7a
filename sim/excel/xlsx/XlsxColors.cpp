#include "sim/excel/xlsx/XlsxColors.h"

#include <algorithm>
#include <cmath>
#include <string_view>

#include "sim/excel/xlsx/XlsxXml.h"

namespace sim {
namespace {

// Excel's default palette of 64 colours.
constexpr std::uint32_t kDefaultPalette[64] = {
    0x000000, 0xFFFFFF, 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00, 0xFF00FF, 0x00FFFF,  //
    0x000000, 0xFFFFFF, 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00, 0xFF00FF, 0x00FFFF,  //
    0x800000, 0x008000, 0x000080, 0x808000, 0x800080, 0x008080, 0xC0C0C0, 0x808080,  //
    0x9999FF, 0x993366, 0xFFFFCC, 0xCCFFFF, 0x660066, 0xFF8080, 0x0066CC, 0xCCCCFF,  //
    0x000080, 0xFF00FF, 0xFFFF00, 0x00FFFF, 0x800080, 0x800000, 0x008080, 0x0000FF,  //
    0x00CCFF, 0xCCFFFF, 0xCCFFCC, 0xFFFF99, 0x99CCFF, 0xFF99CC, 0xCC99FF, 0xFFCC99,  //
    0x3366FF, 0x33CCCC, 0x99CC00, 0xFFCC00, 0xFF9900, 0xFF6600, 0x666699, 0x969696,  //
    0x003366, 0x339966, 0x003300, 0x333300, 0x993300, 0x993366, 0x333399, 0x333333,
};
// Indexed colours past the palette are the system's: 64 window text, 65 window.
constexpr int kSystemBackground = 65;

// The Office theme's colours, in the file's order dk1, lt1, dk2, lt2, accent1-6,
// hlink, folHlink.
constexpr std::uint32_t kOfficeTheme[12] = {0x000000, 0xFFFFFF, 0x44546A, 0xE7E6E6, 0x4472C4, 0xED7D31,
                                            0xA5A5A5, 0xFFC000, 0x5B9BD5, 0x70AD47, 0x0563C1, 0x954F72};
constexpr std::string_view kSchemeNames[12] = {"dk1",     "lt1",     "dk2",     "lt2",     "accent1", "accent2",
                                               "accent3", "accent4", "accent5", "accent6", "hlink",   "folHlink"};

// Excel numbers the first two pairs light before dark.
int ThemeIndexOfSchemeSlot(int slot) { return slot < 4 ? (slot ^ 1) : slot; }

std::optional<std::uint32_t> ParseHexRgb(std::string_view text) {
  if (text.size() == 8) text.remove_prefix(2);  // ARGB: the alpha byte is not used
  if (text.size() != 6) return std::nullopt;
  std::uint32_t value = 0;
  for (char c : text) {
    int digit = HexDigit(c);
    if (digit < 0) return std::nullopt;
    value = value * 16 + static_cast<std::uint32_t>(digit);
  }
  return value;
}

// Turns the luminance of a colour in HLS space, as Excel's tints and DrawingML's
// lumMod and lumOff do.
template <typename Change>
std::uint32_t WithLuminance(std::uint32_t rgb, Change change) {
  double r = ((rgb >> 16) & 0xFF) / 255.0, g = ((rgb >> 8) & 0xFF) / 255.0, b = (rgb & 0xFF) / 255.0;
  double high = std::max({r, g, b}), low = std::min({r, g, b});
  double lum = (high + low) / 2, hue = 0, sat = 0;
  if (high != low) {
    double range = high - low;
    sat = lum <= 0.5 ? range / (high + low) : range / (2 - high - low);
    if (high == r) hue = (g - b) / range;
    else if (high == g) hue = 2 + (b - r) / range;
    else hue = 4 + (r - g) / range;
    hue /= 6;
    if (hue < 0) hue += 1;
  }
  lum = std::clamp(change(lum), 0.0, 1.0);
  auto channel = [&](double m1, double m2, double h) {
    h -= std::floor(h);
    if (h < 1.0 / 6) return m1 + (m2 - m1) * h * 6;
    if (h < 0.5) return m2;
    if (h < 2.0 / 3) return m1 + (m2 - m1) * (2.0 / 3 - h) * 6;
    return m1;
  };
  double m2 = lum <= 0.5 ? lum * (1 + sat) : lum + sat - lum * sat;
  double m1 = 2 * lum - m2;
  double out[3] = {channel(m1, m2, hue + 1.0 / 3), channel(m1, m2, hue), channel(m1, m2, hue - 1.0 / 3)};
  if (sat == 0) out[0] = out[1] = out[2] = lum;
  std::uint32_t result = 0;
  for (double c : out) result = result * 256 + static_cast<std::uint32_t>(std::lround(std::clamp(c, 0.0, 1.0) * 255));
  return result;
}

// DrawingML's scheme colour names, the text and background aliases among them.
std::optional<int> SchemeSlot(std::string_view name) {
  if (name == "tx1") name = "dk1";
  else if (name == "bg1") name = "lt1";
  else if (name == "tx2") name = "dk2";
  else if (name == "bg2") name = "lt2";
  for (int slot = 0; slot < 12; ++slot)
    if (kSchemeNames[slot] == name) return slot;
  return std::nullopt;
}

// The preset colours drawings use; others are left unresolved.
struct PresetColor {
  std::string_view name;
  std::uint32_t rgb;
};
constexpr PresetColor kPresetColors[] = {
    {"black", 0x000000}, {"white", 0xFFFFFF}, {"red", 0xFF0000},   {"green", 0x008000},  {"blue", 0x0000FF},
    {"yellow", 0xFFFF00}, {"cyan", 0x00FFFF}, {"magenta", 0xFF00FF}, {"gray", 0x808080}, {"grey", 0x808080},
    {"lime", 0x00FF00},  {"navy", 0x000080}, {"maroon", 0x800000}, {"olive", 0x808000}, {"purple", 0x800080},
    {"teal", 0x008080},  {"silver", 0xC0C0C0}, {"orange", 0xFFA500}};

// sRGB and linear light, which DrawingML's shade and tint work in.
double ToLinear(double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); }
double FromLinear(double c) { return c <= 0.0031308 ? c * 12.92 : 1.055 * std::pow(c, 1 / 2.4) - 0.055; }

template <typename Change>
std::uint32_t EachLinearChannel(std::uint32_t rgb, Change change) {
  std::uint32_t result = 0;
  for (int shift = 16; shift >= 0; shift -= 8) {
    double c = change(ToLinear(((rgb >> shift) & 0xFF) / 255.0));
    result = result * 256 + static_cast<std::uint32_t>(std::lround(std::clamp(FromLinear(std::clamp(c, 0.0, 1.0)), 0.0, 1.0) * 255));
  }
  return result;
}

std::optional<std::uint32_t> BaseDrawingColor(pugi::xml_node element, const WorkbookColors& colors,
                                              std::optional<std::uint32_t> placeholder) {
  std::string_view kind = LocalName(element.name());
  std::string_view value = Attr(element, "val").value();
  if (kind == "srgbClr") return ParseHexRgb(value);
  if (kind == "sysClr") return ParseHexRgb(Attr(element, "lastClr").value());
  if (kind == "schemeClr") {
    if (value == "phClr") return placeholder;
    std::optional<int> slot = SchemeSlot(value);
    if (!slot) return std::nullopt;
    return colors.theme[static_cast<std::size_t>(ThemeIndexOfSchemeSlot(*slot))];
  }
  if (kind == "prstClr") {
    for (const PresetColor& preset : kPresetColors)
      if (preset.name == value) return preset.rgb;
    return std::nullopt;
  }
  if (kind == "scrgbClr") {
    std::uint32_t rgb = 0;
    for (std::string_view channel : {"r", "g", "b"}) {
      double linear = std::clamp(NumberAttr(element, channel).value_or(0) / 100000, 0.0, 1.0);
      rgb = rgb * 256 + static_cast<std::uint32_t>(std::lround(std::clamp(FromLinear(linear), 0.0, 1.0) * 255));
    }
    return rgb;
  }
  return std::nullopt;
}

void ApplyDrawingModifiers(pugi::xml_node element, DrawingColor* color) {
  for (pugi::xml_node modifier = element.first_child(); modifier; modifier = modifier.next_sibling()) {
    std::optional<double> value = NumberAttr(modifier, "val");
    if (modifier.type() != pugi::node_element || !value) continue;
    const double amount = std::clamp(*value / 100000, -10.0, 10.0);
    std::string_view name = LocalName(modifier.name());
    if (name == "lumMod") color->rgb = WithLuminance(color->rgb, [amount](double lum) { return lum * amount; });
    else if (name == "lumOff") color->rgb = WithLuminance(color->rgb, [amount](double lum) { return lum + amount; });
    else if (name == "shade") color->rgb = EachLinearChannel(color->rgb, [amount](double c) { return c * amount; });
    else if (name == "tint")
      color->rgb = EachLinearChannel(color->rgb, [amount](double c) { return 1 - (1 - c) * amount; });
    else if (name == "alpha") color->alpha = std::clamp(amount, 0.0, 1.0);
  }
}

}  // namespace

WorkbookColors::WorkbookColors() : indexed(std::begin(kDefaultPalette), std::end(kDefaultPalette)) {
  for (int slot = 0; slot < 12; ++slot) theme[ThemeIndexOfSchemeSlot(slot)] = kOfficeTheme[slot];
}

void ReadThemeColors(const XmlPart& part, WorkbookColors* colors) {
  pugi::xml_node scheme = Child(Child(Root(part), "themeElements"), "clrScheme");
  for (int slot = 0; slot < 12; ++slot) {
    pugi::xml_node entry = Child(scheme, kSchemeNames[slot]);
    std::optional<std::uint32_t> rgb;
    if (pugi::xml_node srgb = Child(entry, "srgbClr")) rgb = ParseHexRgb(Attr(srgb, "val").value());
    // A system colour carries the value it had when the file was saved.
    else if (pugi::xml_node sys = Child(entry, "sysClr")) rgb = ParseHexRgb(Attr(sys, "lastClr").value());
    if (rgb) colors->theme[ThemeIndexOfSchemeSlot(slot)] = *rgb;
  }
}

void ReadIndexedColors(pugi::xml_node stylesheet, WorkbookColors* colors) {
  pugi::xml_node list = Child(Child(stylesheet, "colors"), "indexedColors");
  if (!list) return;
  std::vector<std::uint32_t> palette;
  for (pugi::xml_node entry : Children(list, "rgbColor")) {
    if (palette.size() == 64) break;
    palette.push_back(ParseHexRgb(Attr(entry, "rgb").value()).value_or(0));
  }
  // A short list overrides only the colours it gives.
  for (size_t i = 0; i < palette.size(); ++i) colors->indexed[i] = palette[i];
}

ColorData ReadColor(pugi::xml_node element, const WorkbookColors& colors) {
  ColorData color;
  if (!element) {
    color.automatic = true;
    return color;
  }
  color.present = true;
  color.tint = std::clamp(NumberAttr(element, "tint").value_or(0.0), -1.0, 1.0);
  std::optional<std::uint32_t> base;
  if (BoolAttr(element, "auto", false)) {
    color.automatic = true;
  } else if (std::optional<std::uint32_t> rgb = ParseHexRgb(Attr(element, "rgb").value())) {
    base = rgb;
  } else if (std::optional<long long> theme = IntAttr(element, "theme", 0, 1000)) {
    color.theme = static_cast<int>(*theme);
    if (*theme < 12) base = colors.theme[*theme];
  } else if (std::optional<long long> indexed = IntAttr(element, "indexed", 0, 1000)) {
    color.indexed = static_cast<int>(*indexed);
    if (*indexed < static_cast<long long>(colors.indexed.size())) {
      base = colors.indexed[*indexed];
    } else {
      color.automatic = true;
      color.rgb = *indexed == kSystemBackground ? 0xFFFFFF : 0x000000;
    }
  } else {
    color.automatic = true;
  }
  if (base) color.rgb = ApplyTint(*base, color.tint);
  else color.automatic = true;  // nothing it names can be resolved
  return color;
}

std::uint32_t ApplyTint(std::uint32_t rgb, double tint) {
  if (tint == 0) return rgb;
  return WithLuminance(rgb, [tint](double lum) { return tint < 0 ? lum * (1 + tint) : lum * (1 - tint) + tint; });
}

std::optional<DrawingColor> ReadDrawingColor(pugi::xml_node parent, const WorkbookColors& colors,
                                             std::optional<std::uint32_t> placeholder) {
  for (pugi::xml_node element = parent.first_child(); element; element = element.next_sibling()) {
    if (element.type() != pugi::node_element) continue;
    std::optional<std::uint32_t> rgb = BaseDrawingColor(element, colors, placeholder);
    if (!rgb) continue;
    DrawingColor color{*rgb, 1};
    ApplyDrawingModifiers(element, &color);
    return color;
  }
  return std::nullopt;
}

}  // namespace sim
