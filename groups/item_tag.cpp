#include "groups/item_tag.h"

#include <vector>

#include "drawlib/util/strings.h"

namespace {

struct TagField {
  const char* key;
  std::string SimItem::*field;
};

// The keys in build order ("ParamIncr" follows them).
const TagField kTagFields[] = {
    {"Type", &SimItem::Type},           {"Group", &SimItem::Group},
    {"SpecRef", &SimItem::SpecRef},     {"SpecMHz", &SimItem::SpecMHz},
    {"SpectType", &SimItem::SpectType}, {"vertMult", &SimItem::VertMult},
    {"VertLockHt", &SimItem::VertLockHt}, {"VertLock", &SimItem::VertLock},
    {"SpecOffset", &SimItem::SpecOffset}, {"ScreenParam", &SimItem::ScreenParam},
    {"SpecVertMult", &SimItem::SpecVertMult},
};

bool HasTag(const std::string& tag, const char* key) {
  return tag.find("<" + std::string(key) + ">") != std::string::npos;
}

}  // namespace

std::string ItemTagBuild(const SimItem& item) {
  std::string tag;
  for (const TagField& f : kTagFields) tag = TagSet(tag, f.key, item.*f.field);
  int16_t type = -1;
  const int16_t last = ItemTypeOf(item.Type, type) && type >= 0 ? TypeLastPar(type) : -1;
  std::vector<std::string> incr(item.ParamIncr.begin(), item.ParamIncr.end());
  return TagSet(tag, "ParamIncr", ArrayJoin(incr, "|", last));
}

void ItemTagParse(const std::string& tag, SimItem& item) {
  for (const TagField& f : kTagFields)
    if (HasTag(tag, f.key)) item.*f.field = TagGet(tag, f.key);
  if (!HasTag(tag, "ParamIncr")) return;
  std::vector<std::string> incr(kSimParCount);
  ArraySplit(TagGet(tag, "ParamIncr"), incr, "|", "1");
  for (size_t k = 0; k < item.ParamIncr.size(); ++k) item.ParamIncr[k] = incr[k];
}

bool ItemTagTypeValid(const std::string& tag) {
  int16_t type = -1;
  return !HasTag(tag, "Type") || ItemTypeOf(TagGet(tag, "Type"), type);
}
