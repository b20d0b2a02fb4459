// The spectrum object: a step of type SpecObjectType whose label is an object header and whose
// data is the SpecPacket, the byte form of a spectrum record with its points.
//
// SpecPacket: the header label, byte 17, Integer 40, Integer count of the bytes that follow,
// then packets (Integer type, Integer length read as unsigned, payload) in the order
// 18, 1, 44, 42, 45..., 46..., 47..., 49, 41, 43. Little-endian throughout.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "documents/spec_record.h"
#include "drawlib/steps/step_list.h"
#include "drawlib/util/byte_array.h"

inline constexpr uint16_t SpecObjectType = 0xFFFC;
inline constexpr int32_t kSpecMaxPoints = 32766;  // the most one 16-bit length can carry

// Packet types.
enum SpecPacketType : int16_t {
  kSpecPktStart = 18, kSpecPktParams = 1, kSpecPktCaption = 44, kSpecPktStrings = 42,
  kSpecPktIntegral = 45, kSpecPktInset = 46, kSpecPktMarker = 47, kSpecPktAnnotNoValues = 48,
  kSpecPktAnnot = 49, kSpecPktHead = 41, kSpecPktPoints = 43,
};

// The Pardata rows a spectrum object carries (its spectrum layout), as character codes.
const std::string& SpecParameterList();

// Packs the record and the point values 0..points (a short array counts as zeros) into data and
// sets the header label. Changes the caller's record as a pack does: the current layout is made
// valid (flag 0x200), the baseline cleared, the item counts become the numbers of items stored
// (those strictly inside the spectrum's range), annotations outside the range are dropped, and
// an integral multiplier of 0 becomes 1. More than 32766 points (or fewer than 0) is reported
// as "SpecPack. " and gives no object (data empty).
void SpecPack(ByteArray& data, std::string& headerLabel, const std::string& caption,
              SpecRec& rec, const std::vector<int16_t>& points);

// Decodes a packet into the record (its head, items, annotations and strings), the caption and
// the points (0..length/2 of packet 43). Sets the carried Pardata rows. Damage is reported once
// and never makes the reading run backwards or past the data.
void SpecUnpack(const ByteArray& data, const std::string& headerLabel, std::string& caption,
                SpecRec& rec, std::vector<int16_t>& points);

// The packet bytes a step's data holds (bytes as they are, a text one byte per character).
ByteArray SpecStepBytes(const StepData& data);

// The flag word of the last spectrum packed in this process (0 before any).
int16_t SpecDefaultFlags();

// Forgets the last packed flags (tests).
void SpecPacketReset();
