// The footer field list of the footer dialog: field words in the order clicked, each followed
// by "|", each at most once.
#pragma once

#include <string>

// Appends the word unless the list already holds the whole word followed by "|"; true when the
// list changed.
bool FooterFieldAdd(std::string& list, const std::string& word);
