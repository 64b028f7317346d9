// CData: the engine's working record. The engine limits and the keyword
// dictionary (filled once by CFormInputEng::ReadData), the selected
// profile's fill values and the input-format switches.
#pragma once

#include "engine/core/dictionary.h"
#include "engine/data/private_data.h"

namespace kakikomi {

struct CData : EngineLimits, PrivateData, FillSettings, Dictionary {};

}  // namespace kakikomi
