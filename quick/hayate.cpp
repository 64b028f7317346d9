// hayate: the quick-input host. The browser starts it when the user picks
// "応募手帖クイック入力"; it asks for a profile, fills the tab once through the
// extension and ends. Everything that goes wrong ends it quietly.
#include <poll.h>
#include <signal.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>

#include <QApplication>
#include <QMessageBox>
#include <QSocketNotifier>

#include "bridge/bridge_log.h"
#include "bridge/bridge_shared.h"
#include "bridge/live_document.h"
#include "bridge/message_shapes.h"
#include "bridge/native_host_channel.h"
#include "engine/base/host.h"
#include "quick/hayate_dlg.h"
#include "quick/quick_input.h"

namespace {

using namespace kakikomi;

constexpr int kStartWaitMilliseconds = 10'000;

bool HasDisplay() {
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
    if (const char* value = std::getenv(name); value && *value) return true;
  return false;
}

// The Qt application is made only when a window is needed, so that a user
// with one profile is served even without a display.
std::unique_ptr<QApplication> application;
QApplication* Application() {
  static int argc = 1;
  static char name[] = "hayate";
  static char* argv[] = {name, nullptr};
  if (!application && HasDisplay()) application = std::make_unique<QApplication>(argc, argv);
  return application.get();
}

class QtHost : public Host {
 public:
  void ShowMessage(const std::string& text) override {
    if (!Application()) {
      bridge::LogReason(text);
      return;
    }
    QMessageBox box(QMessageBox::Warning, QString::fromUtf8("応募手帖"),
                    QString::fromStdString(text), QMessageBox::Ok);
    box.exec();
  }
  bool AskYesNo(const std::string&) override { return false; }
  std::string ChooseSaveFile(const std::string&) override { return {}; }
  std::string ChooseOpenFile() override { return {}; }
};

int AskWithDialog(const quick::HayateChoice& choice) {
  if (!Application()) {
    bridge::LogReason("no display to ask for a profile on");
    return quick::kNoSlot;
  }
  quick::CHayateDlg dialog(choice);
  // A browser closed while the dialog waits for the user ends the program
  // then, not after a pointless choice.
  QSocketNotifier hang_up(STDIN_FILENO, QSocketNotifier::Read);
  QObject::connect(&hang_up, &QSocketNotifier::activated, [&hang_up] {
    pollfd fd{STDIN_FILENO, POLLIN, 0};
    if (poll(&fd, 1, 0) == 1 && (fd.revents & POLLHUP) && !(fd.revents & POLLIN)) std::_Exit(0);
    hang_up.setEnabled(false);  // a message: the channel reads it after the dialog
  });
  dialog.exec();
  return dialog.Selected();
}

}  // namespace

int main(int argc, char** argv) {
  bridge::SetLogName("hayate");
  // A browser that goes away must end this program through a failed write,
  // not through a signal in the middle of a fill.
  signal(SIGPIPE, SIG_IGN);

  // The browser names the extension that started us; only ours may.
  const std::string origin = std::string("chrome-extension://") + bridge::kExtensionId + "/";
  if (argc >= 2 && origin != argv[1]) {
    bridge::LogReason(std::string("refused a start by ") + argv[1]);
    return 0;
  }

  // stdout is the message stream: anything else printed there would break
  // it, so the stream gets its own descriptor and stdout goes to stderr.
  const int stream_out = dup(STDOUT_FILENO);
  if (stream_out < 0 || dup2(STDERR_FILENO, STDOUT_FILENO) < 0) return 0;

  bridge::NativeHostChannel channel(STDIN_FILENO, stream_out);
  // Nothing is ever saved, so a browser that has gone ends the run at once.
  channel.SetOnClosed([] { std::_Exit(0); });

  std::optional<bridge::StartMessage> start;
  channel.dispatcher().On("start", [&](const nlohmann::json& message) {
    std::string reason;
    if (!start) start = bridge::ParseStart(message, &reason);
    if (!start) bridge::LogReason(reason);
  });
  while (!start && channel.ReceiveOne(kStartWaitMilliseconds)) {
  }
  if (!start) return 0;

  QtHost host;
  ScopedHost host_scope(&host);
  bridge::LiveDocumentView view(&channel);
  quick::RunQuickInput(&view, AskWithDialog);
  application.reset();
  return 0;
}
