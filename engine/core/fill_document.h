// The per-document driver: collects the document's controls, annotates the
// page text, walks it through the fillers and writes what they recorded.
#pragma once

#include <memory>

#include "engine/core/cdata.h"
#include "engine/core/document_access.h"

namespace kakikomi {

void FillDocument(std::shared_ptr<HtmlDocument> document, const CData& data);

}  // namespace kakikomi
