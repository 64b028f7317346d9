// A stand-in for the quick-input host in the live tests: it takes the same
// documents the engine would (the tab, then two levels of frames) and
// reports each one's page element table and annotated page text, from a live
// tab when the browser starts it, or from a page file with --file. Both
// reports must be equal. With HAKOBUNE_REPORT_MODE=ping it only makes one
// do-nothing round trip to the page, the baseline of the latency benchmark.
// With --store it saves a profile the way the main program would, for the
// quick-input host to find.
#include <signal.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <optional>
#include <string>

#include <nlohmann/json.hpp>

#include "bridge/live_document.h"
#include "bridge/message_shapes.h"
#include "bridge/native_host_channel.h"
#include "engine/base/sjis_text.h"
#include "engine/core/form_input_eng.h"
#include "engine/core/label_extraction.h"
#include "engine/core/page_element_table.h"
#include "engine/data/profile_json.h"
#include "engine/data/reg_read.h"
#include "engine/data/reg_write.h"
#include "engine/data/storage_paths.h"
#include "engine/dom/standalone_document.h"

namespace {

using namespace kakikomi;
using nlohmann::json;

const char* KindName(int kind) {
  static const char* names[] = {"radio",    "text",  "checkbox", "select", "textarea",
                                "password", "other", "email",    "tel"};
  return kind >= 0 && kind <= 8 ? names[kind] : "?";
}

json Report(DocumentView& view) {
  auto data = std::make_unique<CData>();
  CFormInputEng::ReadData(data.get());
  json documents = json::array();
  for (const auto& document : CollectDocuments(&view, *data)) {
    auto table = std::make_unique<PageElementTable>();
    table->Collect(*data, document);
    json controls = json::array();
    for (int p = 0; p < table->PositionCount; ++p) {
      const int kind = table->ElementKinds[p];
      const int i = table->KindIndex[p];
      json control = {{"kind", KindName(kind)}};
      auto named = [&](const auto& names) { control["name"] = SjisToUtf8(names[i]); };
      switch (kind) {
        case kKindRadio:
          named(table->RadioNames);
          control["value"] = SjisToUtf8(table->RadioValues[i]);
          break;
        case kKindCheckbox:
          named(table->CheckboxNames);
          control["value"] = SjisToUtf8(table->CheckboxValues[i]);
          break;
        case kKindText:
          named(table->TextNames);
          control["maxLength"] = table->TextMaxLength[i];
          control["size"] = table->TextSize[i];
          break;
        case kKindSelect:
          named(table->SelectNames);
          break;
        case kKindTextArea:
          named(table->TextAreaNames);
          break;
        case kKindPassword:
          named(table->PasswordNames);
          break;
        case kKindEmail:
          named(table->EmailNames);
          break;
        case kKindTel:
          named(table->TelNames);
          break;
        default:
          break;
      }
      controls.push_back(control);
    }
    const std::string body = table->PageText;
    documents.push_back({{"forms", document->FormCount()},
                         {"controls", controls},
                         {"bodyHtml", SjisToUtf8(body)},
                         {"pageText", SjisToUtf8(AnnotatePageText(body, *table, *data))}});
  }
  return documents;
}

int FromFile(const std::string& path) {
  std::string error;
  auto document = StandaloneDocument::Load(path, &error);
  if (!document) {
    std::fprintf(stderr, "page_report: %s\n", error.c_str());
    return 1;
  }
  StandaloneView view(document);
  std::printf("%s\n", Report(view).dump(1).c_str());
  return 0;
}

// Stores the profile of a profile JSON file as the only profile under `home`,
// as the main program would have saved it.
int Store(const std::string& home, const std::string& profile_path) {
  std::ifstream in(profile_path, std::ios::binary);
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  auto main = std::make_unique<CMainData>();
  auto data = std::make_unique<CData>();
  CFormInputEng::ReadData(data.get());
  // Loading the empty home first sets up its folders and paths.
  SetHakobuneHome(home);
  CRegRead::GetRegData(main.get(), data.get());
  std::string error;
  if (!ReadProfileJson(text, main.get(), &error)) {
    std::fprintf(stderr, "page_report: %s\n", error.c_str());
    return 1;
  }
  CRegRead::GetPrivateData(main.get(), 0, data.get());
  main->AppVer = 251;
  main->UserDataChanged = main->SettingChanged = 1;
  return CRegWrite::SetRegData(main.get(), data.get()) && CRegWrite::SetAppVer("251") ? 0 : 1;
}

int AsHost() {
  signal(SIGPIPE, SIG_IGN);
  const char* out_path = std::getenv("HAKOBUNE_REPORT_FILE");
  const char* mode = std::getenv("HAKOBUNE_REPORT_MODE");
  bridge::NativeHostChannel channel(STDIN_FILENO, STDOUT_FILENO);
  std::optional<bridge::StartMessage> start;
  channel.dispatcher().On(
      "start", [&](const json& message) { start = bridge::ParseStart(message, nullptr); });
  while (!start && channel.ReceiveOne(10'000)) {
  }
  if (!start) return 1;
  if (mode && std::string(mode) == "ping") {
    channel.Call({{"op", "ping"}, {"frame", 0}});
    return 0;
  }
  bridge::LiveDocumentView view(&channel);
  const json report = Report(view);
  if (out_path) std::ofstream(out_path) << report.dump(1) << "\n";
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::string(argv[1]) == "--file") return FromFile(argv[2]);
  if (argc == 4 && std::string(argv[1]) == "--store") return Store(argv[2], argv[3]);
  return AsHost();
}
