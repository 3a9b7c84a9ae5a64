// The item kinds as the command line knows them, and one run: input text to book or fault.
#pragma once

#include <string>
#include <span>
#include <string_view>

#include "FormCommon.h"

namespace wcthrm::cli {

struct Outcome {
  calc::CheckResult fault;  // set when a check failed
  calc::BookLines book;     // the book when the checks passed
};

struct Kind {
  const char* name;  // as the item class without its T
  int tabs;
  // Makes the item from the defaults text (GBK), loads the form, checks and books tab.
  Outcome (*run)(std::string_view gbkDefaults, int tab);
};

// Every kind, in the host's comparison order.
std::span<const Kind> Kinds();

// The kind of that name, compared ignoring ASCII case; nullptr when there is none.
const Kind* FindKind(std::string_view name);

// Runs kind on tab with input (GBK text, or UTF-8 when utf8). Errors in the input (a value
// that does not convert) throw.
Outcome Run(const Kind& kind, int tab, const std::string& input, bool utf8);

}  // namespace wcthrm::cli
