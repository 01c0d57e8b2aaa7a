// The faces the picture draws a text in: the face fontconfig gives for the text's
// family, and for each character that face lacks, the first of fontconfig's fallback
// faces that has it, so that East Asian characters and symbols show as themselves and
// not as the missing-glyph box of a Latin font.
#pragma once

#include <cairo.h>
#include <fontconfig/fontconfig.h>

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// A piece of a text drawn in one face. A blank piece holds spaces that no installed
// face has: nothing is drawn for it, it only takes its room.
struct TextRun {
  cairo_font_face_t* face = nullptr;  // owned by the TextFaces that gave it
  std::string utf8;
  bool blank = false;
  double blankEms = 0;  // the room of a blank piece, in ems
};

// The faces of one picture, kept while it is drawn. Every face it gives lives as long
// as it does; it must be destroyed before fontconfig is finalised.
class TextFaces {
 public:
  TextFaces();
  ~TextFaces();
  TextFaces(const TextFaces&) = delete;
  TextFaces& operator=(const TextFaces&) = delete;

  // The face fontconfig gives for the family (its substitute when it is not installed).
  cairo_font_face_t* Face(const std::string& family, bool bold, bool italic);
  // The text split into runs of the faces that have its characters; a character that
  // no face has stays with the family's face, which draws its missing-glyph box.
  std::vector<TextRun> Split(const std::string& family, bool bold, bool italic, std::u16string_view text);

 private:
  struct Family;
  Family& FamilyOf(const std::string& family, bool bold, bool italic);
  cairo_font_face_t* Fallback(Family& f, FcChar32 c);
  cairo_font_face_t* FaceOfFont(FcPattern* font);

  std::map<std::string, std::unique_ptr<Family>> families_;
  std::map<std::string, cairo_font_face_t*> faces_;  // by font file, index and synthetic styles
};
