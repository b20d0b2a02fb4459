// Drives a calculator's text-entry protocol the way a user's keys do.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>
#include <vector>

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

// Random typing, steps, lock clicks and "Joules" switches; after each operation no box may show
// infinity or NaN and `valuesSound` (which uses gtest assertions) must hold for the values kept.
template <class Calc>
void RandomOperations(Calc& calc, unsigned seed, const std::vector<std::string>& texts,
                      const std::function<void(const Calc&)>& valuesSound) {
  std::mt19937 rng(seed);
  for (int i = 0; i < 4000; ++i) {
    const int box = static_cast<int>(rng() % Calc::kCount);
    switch (rng() % 4) {
      case 0: Enter(calc, box, texts[rng() % texts.size()]); break;
      case 1: calc.Step(box, rng() % 2, rng() % 2); break;
      case 2: calc.OptLock(static_cast<int>(rng() % 6)); break;
      default: calc.SetJoules(rng() % 2); break;
    }
    for (const std::string& t : calc.texts()) {
      ASSERT_EQ(t.find("inf"), std::string::npos) << t;
      ASSERT_EQ(t.find("nan"), std::string::npos) << t;
    }
    valuesSound(calc);
    if (::testing::Test::HasFatalFailure()) return;
  }
}
