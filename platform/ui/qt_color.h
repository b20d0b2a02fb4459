// Colours are 32-bit values 0x00BBGGRR in the programs and their files; Qt wants QColor.
#pragma once

#include <QColor>

#include <cstdint>

inline QColor ToQColor(uint32_t bgr) {
  return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                static_cast<int>((bgr >> 16) & 0xFF));
}

inline uint32_t FromQColor(const QColor& c) {
  QColor rgb = c.toRgb();
  return static_cast<uint32_t>(rgb.red()) | (static_cast<uint32_t>(rgb.green()) << 8) |
         (static_cast<uint32_t>(rgb.blue()) << 16);
}
