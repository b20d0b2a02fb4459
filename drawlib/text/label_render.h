// Label rendering: one laid-out line of a label, character by character, on a
// device context (runs of named-font text, stroke glyphs of the built-in fonts) or as PostScript
// label text for the PostScript writer.
#pragma once

#include <cstdint>
#include <string>

#include "drawlib/steps/step_list.h"

class Device;

// Draws one line at the anchor (x, y) with the box filled by the layout.
void LabelDrawDevice(Device* dc, const std::string& text, float x, float y,
                     const StepBoxRec& box, int16_t flags);
void LabelDrawPS(Device* dc, const std::string& text, float x, float y, const StepBoxRec& box,
                 int16_t flags);

// Outputs the pending run at the pen (penY its baseline) and advances the pen by its width;
// symbol: the run is in the Symbol face; reposition: move the current point to the pen first.
void TextRunFlush(Device* dc, std::string& run, float& penX, float penY, float anchorX,
                  float anchorY, bool symbol, bool& reposition);
// The baseline of a character in sub/superscript state `ss` (0 normal, 1 subscript,
// 2 superscript, as the markup reader gives it) on a line whose baseline is y0, with the line's
// height unit h and the sub/superscript offset (row 22).
float SubSuperBaseline(float y0, int ss, float h, float offset);
// Switches the device font height between normal (state 0) and sub/superscript (state 1).
void FontHeightSwitch(int16_t& oldState, int16_t newState, int16_t namedFont);

// Draws built-in glyph `code` with its origin at the pen (rotated about the anchor by the
// direction) and advances the pen by width x unitX x 21 / 150. gridWidth receives the glyph's
// width in grid units when it exceeds 50, else 0. glyphFlags (1, 4, 32) hold to the end of the
// line.
void GlyphDraw(Device* dc, int16_t code, float& penX, float penY, float anchorX, float anchorY,
               float unitX, float unitY, int16_t& glyphFlags, int16_t& gridWidth);
// Interprets one glyph string ("UC", "RC" strokes, "CP" commands) with its origin at (x, y);
// returns the number of a "UL" command (else 0).
int16_t GlyphStrokeDraw(Device* dc, const std::string& glyph, float x, float y, float unitX,
                        float unitY, int16_t& glyphFlags, int16_t gridWidth);

// The state the strokes keep between glyphs (tests).
void LabelRenderReset();
