#include "drawlib/device/draw_options.h"

uint32_t DrawOptions = 0;
