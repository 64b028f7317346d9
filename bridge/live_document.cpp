#include "bridge/live_document.h"

#include <utility>

#include "bridge/bridge_log.h"
#include "engine/base/sjis_text.h"

namespace kakikomi::bridge {
namespace {

using nlohmann::json;

constexpr int kTabFrame = -1;
constexpr int kTopFrame = 0;
constexpr int kReadyStateLoading = 1;
constexpr int kReadyStateComplete = 4;

ControlTag TagOf(const std::string& tag) {
  if (tag == "select") return ControlTag::kSelect;
  if (tag == "input") return ControlTag::kInput;
  if (tag == "textarea") return ControlTag::kTextArea;
  return ControlTag::kOther;
}

}  // namespace

BrowserChannel::Reply LiveSession::Call(json request, int frame) {
  if (frame != kTabFrame) {
    if (unresponsive_.count(frame)) return {false, json(), kErrorTimeout};
    request["frame"] = frame;
  }
  BrowserChannel::Reply reply = channel_->Call(std::move(request));
  if (!reply.ok && reply.error == kErrorTimeout && frame != kTabFrame) {
    LogReason("frame " + std::to_string(frame) + " stopped answering");
    unresponsive_.insert(frame);
  }
  return reply;
}

LiveControl::LiveControl(LiveDocument* document, int position, const ControlInfo& info)
    : document_(document),
      position_(position),
      tag_(TagOf(info.tag)),
      type_(Utf8ToSjis(info.type)),
      name_(Utf8ToSjis(info.name)),
      value_(Utf8ToSjis(info.value)),
      max_length_(info.max_length),
      size_(info.size) {}

void LiveControl::PutValue(const std::string& value) {
  if (tag_ != ControlTag::kInput && tag_ != ControlTag::kTextArea) return;
  document_->Record({position_, PendingWrite::Op::kValue, SjisToUtf8(value), -1});
}

void LiveControl::PutSelectedIndex(int index) {
  if (tag_ != ControlTag::kSelect) return;
  document_->Record({position_, PendingWrite::Op::kSelect, {}, index});
}

void LiveControl::PutChecked() {
  if (tag_ != ControlTag::kInput) return;
  document_->Record({position_, PendingWrite::Op::kCheck, {}, -1});
}

FormControl* LiveForm::Item(int index) {
  if (index < 0 || index >= Length()) return nullptr;
  return controls_[index].get();
}

LiveDocument::LiveDocument(std::shared_ptr<LiveSession> session, int frame)
    : session_(std::move(session)), frame_(frame) {}

LiveDocument::~LiveDocument() {
  try {
    Flush();
  } catch (...) {
    // A document released while the channel fails loses its writes, as a
    // page that refuses them would.
  }
}

std::string LiveDocument::ReadyState() {
  BrowserChannel::Reply reply = session_->Call({{"op", "readyState"}}, frame_);
  if (!reply.ok) return {};
  std::string reason;
  std::optional<std::string> state = ParseReadyState(reply.result, &reason);
  if (!state) {
    LogReason(reason);
    return {};
  }
  return Utf8ToSjis(*state);
}

bool LiveDocument::EnsureSnapshot() {
  if (asked_) return snapshot_.has_value();
  asked_ = true;
  BrowserChannel::Reply reply = session_->Call({{"op", "snapshot"}}, frame_);
  if (!reply.ok) return false;
  std::string reason;
  snapshot_ = ParseSnapshot(reply.result, &reason);
  if (!snapshot_) {
    LogReason("frame " + std::to_string(frame_) + ": " + reason);
    return false;
  }
  int position = 0;
  for (const std::vector<ControlInfo>& controls : snapshot_->forms) {
    auto form = std::make_unique<LiveForm>();
    for (const ControlInfo& info : controls)
      form->controls_.push_back(std::make_unique<LiveControl>(this, position++, info));
    forms_.push_back(std::move(form));
  }
  return true;
}

int LiveDocument::FormCount() {
  if (!EnsureSnapshot()) return -1;
  return static_cast<int>(forms_.size());
}

HtmlForm* LiveDocument::Form(int index) {
  if (!EnsureSnapshot() || index < 0 || index >= static_cast<int>(forms_.size())) return nullptr;
  return forms_[index].get();
}

std::string LiveDocument::BodyInnerHtml() {
  if (!body_html_) {
    body_html_.emplace();
    if (EnsureSnapshot() && snapshot_->body)
      *body_html_ = Utf8ToSjis(SerializeInnerHtml(*snapshot_->body));
  }
  return *body_html_;
}

std::vector<EmbeddedObject> LiveDocument::EmbeddedObjects() {
  std::vector<EmbeddedObject> objects;
  if (!EnsureSnapshot()) return objects;
  for (const FrameRef& frame : snapshot_->frames) {
    EmbeddedObject& object = objects.emplace_back();
    object.is_browser = frame.browser;
    // The top frame can never be a child; an id naming it is a damaged
    // answer, not a frame.
    if (frame.browser && frame.frame_id > kTopFrame)
      object.document = std::make_shared<LiveDocument>(session_, frame.frame_id);
  }
  return objects;
}

void LiveDocument::PutUrl(const std::string& url) {
  session_->Call({{"op", "navigate"}, {"url", SjisToUtf8(url)}}, frame_);
}

void LiveDocument::Flush() {
  if (writes_.empty() || !snapshot_) return;
  std::vector<PendingWrite> writes = std::move(writes_);
  writes_.clear();
  for (json& batch : SplitIntoBatches(frame_, snapshot_->token, writes,
                                      session_->MaxRequestBytes() - 256)) {  // room for the id
    BrowserChannel::Reply reply = session_->Call(std::move(batch), frame_);
    if (!reply.ok) LogReason("frame " + std::to_string(frame_) + " took no writes: " + reply.error);
  }
}

std::shared_ptr<HtmlDocument> LiveDocumentView::RequestDocument() {
  BrowserChannel::Reply reply = session_->Call({{"op", "tab"}}, kTabFrame);
  if (!reply.ok) return nullptr;
  return std::make_shared<LiveDocument>(session_, kTopFrame);
}

int LiveDocumentView::BrowserReadyState() {
  BrowserChannel::Reply reply = session_->Call({{"op", "tab"}}, kTabFrame);
  if (!reply.ok) return -1;
  std::string reason;
  std::optional<TabState> tab = ParseTab(reply.result, &reason);
  if (!tab) {
    LogReason(reason);
    return -1;
  }
  return tab->status == "complete" ? kReadyStateComplete : kReadyStateLoading;
}

}  // namespace kakikomi::bridge
