// The per-document driver: collects the document's controls, annotates the
// page text, walks it through the fillers and writes what they recorded.
#pragma once

#include <memory>

#include "engine/core/cdata.h"
#include "engine/core/document_access.h"
#include "engine/core/field_dispatcher.h"

namespace kakikomi {

void FillDocument(std::shared_ptr<HtmlDocument> document, const CData& data,
                  const FillerSet& fillers = RealFillers());

// Writes every recorded value, pick and tick into the page in one pass, and
// the login password into every password box.
void WriteBack(const PageElementTable& table, const CData& data);

}  // namespace kakikomi
