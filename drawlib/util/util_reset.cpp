#include "drawlib/util/util_reset.h"

#include "drawlib/util/error_location.h"
#include "drawlib/util/geometry.h"

void ResetUtilState() {
  ErrorLocation = 0;
  ResetRotationCache();
}
