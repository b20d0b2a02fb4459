// Replays decoded metafile commands onto a Device: the object table (create, select, delete,
// stock objects), saved device-context states, the current position, the logical-to-device
// mapping, colours and modes. The state lives in MetafilePlaybackState, which the caller owns
// and resets, so one picture never sees what an earlier one left.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <variant>
#include <vector>

#include "platform/gdi/device.h"
#include "platform/gdi/metafile_commands.h"
#include "platform/gdi/metafile_geometry.h"
#include "platform/gdi/metafile_mapping.h"

inline constexpr int32_t kBkTransparent = 1;
inline constexpr int32_t kBkOpaque = 2;
inline constexpr int32_t kFillAlternate = 1;
inline constexpr int32_t kFillWinding = 2;

inline constexpr int32_t kArcCounterClockwise = 1;
inline constexpr int32_t kArcClockwise = 2;

// The world transform: page = (m11 x + m21 y + dx, m12 x + m22 y + dy).
struct WorldTransform {
  double m11 = 1, m12 = 0, m21 = 0, m22 = 1, dx = 0, dy = 0;
};

// One step of building the clip, in device pixels, kept so that a restored state can build
// its clip again.
struct ClipStep {
  std::vector<GdiRing> rings;
  bool winding = false;
  GdiClipMode mode = kClipCopy;
};

// The steps of a clip, the last one first; shared by saved states, never changed.
struct ClipNode {
  ClipStep step;
  std::shared_ptr<const ClipNode> before;
};

// A figure of a path, in device units.
struct PathFigure {
  std::vector<DPoint> points;
  bool closed = false;
};

struct MetafileDcState {
  MetafileMapping mapping;
  WorldTransform world;
  MetaPen pen;
  MetaBrush brush;
  MetaFont font;  // height 0: the default size
  uint32_t textColor = 0;
  uint32_t bkColor = 0xFFFFFF;
  int32_t bkMode = kBkOpaque;
  uint16_t textAlign = 0;  // left, top, no update of the current position
  int32_t polyFillMode = kFillAlternate;
  double positionX = 0, positionY = 0;  // current position in device units
  int32_t arcDirection = kArcCounterClockwise;
  std::shared_ptr<const ClipNode> clip;  // none: no clip
};

// The path: open while its bracket is, then complete until used. It is not part of the saved
// states.
struct MetafilePath {
  std::vector<PathFigure> figures;
  bool open = false;
  bool widened = false;  // the figures are the outline of a stroke: filled by winding
};

// An object of the table: pens, brushes and fonts are drawn with; other kinds (palettes,
// regions, pattern brushes) only hold their slot.
using MetaObject = std::variant<std::monostate, MetaPen, MetaBrush, MetaFont>;

struct MetafilePlaybackState {
  MetafileDcState dc;
  MetafilePath path;
  std::vector<std::optional<MetaObject>> objects;
  std::vector<MetafileDcState> saved;
  void Reset() { *this = MetafilePlaybackState(); }
};

// Where the picture lands: device = scale * (the metafile's own mapping) + offset, and the
// pixels per millimetre that fixed map modes use.
struct PlaybackTarget {
  double scaleX = 1, scaleY = 1, offsetX = 0, offsetY = 0;
  double pixelsPerMmX = 96 / 25.4, pixelsPerMmY = 96 / 25.4;
};

// An enhanced metafile played into a rectangle: its picture frame is mapped onto it.
PlaybackTarget FrameOntoRect(const MetafilePicture& picture, int32_t left, int32_t top,
                             int32_t right, int32_t bottom);

// Plays every command; returns whether any of them drew (or would have drawn, off the
// device) something.
bool PlayMetafile(const MetafilePicture& picture, MetafilePlaybackState& state, Device& device,
                  const PlaybackTarget& target = {});
