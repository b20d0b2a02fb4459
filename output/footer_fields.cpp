#include "output/footer_fields.h"

bool FooterFieldAdd(std::string& list, const std::string& word) {
  // Searching "|" + list for "|" + word + "|" matches whole words only, so "Filename" is still
  // added after "Filename and Path".
  if (("|" + list).find("|" + word + "|") != std::string::npos) return false;
  list += word + "|";
  return true;
}
