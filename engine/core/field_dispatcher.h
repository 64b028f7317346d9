// The field dispatcher: walks the annotated page text tag by tag and offers
// each control to the filler of its kind, first labelled by the page text in
// front of it, then by its own name attribute.
#pragma once

#include <functional>
#include <string>

#include "engine/core/cdata.h"
#include "engine/core/page_element_table.h"

namespace kakikomi {

// The fillers the dispatcher hands controls to. The real ones by default;
// tests put in fakes that record what they were handed.
struct FillerSet {
  using TextFiller = std::function<bool(const CData& data, PageElementTable& table, int mode,
                                        const std::string& label, const std::string& tag, int index,
                                        const std::string& name)>;
  using ChoiceFiller =
      std::function<bool(const std::string& label, const std::string& tag, int index,
                         const std::string& name, PageElementTable& table, const CData& data)>;
  TextFiller text;
  ChoiceFiller select, radio, checkbox;
};

// FillText, FillSelect, FillRadio and FillCheckbox.
const FillerSet& RealFillers();

// Walks PageText with a window of three tags; every tag becomes the current
// tag (ControlTags[0]) exactly once and is dispatched.
void WalkControls(PageElementTable& table, const CData& data,
                  const FillerSet& fillers = RealFillers());

// Handles the current tag in up to two passes.
void DispatchControl(PageElementTable& table, const CData& data,
                     const FillerSet& fillers = RealFillers());

}  // namespace kakikomi
