// The drawing of one saved simulation: page index + 1 of the drawing file beside the group file
// (same path, extension "zef"); page 1 holds the page count.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "documents/page_record.h"

// Reads the drawing file afresh, grows it to index + 1 pages when needed (new pages empty),
// lets `draw` fill page index + 1 and writes the file back, all under the group's lock so that
// a save by another instance in between is neither lost nor loses this one. False (nothing
// written) when the existing drawing file cannot be read, with a message (or, when `unreadable`
// is given, with it set and no message); false when the write failed (the drawing-file writer
// reported it).
bool SaveItemDrawing(int16_t index, const std::string& groupPath,
                     const std::function<void(PageRec&)>& draw, bool* unreadable = nullptr);

// Puts a file back as it was before a save that must be undone: its old bytes, or no file when
// there was none. False when that could not be done.
bool PutFileBack(const std::string& path, const std::optional<std::string>& before);
