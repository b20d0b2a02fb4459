#include "mainwin/group_commands.h"

namespace {
GroupCommands* gCommands = nullptr;
}  // namespace

void RegisterGroupCommands(GroupCommands* commands) { gCommands = commands; }

GroupCommands* RegisteredGroupCommands() { return gCommands; }
