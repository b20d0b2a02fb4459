#include "drawlib/util/error_location.h"

int16_t ErrorLocation = 0;
