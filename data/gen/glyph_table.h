// The glyph table of the stroke font: one line per code or code range "first-last" naming where
// its glyph comes from. Forms (codes as decimal numbers or as one character):
//   <codes> hershey <file> [<position>]  glyphs of a .jhf font by position (32 = the file's first
//                                        glyph); a range takes consecutive positions, by default
//                                        the codes themselves
//   <codes> strokes <data>               our own glyph in the .jhf notation (bearings, then pairs)
//   shape <name> <data>                  a named glyph in that notation, for accents and signs
//   <codes> shape <name>                 the named glyph
//   <codes> accented <base> <shape>...   the base glyph (inserted by reference) with one accent
//                                        shape per code centred on it, above its top
//   <codes> like <code>                  the entry of an earlier code
//   <codes> blank <width>                an empty glyph of that width
//   <codes> command <text>               "CP" and the text, width 0
// Codes the table does not name get an empty glyph with the width of the blank (32).
#pragma once

#include <map>
#include <string>
#include <string_view>

#include "data/gen/sources.h"

namespace datgen {

// Entries first..last (each its glyph entry bytes) from the table text; fonts are read through `finder`.
bool GlyphTableEntries(std::string_view table, int first, int last, const SourceFinder& finder,
                       std::map<int, std::string>& entries, std::string& err);

}  // namespace datgen
