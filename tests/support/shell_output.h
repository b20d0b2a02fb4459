// Test helper: the output of a shell command, standard output and error together.
#pragma once

#include <string>

std::string ShellOutput(const std::string& command);
