#include "engine/core/fill_document.h"

#include "engine/core/page_element_table.h"

namespace kakikomi {

void FillDocument(std::shared_ptr<HtmlDocument> document, const CData& data) {
  auto table = std::make_unique<PageElementTable>();
  table->Collect(data, std::move(document));
}

}  // namespace kakikomi
