// The live document model: the engine's document interface over a browser
// tab, reached through a BrowserChannel. The tab is the document view; each
// frame the extension knows is a document. One snapshot per document gives
// its forms, controls, body and frames; writes are collected per document
// and sent back in batches when the document is released (or flushed).
#pragma once

#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "bridge/browser_channel.h"
#include "bridge/message_shapes.h"
#include "bridge/write_batch.h"
#include "engine/core/document_access.h"

namespace kakikomi::bridge {

// What the documents of one tab share: the channel, and the frames that
// stopped answering (a page busy in its own scripts), which are not asked
// again so that the engine's polls stay short.
class LiveSession {
 public:
  explicit LiveSession(BrowserChannel* channel) : channel_(channel) {}
  // A request to `frame` (-1: the tab itself); failed at once for a frame
  // that has stopped answering.
  BrowserChannel::Reply Call(nlohmann::json request, int frame);
  size_t MaxRequestBytes() const { return channel_->MaxRequestBytes(); }

 private:
  BrowserChannel* channel_;
  std::set<int> unresponsive_;
};

class LiveDocument;

class LiveControl : public FormControl {
 public:
  LiveControl(LiveDocument* document, int position, const ControlInfo& info);
  ControlTag Tag() const override { return tag_; }
  std::string Type() const override { return type_; }
  std::string Name() const override { return name_; }
  std::string Value() const override { return value_; }
  int MaxLength() const override { return max_length_; }
  int Size() const override { return size_; }
  void PutValue(const std::string& value) override;
  void PutSelectedIndex(int index) override;
  void PutChecked() override;

 private:
  LiveDocument* document_;
  int position_;
  ControlTag tag_;
  std::string type_, name_, value_;  // CP932
  int max_length_, size_;
};

class LiveForm : public HtmlForm {
 public:
  int Length() const override { return static_cast<int>(controls_.size()); }
  FormControl* Item(int index) override;

 private:
  friend class LiveDocument;
  std::vector<std::unique_ptr<LiveControl>> controls_;
};

class LiveDocument : public HtmlDocument {
 public:
  LiveDocument(std::shared_ptr<LiveSession> session, int frame);
  ~LiveDocument() override;

  std::string ReadyState() override;
  int FormCount() override;
  HtmlForm* Form(int index) override;
  std::string BodyInnerHtml() override;
  std::vector<EmbeddedObject> EmbeddedObjects() override;
  void PutUrl(const std::string& url) override;

  // Sends the writes collected so far.
  void Flush();
  void Record(PendingWrite write) { writes_.push_back(std::move(write)); }
  int frame() const { return frame_; }

 private:
  // Takes the snapshot on first use; false when the frame gave none.
  bool EnsureSnapshot();

  std::shared_ptr<LiveSession> session_;
  int frame_;
  bool asked_ = false;
  std::optional<FrameSnapshot> snapshot_;
  std::vector<std::unique_ptr<LiveForm>> forms_;
  std::optional<std::string> body_html_;
  std::vector<PendingWrite> writes_;
};

class LiveDocumentView : public DocumentView {
 public:
  explicit LiveDocumentView(BrowserChannel* channel)
      : session_(std::make_shared<LiveSession>(channel)) {}
  std::shared_ptr<HtmlDocument> RequestDocument() override;
  int BrowserReadyState() override;
  std::shared_ptr<HtmlDocument> BrowserDocument() override { return RequestDocument(); }

 private:
  std::shared_ptr<LiveSession> session_;
};

}  // namespace kakikomi::bridge
