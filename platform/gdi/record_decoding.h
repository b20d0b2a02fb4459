// What the readers of both metafile formats make of one record.
#pragma once

#include <utility>
#include <vector>

#include "platform/gdi/metafile_commands.h"

// Drawn: a command for the player; known: a setting that changes nothing drawn; skipped: a
// record the player does not know; bad: a record that does not hold what it needs.
enum class Decoded { kDrawn, kKnown, kSkipped, kBad };

// The decoded command kept, when every field of it could be read.
inline Decoded KeepCommand(bool readAll, MetaCommand&& c, std::vector<MetaCommand>& out) {
  if (!readAll) return Decoded::kBad;
  out.push_back(std::move(c));
  return Decoded::kDrawn;
}
