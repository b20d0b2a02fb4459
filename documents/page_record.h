// One page of a drawing in packed form, and the moves between a page and the live step list.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "drawlib/util/byte_array.h"

inline constexpr float kUnsetOverride = -999.0f;

struct PageRec {
  int16_t flags = 0;           // bit 0: landscape
  float zoom = 0;              // the screen's zoom when captured
  float printScale = 0;
  float letterHeight = 0;      // letter-height override, -999 unset
  float panX = 0, panY = 0;
  int16_t reserved22 = 0;
  int16_t lastFixedStep = 0;
  int16_t stepCount = 0;
  int16_t reserved28 = 0;
  float lineLength = 0;        // line-length override, -999 unset
  float lineSpacing = 0;       // line-spacing override, -999 unset
  int16_t pageCount = 0;       // pages of the drawing (page 1)
  int16_t currentPage = 0;     // page shown (page 1)
  float override42 = 0, override46 = 0;  // two further overrides, carried
  uint8_t reserved50[58]{};    // carried through files unchanged
  std::string title, source;   // tags "$page-title", "$page-source"
  ByteArray objects;           // the page's steps, packed (long variant)
  std::string fileName, offset, numFormat;  // "$filename", "$page-offset", "$page-numformat"
  std::string reservedText1, reservedText2;
  std::string pgPosit;         // "$page-pgposit"
  int16_t pageNumber = 0;      // the "{Page#}" field; a load sets page p's to p
  std::string htmlFileName, html;  // "$page-finmhtml", "$HTML"
  int16_t drawingMarker = 0;
};

// A drawing's pages, numbered from 1 (index 0 is never a page).
using PageArray = std::vector<PageRec>;

void PageNew(PageRec& page);
void PageCapture(PageRec& page);
void PageRestore(PageRec& page);

// The number of the page the live step list holds: the page-number field of the page last
// restored into it (a page without one is page 1), or 1 for a drawing built in place.
int16_t LivePageNumber();
void LivePageNumberSet(int16_t number);

// "<" + tag + ">" + value + "</" + tag + ">" for each non-empty tag, "$HTML" always.
std::string PageTagsPack(const PageRec& page);
void PageTagsUnpack(PageRec& page, const std::string& tags);
