// kakikomi show: a stored profile's derived fill values as UTF-8 JSON.
#include <cstdio>
#include <nlohmann/json.hpp>

#include "engine/base/sjis_text.h"
#include "engine/data/private_data_fields.h"
#include "engine/data/stored_profile.h"
#include "tools/commands.h"

namespace kakikomi::cli {
namespace {

int Fail(const std::string& text) {
  std::fprintf(stderr, "kakikomi show: %s\n", text.c_str());
  return 1;
}

// A slot number 0-9.
bool ParseSlot(const std::string& text, int* slot) {
  if (text.size() != 1 || text[0] < '0' || text[0] > '9') return false;
  *slot = text[0] - '0';
  return true;
}

}  // namespace

int RunShow(const std::vector<std::string>& args) {
  std::string home;
  int user = -1;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--home" && i + 1 < args.size()) {
      home = args[++i];
    } else if (args[i] == "--user" && i + 1 < args.size()) {
      if (!ParseSlot(args[++i], &user)) return Fail("--user takes a slot number from 0 to 9");
    } else {
      std::fprintf(stderr, "kakikomi show: unknown option '%s'\n", args[i].c_str());
      return 2;
    }
  }

  CMainData main;
  CData data;
  std::string error;
  if (!LoadStoredProfile(home, user, &main, &data, &error)) return Fail(error);

  nlohmann::ordered_json out;
  out["user"] = main.UserNum;
  const PrivateData& values = data;
  for (const PrivateNumberField& field : kPrivateNumbers) out[field.name] = values.*field.member;
  for (const PrivateTextField& field : kPrivateTextsA)
    out[field.name] = SjisToUtf8(values.*field.member);
  for (const PrivateTextField& field : kPrivateTextsB)
    out[field.name] = SjisToUtf8(values.*field.member);
  std::printf("%s\n", out.dump(2, ' ', false, nlohmann::json::error_handler_t::replace).c_str());
  return 0;
}

}  // namespace kakikomi::cli
