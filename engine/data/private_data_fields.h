// The names of a derived block's members in their slot order, for printing
// and for tests that compare whole blocks.
#pragma once

#include <array>
#include <string>

#include "engine/data/private_data.h"

namespace kakikomi {

struct PrivateNumberField {
  const char* name;
  int PrivateData::*member;
};
struct PrivateTextField {
  const char* name;
  std::string PrivateData::*member;
};

extern const std::array<PrivateNumberField, 18> kPrivateNumbers;  // slots 1-18
extern const std::array<PrivateTextField, 30> kPrivateTextsA;     // slots 1-30
extern const std::array<PrivateTextField, 34> kPrivateTextsB;     // slots 0-33

}  // namespace kakikomi
