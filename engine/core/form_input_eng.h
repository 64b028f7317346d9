// CFormInputEng: the engine's entry points. A program calls ReadData once,
// then Main for every page the user asks to have filled.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "engine/core/cdata.h"
#include "engine/core/document_access.h"

namespace kakikomi {

// The documents Main fills, in this order: the view's top document, then
// its frames and theirs (two levels, at most `data.MaxFrames` frames).
// Empty when the top document or one of the frames never finishes loading.
std::vector<std::shared_ptr<HtmlDocument>> CollectDocuments(DocumentView* view, const CData& data);

class CFormInputEng {
 public:
  // Waits for the view's document and its frames, then fills every document
  // that has a form from `data`. Never throws; failures do less.
  static void Main(DocumentView* view, CData* data);

  // Stores the engine limits and the whole keyword dictionary into `data`.
  static void ReadData(CData* data);

  // One bounded wait step: -1 without waiting when count > seconds * 10,
  // otherwise sleeps 100 ms and returns count + 1.
  static int TimeCount(int count, int seconds);

  // Makes the view navigate to `url` (CP932); nothing happens without a
  // document.
  static void SiteView(DocumentView* view, const std::string& url);
};

}  // namespace kakikomi
