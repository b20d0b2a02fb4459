// The turtle of one line object: a current point (world units), the segment's angle theta
// (degrees), length L (mm) and direction sign r, and the strokes, moves and polygon vertices
// that the line types are built from.
#pragma once

#include <cstdint>

class Device;

class Turtle {
 public:
  Turtle(Device* dc, float x, float y, int16_t options);

  // Polar steps (mm, degrees).
  void Stroke(float angle, float lengthMM);
  void Move(float angle, float lengthMM);
  // A polar stroke carrying its own step type when recorded (code-9 and code-14 steps).
  void StrokeAs(float angle, float lengthMM, uint16_t code);
  void PolyVertex(float angle, float lengthMM);
  // Steps in world units.
  void Line(float dx, float dy, int16_t mode);
  void StrokeXY(float dx, float dy) { Line(dx, dy, StrokeMode()); }
  void MoveXY(float dx, float dy) { Line(dx, dy, -1); }
  void MoveToPoint(float px, float py) { MoveXY(px - x, py - y); }

  // Polygon buffer run from the current point; flushed filled in the attribute's colour or as an
  // outline. Only while drawing (not recording).
  void PolyStart();
  void PolyFill();
  void PolyOutline();

  // Draws line-type code 2..53 (not 6); codes without a shape draw nothing.
  void DrawShape(int code);

  Device* dc;
  float x, y;  // current point
  int16_t options;
  bool recording;
  // Whether filled shapes, device shapes and dash pixels are drawn (not when recording, nor on
  // screen output without the draw option).
  bool drawing;
  uint16_t attrib = 0;
  float theta = 0, L = 0;
  int r = 1;
  float farX = 0, farY = 0;  // the end of the segment the shape is built toward

 private:
  int16_t StrokeMode() const;
  int WidthClass() const { return ((attrib >> 8) & 7) + 1; }

  void Arrow(int code, float s, float k, float angle, float length);
  void ArrowHead(int code, float s, float angle);
  void ParallelLines(int code);
  void Wedge(int code);
  void InnerDoubleLine(float angle, float length);
  void Wavy();
  void Dashes(float dash);
  void Circle();
  void Hatches(bool wedge);
  void Rectangle();
  void Brackets(int code);
  void RoundedRectangle();
  void Polygon(int sides);
  void HexagonCircle();
  void HexagonDoubles(int code);
  void RingOutline(float a1, float a2);
  void ContinuousDashes(float dash);
  void CircleChords(float cx, float cy, float radiusMM, float startDeg, int chords);
};
