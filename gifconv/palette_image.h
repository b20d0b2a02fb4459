// The DIB onto a gd palette image: the background colour first (index 0), then every other
// colour in the order it first occurs, exact colours only.
#pragma once

#include <gd.h>

#include <cstdint>
#include <span>

// The caller's colour with FLAG_BACKGROUND_COLOR, else white 0x00FFFFFF.
uint32_t BackgroundColorFromFlags(uint32_t flags, uint32_t color);

// Fills the fresh palette image from the packed DIB: index 0 is the background (transparent
// with FLAG_TRANSPARENT), interlace with FLAG_INTERLACE. Pixels of the background colour keep
// index 0; others take their exact colour's entry or a new one; once 256 entries are taken, a
// new colour takes the closest entry. False when the DIB cannot be read.
bool DibToPaletteImage(std::span<const uint8_t> dib, gdImagePtr image, uint32_t flags,
                       uint32_t color);
