#include "bridge/native_messaging.h"

#include <signal.h>
#include <unistd.h>

#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "bridge/native_host_channel.h"

namespace kakikomi::bridge {
namespace {

using nlohmann::json;

// Two pipes: what the test writes is the host's stdin, what the host writes
// comes back to the test.
class PipeTest : public ::testing::Test {
 protected:
  PipeTest() {
    signal(SIGPIPE, SIG_IGN);
    EXPECT_EQ(pipe(to_host_), 0);
    EXPECT_EQ(pipe(from_host_), 0);
  }
  ~PipeTest() override {
    for (int fd : {to_host_[0], to_host_[1], from_host_[0], from_host_[1]})
      if (fd >= 0) close(fd);
  }
  void Send(const std::string& bytes) {
    ASSERT_EQ(write(to_host_[1], bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
  }
  void SendLength(uint32_t length) { Send(std::string(reinterpret_cast<char*>(&length), 4)); }
  void CloseBrowserSide() {
    close(to_host_[1]);
    to_host_[1] = -1;
  }
  json ReadFromHost() {
    NativeMessaging reader(from_host_[0], -1, kMaxMessageToBrowser, 0);
    return reader.Read(1000).message;
  }

  int to_host_[2] = {-1, -1};
  int from_host_[2] = {-1, -1};
};

TEST_F(PipeTest, MessagesRoundTripWithTheirLengthInFront) {
  NativeMessaging host(to_host_[0], from_host_[1], 1 << 20, 1 << 20);
  ASSERT_TRUE(host.Write({{"op", "tab"}, {"id", 1}}));
  uint32_t length = 0;
  ASSERT_EQ(read(from_host_[0], &length, 4), 4);
  std::string body(length, '\0');
  ASSERT_EQ(read(from_host_[0], body.data(), length), static_cast<ssize_t>(length));
  EXPECT_EQ(json::parse(body), json({{"op", "tab"}, {"id", 1}}));

  Send(FrameMessage(R"({"type":"start","text":"応募"})"));
  NativeMessaging::ReadResult read = host.Read(1000);
  ASSERT_EQ(read.status, NativeMessaging::ReadStatus::kMessage);
  EXPECT_EQ(read.message["text"], "応募");
}

TEST_F(PipeTest, BadMessagesAreRejectedAndOnlyBrokenFramingEndsTheStream) {
  NativeMessaging host(to_host_[0], from_host_[1], 1000, 100);
  Send(FrameMessage("{not json"));
  Send(FrameMessage("[1, 2]"));
  Send(FrameMessage(R"({"fine": true})"));
  EXPECT_EQ(host.Read(1000).status, NativeMessaging::ReadStatus::kRejected);
  EXPECT_EQ(host.Read(1000).status, NativeMessaging::ReadStatus::kRejected);
  EXPECT_EQ(host.Read(1000).status, NativeMessaging::ReadStatus::kMessage);
  EXPECT_EQ(host.Read(10).status, NativeMessaging::ReadStatus::kTimeout);

  EXPECT_FALSE(host.Write({{"text", std::string(200, 'x')}}));  // over the outgoing limit
  EXPECT_FALSE(host.closed());

  SendLength(5000);  // over the incoming limit: nothing after it can be trusted
  NativeMessaging::ReadResult oversized = host.Read(1000);
  EXPECT_EQ(oversized.status, NativeMessaging::ReadStatus::kRejected);
  EXPECT_TRUE(host.closed());
}

TEST_F(PipeTest, AStreamThatEndsInsideAMessageCloses) {
  NativeMessaging host(to_host_[0], from_host_[1], 1000, 1000);
  SendLength(50);
  Send("{\"cut");
  CloseBrowserSide();
  EXPECT_EQ(host.Read(1000).status, NativeMessaging::ReadStatus::kClosed);
  EXPECT_TRUE(host.closed());
}

TEST_F(PipeTest, TheChannelPicksItsAnswerAndSetsTheRestAside) {
  NativeHostChannel channel(to_host_[0], from_host_[1], 300);
  int starts = 0;
  channel.dispatcher().On("start", [&](const json&) { ++starts; });
  // Everything the browser sends before the answer: a late answer, an
  // unknown message, a start and a malformed answer.
  Send(FrameMessage(R"({"id": 99, "ok": true, "result": {}})"));
  Send(FrameMessage(R"({"type": "surprise"})"));
  Send(FrameMessage(R"({"type": "start", "version": 1, "tab": 3})"));
  Send(FrameMessage(R"({"id": 1, "ok": "yes"})"));
  Send(FrameMessage(R"({"id": 1, "ok": true, "result": {"status": "complete"}})"));
  BrowserChannel::Reply reply = channel.Call({{"op", "tab"}});
  EXPECT_TRUE(reply.ok);
  EXPECT_EQ(reply.result["status"], "complete");
  EXPECT_EQ(starts, 1);
  EXPECT_EQ(ReadFromHost(), json({{"op", "tab"}, {"id", 1}}));

  Send(FrameMessage(R"({"id": 2, "ok": false, "error": "no frame"})"));
  reply = channel.Call({{"op", "readyState"}, {"frame", 4}});
  EXPECT_FALSE(reply.ok);
  EXPECT_EQ(reply.error, "no frame");

  EXPECT_EQ(channel.Call({{"op", "tab"}}).error, kErrorTimeout);

  bool closed = false;
  channel.SetOnClosed([&] { closed = true; });
  CloseBrowserSide();
  EXPECT_EQ(channel.Call({{"op", "tab"}}).error, kErrorClosed);
  EXPECT_TRUE(closed);
}

}  // namespace
}  // namespace kakikomi::bridge
