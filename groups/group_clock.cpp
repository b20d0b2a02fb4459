#include "groups/group_clock.h"

#include "platform/runtime_numbers.h"

namespace {
GroupClock gClock;
std::tm Now() { return gClock ? gClock() : NowLocal(); }
}  // namespace

void SetGroupClock(GroupClock clock) { gClock = std::move(clock); }

std::string GroupDateText() { return FormatDateTime(Now(), "yyyy-mm-dd"); }

std::string GroupTimeText() { return FormatDateTime(Now(), "hh:nn:ss"); }
