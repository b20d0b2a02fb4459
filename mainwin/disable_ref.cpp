#include "mainwin/disable_ref.h"

#include "platform/runtime_text.h"

bool ReadDisableRef(const std::string& value) {
  const std::string v = UCase(Trim(value));
  return !(v == "0" || v == "FALSE");
}
