// The item kinds as the command line knows them, and one run: input text to book or fault.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "calc/FormCommon.h"
#include "model/ItemKinds.h"

namespace wcthrm::cli {

struct Outcome {
  calc::CheckResult fault;  // set when a check failed
  calc::BookLines book;     // the book when the checks passed
};

struct Kind {
  const ItemKindInfo* info;  // name, defaults section and the rest of the kind's row
  int tabs;
  // Makes the item from the defaults text (GBK), loads the form, checks and books tab.
  Outcome (*run)(std::string_view gbkDefaults, int tab);
};

// Every kind, in the order of the kind table.
std::span<const Kind> Kinds();

// The kind of that name, compared ignoring ASCII case; nullptr when there is none.
const Kind* FindKind(std::string_view name);

// Runs kind on tab with input (GBK text). Every value of the kind's section must convert: one
// that does not throws a ConversionError naming its key and the section. An input without
// the section throws MissingSection.
Outcome Run(const Kind& kind, int tab, std::string_view gbkInput);

struct MissingSection {
  std::string section;
};

}  // namespace wcthrm::cli
