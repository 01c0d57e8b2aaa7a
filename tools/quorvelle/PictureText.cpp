#include "tools/quorvelle/PictureText.h"

#include <algorithm>
#include <vector>

#include "sim/dgn/TextLayout.h"

namespace {

// The font size at which the face's capitals are as high as the text, as the design
// file measures text heights. Glyph metrics are not hinted, so that advances keep the
// proportions the text's box was measured with.
double SizeForCapitals(cairo_t* cr, cairo_font_face_t* face, double height) {
  cairo_font_options_t* options = cairo_font_options_create();
  cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
  cairo_set_font_options(cr, options);
  cairo_font_options_destroy(options);
  const double probe = 100;
  cairo_set_font_face(cr, face);
  cairo_set_font_size(cr, probe);
  cairo_text_extents_t capital;
  cairo_text_extents(cr, "H", &capital);
  const double capRatio = capital.height > 0 ? capital.height / probe : 0.72;
  return height / capRatio;
}

// The length in bytes of the UTF-8 sequence a lead byte starts.
size_t SequenceLength(unsigned char lead) { return lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1; }

// The host gives each character of a font it measures a fixed width a character the
// same room (two for one outside the basic plane, as it counts). Each is drawn in the
// middle of its own, so that the pieces of a text drawn apart (the runs of a rich
// text) meet as the characters of the whole text do, and nothing is stretched.
void DrawInCharacterRooms(cairo_t* cr, const std::vector<TextRun>& runs, double size, double unitWidth) {
  double x = 0;
  for (const TextRun& run : runs) {
    if (!run.blank) {
      cairo_set_font_face(cr, run.face);
      cairo_set_font_size(cr, size);
    }
    for (size_t i = 0; i < run.utf8.size();) {
      const size_t n = std::min(SequenceLength(static_cast<unsigned char>(run.utf8[i])), run.utf8.size() - i);
      const std::string character = run.utf8.substr(i, n);
      const double room = (n == 4 ? 2 : 1) * unitWidth;
      if (!run.blank) {
        cairo_text_extents_t ext;
        cairo_text_extents(cr, character.c_str(), &ext);
        cairo_move_to(cr, x + (room - ext.x_advance) / 2, 0);
        cairo_show_text(cr, character.c_str());
      }
      x += room;
      i += n;
    }
  }
}

size_t Utf16Units(const std::vector<TextRun>& runs) {
  size_t units = 0;
  for (const TextRun& run : runs)
    for (size_t i = 0; i < run.utf8.size(); i += SequenceLength(static_cast<unsigned char>(run.utf8[i])))
      units += SequenceLength(static_cast<unsigned char>(run.utf8[i])) == 4 ? 2 : 1;
  return units;
}

}  // namespace

void DrawPictureText(cairo_t* cr, TextFaces& faces, const PictureTextFont& font, std::u16string_view text,
                     const PictureTextBox& box, double underlineBelow) {
  if (text.empty() || box.height <= 0) return;
  cairo_save(cr);
  const double size = SizeForCapitals(cr, faces.Face(font.family, font.bold, font.italic), box.height);
  const std::vector<TextRun> runs = faces.Split(font.family, font.bold, font.italic, text);
  std::vector<double> advances;
  double total = 0;
  for (const TextRun& run : runs) {
    double advance = run.blankEms * size;
    if (!run.blank) {
      cairo_set_font_face(cr, run.face);
      cairo_set_font_size(cr, size);
      cairo_text_extents_t ext;
      cairo_text_extents(cr, run.utf8.c_str(), &ext);
      advance = ext.x_advance;
    }
    advances.push_back(advance);
    total += advance;
  }

  cairo_translate(cr, box.x, box.y);
  cairo_rotate(cr, -box.angle);
  const size_t units = Utf16Units(runs);
  if (!font.measured && total <= box.width && units > 0) {
    DrawInCharacterRooms(cr, runs, size, box.width / static_cast<double>(units));
    total = box.width;
  } else {
    if (font.measured) {
      if (total > 0 && box.width > 0) cairo_scale(cr, box.width / total, 1);
    } else if (total > 0) {
      // Too wide for its box: uniformly smaller, placed in the box as the text is
      // justified.
      static const double across[3] = {0, 0.5, 1};
      static const double up[3] = {1, 0.5, 0};
      const double k = box.width / total;
      cairo_translate(cr, (box.width - total * k) * across[sim::JustColumn(box.just)],
                      -box.height * (1 - k) * up[sim::JustRow(box.just)]);
      cairo_scale(cr, k, k);
    }
    double x = 0;
    for (size_t i = 0; i < runs.size(); ++i) {
      if (!runs[i].blank) {
        cairo_set_font_face(cr, runs[i].face);
        cairo_set_font_size(cr, size);
        cairo_move_to(cr, x, 0);
        cairo_show_text(cr, runs[i].utf8.c_str());
      }
      x += advances[i];
    }
  }
  if (underlineBelow >= 0) {
    cairo_set_line_width(cr, std::max(1.0, box.height / 12));
    cairo_move_to(cr, 0, underlineBelow);
    cairo_line_to(cr, total, underlineBelow);
    cairo_stroke(cr);
  }
  cairo_restore(cr);
}
