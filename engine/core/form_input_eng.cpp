#include "engine/core/form_input_eng.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "engine/base/clock.h"
#include "engine/base/host.h"
#include "engine/core/fill_document.h"

namespace kakikomi {
namespace {

constexpr int kStepMilliseconds = 100;
constexpr int kDocumentPolls = 602;  // about a minute for a document to complete
constexpr int kBrowserStatePolls = 1802;
constexpr int kReadyStateComplete = 4;  // READYSTATE_COMPLETE
constexpr int kDocumentSlots = 21;      // the top document and up to 20 frames
const char kComplete[] = "complete";

// The top document, within one deadline of about a minute for all attempts
// together: a view that never completes is given up after that long, not
// after 602 attempts of several minutes each.
std::shared_ptr<HtmlDocument> WaitForTopDocument(DocumentView* view) {
  Clock& clock = CurrentClock();
  const long long deadline =
      clock.MonotonicMilliseconds() + static_cast<long long>(kDocumentPolls) * kStepMilliseconds;
  auto time_left = [&] { return clock.MonotonicMilliseconds() < deadline; };

  do {
    std::shared_ptr<HtmlDocument> requested = view->RequestDocument();
    if (requested) {
      int polls = 0;
      int state = view->BrowserReadyState();
      while (state >= 0 && state < kReadyStateComplete && ++polls < kBrowserStatePolls &&
             time_left()) {
        clock.SleepMilliseconds(kStepMilliseconds);
        state = view->BrowserReadyState();
      }
      if (state >= kReadyStateComplete) {
        if (std::shared_ptr<HtmlDocument> document = view->BrowserDocument()) {
          int count = 0;
          while (document->ReadyState() != kComplete && count >= 0 && time_left())
            count = CFormInputEng::TimeCount(count, 60);
          if (document->ReadyState() == kComplete) return document;
        }
      }
    }
    if (!time_left()) break;
    clock.SleepMilliseconds(kStepMilliseconds);
  } while (time_left());
  return nullptr;
}

// Appends the frame documents of `document` that finish loading; false when
// one of them does not, which ends the whole fill.
bool AppendFrames(HtmlDocument& document, int max_frames,
                  std::vector<std::shared_ptr<HtmlDocument>>& documents) {
  Clock& clock = CurrentClock();
  for (const EmbeddedObject& object : document.EmbeddedObjects()) {
    if (!object.is_browser || !object.document) continue;
    int polls = 1;
    while (object.document->ReadyState() != kComplete) {
      if (polls >= kDocumentPolls) return false;
      clock.SleepMilliseconds(kStepMilliseconds);
      ++polls;
    }
    // Frames over the limit are dropped without notice.
    if (static_cast<int>(documents.size()) - 1 < max_frames) documents.push_back(object.document);
  }
  return true;
}

void Run(DocumentView* view, CData* data) {
  for (const auto& document : CollectDocuments(view, *data))
    if (document->FormCount() >= 1) FillDocument(document, *data);
}

}  // namespace

std::vector<std::shared_ptr<HtmlDocument>> CollectDocuments(DocumentView* view, const CData& data) {
  std::vector<std::shared_ptr<HtmlDocument>> documents;
  std::shared_ptr<HtmlDocument> top = WaitForTopDocument(view);
  if (!top) return documents;
  documents.push_back(std::move(top));

  const int max_frames = std::clamp<int>(data.MaxFrames, 0, kDocumentSlots - 1);
  // Two levels of frames: those of the top document, then theirs. Frames
  // nested deeper are never filled.
  if (!AppendFrames(*documents[0], max_frames, documents)) return {};
  const size_t first_level = documents.size();
  for (size_t slot = 1; slot < first_level; ++slot)
    if (!AppendFrames(*documents[slot], max_frames, documents)) return {};
  return documents;
}

void CFormInputEng::Main(DocumentView* view, CData* data) {
  if (!view || !data) return;
  try {
    Run(view, data);  // every document reference is released when Run returns
  } catch (...) {
    CurrentHost().ShowMessage("IWebBrowser2の取得に失敗しました。");
  }
}

int CFormInputEng::TimeCount(int count, int seconds) {
  if (count > seconds * 10) return -1;
  CurrentClock().SleepMilliseconds(kStepMilliseconds);
  return count + 1;
}

void CFormInputEng::SiteView(DocumentView* view, const std::string& url) {
  if (!view) return;
  try {
    if (std::shared_ptr<HtmlDocument> document = view->RequestDocument()) document->PutUrl(url);
  } catch (...) {
    // Navigation is best effort; nothing is reported.
  }
}

}  // namespace kakikomi
