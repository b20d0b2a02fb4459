// Drives a calculator's text-entry protocol the way a user's keys do.
#pragma once

#include <string>

// Types `text` key by key into box `index` (the first key after a refresh empties the box).
template <class Calc>
void TypeInto(Calc& calc, int index, const std::string& text) {
  std::string box = calc.texts()[index];
  if (calc.entry.KeyStartsNumber(index)) {
    box.clear();
    calc.Change(index, box);
  }
  for (char ch : text) {
    box += ch;
    calc.Change(index, box);
  }
}

// Moves the focus out of box `index`; returns the message of an arithmetic fault, if any.
template <class Calc>
std::string Leave(Calc& calc, int index) {
  std::string fault;
  calc.LostFocus(index, fault);
  return fault;
}

// Types a value and moves on.
template <class Calc>
std::string Enter(Calc& calc, int index, const std::string& text) {
  TypeInto(calc, index, text);
  return Leave(calc, index);
}
