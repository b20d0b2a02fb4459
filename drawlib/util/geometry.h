// Plane geometry helpers (angles in radians).
#pragma once

#include <cstdint>
#include <vector>

// Rotates (x, y) about the origin counter-clockwise. The sine and cosine are cached: an angle
// within 0.005 rad of the cached one reuses them.
void RotatePoint(float& x, float& y, float angle);
// Rotates (x, y) about the centre (cx, cy).
void RotateAbout(float cx, float cy, float& x, float& y, float angle);
// Forgets the cached sine and cosine (tests).
void ResetRotationCache();

// The direction of (x, y) from 0 up to 2 pi, with pi taken as the float 3.1415932; 0 for the
// zero vector.
double VectorAngle(float x, float y);
// The direction as VectorAngle; `length` receives the vector's length.
float VectorPolar(float x, float y, float& length);

// True only when left < x < right and bottom < y < top.
bool PointInRect(float x, float y, float left, float bottom, float right, float top);

// Largest and smallest of items first..last (clipped to the array); both start at item first.
// Nothing changes when first lies outside the array.
void ArrayMinMax(const std::vector<float>& items, float& largest, float& smallest, int32_t first,
                 int32_t last);
