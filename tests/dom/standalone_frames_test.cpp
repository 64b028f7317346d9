#include <gtest/gtest.h>

#include <string>

#include "engine/base/clock.h"
#include "engine/core/cdata.h"
#include "engine/core/form_input_eng.h"
#include "engine/dom/standalone_document.h"
#include "tests/dom/page_files.h"

namespace kakikomi {
namespace {

using dom_testing::ScratchFolder;

std::string Frames(const StandaloneDocument& document) {
  std::string out;
  for (const EmbeddedObject& object : const_cast<StandaloneDocument&>(document).EmbeddedObjects()) {
    if (!out.empty()) out += " ";
    if (!object.is_browser) {
      out += "plugin";
    } else if (!object.document) {
      out += "empty";
    } else {
      out += std::to_string(object.document->FormCount()) + "forms";
    }
  }
  return out;
}

TEST(StandaloneFramesTest, LoadsLocalFramesAndNothingElse) {
  ScratchFolder folder;
  folder.Write("sub/inner.html", "<form><input name=inner></form>");
  folder.Write("sub/frame.html",
               "<form><input name=a></form><form></form><iframe src='inner.html'></iframe>");
  folder.Write("sub/name with space.html", "<form></form>");
  const std::string top = folder.Write(
      "top.html",
      "<iframe src='sub/frame.html#x'></iframe><iframe src='sub/name%20with%20space.html'>"
      "</iframe><iframe src='missing.html'></iframe><iframe src='http://example.com/'></iframe>"
      "<iframe></iframe><object data=movie.swf></object><embed src=a.swf>"
      "<iframe src='file://" +
          folder.Path("sub/inner.html") + "'></iframe>");
  std::string error;
  auto document = StandaloneDocument::Load(top, &error);
  ASSERT_TRUE(document) << error;
  EXPECT_EQ(Frames(*document), "2forms 1forms empty empty empty plugin plugin 1forms");
  auto frame =
      std::static_pointer_cast<StandaloneDocument>(document->EmbeddedObjects()[0].document);
  EXPECT_EQ(Frames(*frame), "1forms");  // relative to the frame's own folder
}

TEST(StandaloneFramesTest, FramesetPagesAndFramesThatLoopEndWithoutADocument) {
  ScratchFolder folder;
  folder.Write("a.html", "<form></form><iframe src='b.html'></iframe>");
  folder.Write("b.html",
               "<form></form><iframe src='./a.html'></iframe><iframe src='b.html'></iframe>");
  const std::string top = folder.Write(
      "top.html", "<frameset cols='50%,50%'><frame src='a.html'><frame src='top.html'></frameset>");
  std::string error;
  auto document = StandaloneDocument::Load(top, &error);
  ASSERT_TRUE(document) << error;
  EXPECT_EQ(Frames(*document), "1forms empty");
  auto a = std::static_pointer_cast<StandaloneDocument>(document->EmbeddedObjects()[0].document);
  auto b = std::static_pointer_cast<StandaloneDocument>(a->EmbeddedObjects()[0].document);
  EXPECT_EQ(Frames(*b), "empty empty");  // a.html is an ancestor, b.html is itself
  EXPECT_EQ(document->BodyInnerHtml(), "<FRAME src=a.html><FRAME src=top.html>");
}

TEST(StandaloneFramesTest, PagesFramingEachOtherManyTimesStayBounded) {
  // Every page frames the next one ten times: without a limit the frame
  // tree would hold ten to the sixth documents.
  ScratchFolder folder;
  std::string top;
  for (int level = 0; level < 7; ++level) {
    std::string html = "<form></form>";
    for (int i = 0; i < 10; ++i)
      html += "<iframe src='p" + std::to_string(level + 1) + ".html'></iframe>";
    const std::string path = folder.Write("p" + std::to_string(level) + ".html", html);
    if (level == 0) top = path;
  }
  std::string error;
  auto document = StandaloneDocument::Load(top, &error);
  ASSERT_TRUE(document) << error;
  EXPECT_EQ(document->EmbeddedObjects().size(), 10u);
  int loaded = 0;
  std::vector<std::shared_ptr<HtmlDocument>> pending{document};
  while (!pending.empty()) {
    auto next = pending.back();
    pending.pop_back();
    for (const EmbeddedObject& object : next->EmbeddedObjects()) {
      if (!object.document) continue;
      ++loaded;
      pending.push_back(object.document);
    }
  }
  EXPECT_EQ(loaded, 100);
}

TEST(StandaloneFramesTest, EngineDocumentListTakesTwoLevelsOfFrames) {
  ScratchFolder folder;
  folder.Write("level3.html", "<form></form>");
  folder.Write("level2.html", "<form></form><iframe src='level3.html'></iframe>");
  folder.Write("level1.html", "<iframe src='level2.html'></iframe>");
  const std::string top =
      folder.Write("top.html", "<iframe src='level1.html'></iframe><object></object>");
  std::string error;
  auto document = StandaloneDocument::Load(top, &error);
  ASSERT_TRUE(document) << error;
  FakeClock clock;
  ScopedClock use_clock(&clock);
  auto data = std::make_unique<CData>();
  CFormInputEng::ReadData(data.get());
  StandaloneView view(document);
  std::vector<std::string> paths;
  for (const auto& listed : CollectDocuments(&view, *data))
    paths.push_back(std::static_pointer_cast<StandaloneDocument>(listed)->path());
  EXPECT_EQ(paths, (std::vector<std::string>{top, folder.Path("level1.html"),
                                             folder.Path("level2.html")}));
  EXPECT_EQ(clock.sleeps(), 0);  // a stand-alone page is complete at once
}

}  // namespace
}  // namespace kakikomi
