#include "drawlib/ui/picture_output_object.h"

void PictureOutputObject::SetForeColor(uint32_t rgb) { picture_.ForeColor = rgb; }
void PictureOutputObject::SetBackColor(uint32_t rgb) { picture_.BackColor = rgb; }
void PictureOutputObject::SetDrawStyle(int16_t style) { picture_.DrawStyle = style; }
void PictureOutputObject::SetDrawMode(int16_t mode) { picture_.DrawMode = mode; }
float PictureOutputObject::WidthTwips() const { return picture_.ScaleWidth(); }
float PictureOutputObject::HeightTwips() const { return picture_.ScaleHeight(); }
float PictureOutputObject::TwipsPerPixelX() const { return picture_.TwipsPerPixelX(); }
float PictureOutputObject::TwipsPerPixelY() const { return picture_.TwipsPerPixelY(); }
