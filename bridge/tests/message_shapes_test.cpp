#include "bridge/message_shapes.h"

#include <gtest/gtest.h>

#include "bridge/tests/fake_browser.h"

namespace kakikomi::bridge {
namespace {

using nlohmann::json;
using testing::Control;
using testing::Snapshot;

TEST(MessageShapesTest, SnapshotsOfTheWrongShapeAreRefusedWithAReason) {
  const json good = Snapshot({{Control("input", "text", "a")}}, {testing::Child(3)});
  struct Case {
    const char* name;
    json snapshot;
  };
  std::vector<Case> cases;
  auto with = [&](const char* name, auto change) {
    json copy = good;
    change(copy);
    cases.push_back({name, copy});
  };
  with("forms not a list", [](json& s) { s["forms"] = "x"; });
  with("form not a list", [](json& s) { s["forms"] = {1}; });
  with("unknown tag", [](json& s) { s["forms"][0][0]["tag"] = "button"; });
  with("maxLength not a number", [](json& s) { s["forms"][0][0]["maxLength"] = "8"; });
  with("size beyond int", [](json& s) { s["forms"][0][0]["size"] = 1LL << 40; });
  with("name missing", [](json& s) { s["forms"][0][0].erase("name"); });
  with("token missing", [](json& s) { s.erase("token"); });
  with("frame id missing", [](json& s) { s["frames"][0].erase("frameId"); });
  with("browser flag not boolean", [](json& s) { s["frames"][0]["browser"] = 1; });
  with("body not an element", [](json& s) { s["body"] = {{"t", "text"}}; });
  with("attribute not a pair", [](json& s) { s["body"]["a"] = {{"id"}}; });
  with("child not a node", [](json& s) { s["body"]["c"] = {42}; });
  with("element without children", [](json& s) {
    s["body"]["c"] = {{{"e", "p"}, {"a", json::array()}}};
  });

  std::string reason;
  ASSERT_TRUE(ParseSnapshot(good, &reason).has_value()) << reason;
  for (const Case& c : cases) {
    reason.clear();
    EXPECT_FALSE(ParseSnapshot(c.snapshot, &reason).has_value()) << c.name;
    EXPECT_FALSE(reason.empty()) << c.name;
  }
}

TEST(MessageShapesTest, TreesKeepOrderAndKindsAndDeepTreesAreRefused) {
  std::string reason;
  auto tree = ParseTree(json::parse(R"({"e": "body", "a": [["id", "b"]], "c": [
      {"t": "one"}, {"m": " note "}, {"e": "td", "a": [["rowspan", "2"]], "c": []}]})"),
                        &reason);
  ASSERT_TRUE(tree) << reason;
  ASSERT_EQ(tree->children.size(), 3u);
  EXPECT_EQ(tree->attributes[0], (std::pair<std::string, std::string>("id", "b")));
  EXPECT_EQ(tree->children[0]->type, DomNode::Type::kText);
  EXPECT_EQ(tree->children[1]->type, DomNode::Type::kComment);
  EXPECT_EQ(tree->children[1]->text, " note ");
  EXPECT_EQ(tree->children[2]->tag, "td");

  auto nested = [](int depth) {
    json root = {{"e", "div"}, {"a", json::array()}, {"c", json::array()}};
    json* at = &root;
    for (int i = 1; i < depth; ++i) {
      (*at)["c"].push_back({{"e", "div"}, {"a", json::array()}, {"c", json::array()}});
      at = &(*at)["c"][0];
    }
    return root;
  };
  EXPECT_TRUE(ParseTree(nested(kMaxTreeDepth), &reason));
  EXPECT_FALSE(ParseTree(nested(kMaxTreeDepth + 1), &reason));
}

TEST(MessageShapesTest, RepliesAndStartMessages) {
  EXPECT_FALSE(ReplyProblem({{"id", 3}, {"ok", true}, {"result", json::object()}}));
  EXPECT_FALSE(ReplyProblem({{"id", 3}, {"ok", false}, {"error", "no frame"}}));
  EXPECT_TRUE(ReplyProblem({{"id", "3"}, {"ok", true}, {"result", json::object()}}));
  EXPECT_TRUE(ReplyProblem({{"id", 3}, {"ok", true}, {"result", 1}}));
  EXPECT_TRUE(ReplyProblem({{"id", 3}, {"ok", false}}));

  std::string reason;
  auto start = ParseStart({{"type", "start"}, {"version", 1}, {"tab", 12}}, &reason);
  ASSERT_TRUE(start);
  EXPECT_EQ(start->tab, 12);
  EXPECT_FALSE(ParseStart({{"type", "start"}, {"version", 2}, {"tab", 12}}, &reason));
  EXPECT_FALSE(ParseStart({{"type", "start"}, {"version", 1}, {"tab", -1}}, &reason));
  EXPECT_FALSE(ParseStart({{"type", "hello"}, {"version", 1}, {"tab", 1}}, &reason));
}

}  // namespace
}  // namespace kakikomi::bridge
