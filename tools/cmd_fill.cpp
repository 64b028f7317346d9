// kakikomi fill PAGE.html: fills a page file from a profile as the engine
// would fill it in the browser, and lists every control that received
// something (UTF-8 JSON); --html writes the filled page.
#include <cstdio>
#include <exception>
#include <fstream>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "engine/base/clock.h"
#include "engine/core/cdata.h"
#include "engine/core/form_input_eng.h"
#include "engine/data/main_data.h"
#include "engine/data/profile_json.h"
#include "engine/data/reg_read.h"
#include "engine/data/stored_profile.h"
#include "engine/dom/filled_page.h"
#include "engine/dom/standalone_document.h"
#include "tools/commands.h"

namespace kakikomi::cli {
namespace {

using nlohmann::ordered_json;

constexpr char kUsage[] =
    "kakikomi fill PAGE.html [--profile FILE.json | --home DIR --user N] [--today YYYY-MM-DD] "
    "[--html OUT]";

int Fail(const std::string& text) {
  std::fprintf(stderr, "kakikomi fill: %s\n", text.c_str());
  return 1;
}

int Usage(const std::string& text) {
  std::fprintf(stderr, "kakikomi fill: %s\nusage: %s\n", text.c_str(), kUsage);
  return 2;
}

struct Options {
  std::string page, profile, home, html;
  int user = -1;
  bool today_given = false;
  CalendarDate today;
};

// A date of the form YYYY-MM-DD that exists in the calendar.
bool ParseDate(const std::string& text, CalendarDate* date) {
  int y, m, d;
  char tail;
  if (text.size() != 10 || text[4] != '-' || text[7] != '-' ||
      std::sscanf(text.c_str(), "%4d-%2d-%2d%c", &y, &m, &d, &tail) != 3)
    return false;
  static constexpr int kDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
  if (y < 1 || m < 1 || m > 12 || d < 1 || d > kDays[m - 1] || (m == 2 && d == 29 && !leap))
    return false;
  *date = {y, m, d};
  return true;
}

// Parses the arguments; an empty result means they were fine.
std::string ParseOptions(const std::vector<std::string>& args, Options* options) {
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool has_value = i + 1 < args.size();
    if (arg == "--profile" && has_value) {
      options->profile = args[++i];
    } else if (arg == "--home" && has_value) {
      options->home = args[++i];
    } else if (arg == "--user" && has_value) {
      const std::string& slot = args[++i];
      if (slot.size() != 1 || slot[0] < '0' || slot[0] > '9')
        return "--user takes a slot number from 0 to 9";
      options->user = slot[0] - '0';
    } else if (arg == "--today" && has_value) {
      if (!ParseDate(args[++i], &options->today)) return "--today takes a date YYYY-MM-DD";
      options->today_given = true;
    } else if (arg == "--html" && has_value) {
      options->html = args[++i];
    } else if (!arg.empty() && arg[0] == '-') {
      return "unknown option '" + arg + "'";
    } else if (options->page.empty()) {
      options->page = arg;
    } else {
      return "expected one page file";
    }
  }
  if (options->page.empty()) return "expected one page file";
  if (!options->profile.empty() && (!options->home.empty() || options->user >= 0))
    return "--profile cannot be combined with --home or --user";
  return {};
}

// The system clock with today's date fixed, so that ages are computed from
// the date the command was given.
class FixedDateClock : public Clock {
 public:
  FixedDateClock(Clock& base, CalendarDate today) : base_(base), today_(today) {}
  void SleepMilliseconds(int ms) override { base_.SleepMilliseconds(ms); }
  long long MonotonicMilliseconds() override { return base_.MonotonicMilliseconds(); }
  CalendarDate Today() override { return today_; }

 private:
  Clock& base_;
  CalendarDate today_;
};

bool ReadFile(const std::string& path, std::string* content) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream buffer;
  buffer << in.rdbuf();
  *content = buffer.str();
  return !in.bad();
}

// The profile of --profile, derived into `data` like a stored one.
bool LoadProfileFile(const std::string& path, CMainData* main, CData* data, std::string* error) {
  std::string json;
  if (!ReadFile(path, &json)) {
    *error = "cannot read the profile " + path;
    return false;
  }
  if (!ReadProfileJson(json, main, error)) {
    *error = path + ": " + *error;
    return false;
  }
  CFormInputEng::ReadData(data);
  CRegRead::GetPrivateData(main, 0, data);
  CRegRead::SetPrivateData(main, 0, data);
  CRegRead::SetSetting(main, data);
  return true;
}

ordered_json WriteJson(int document, const RecordedWrite& write) {
  ordered_json out;
  out["document"] = document;
  out["form"] = write.form_index;
  out["element"] = write.element_index;
  out["tag"] = write.tag;
  out["type"] = write.type;
  out["name"] = write.name;
  switch (write.what) {
    case RecordedWrite::What::kValue:
      out["value"] = write.value;
      break;
    case RecordedWrite::What::kSelectedIndex:
      out["option_index"] = write.option_index;
      out["option_text"] = write.option_text;
      break;
    case RecordedWrite::What::kChecked:
      out["checked"] = write.checked;
      break;
  }
  return out;
}

}  // namespace

int RunFill(const std::vector<std::string>& args) {
  Options options;
  if (std::string problem = ParseOptions(args, &options); !problem.empty()) return Usage(problem);
  try {
    // The date is fixed before the profile is derived: ages depend on it.
    FixedDateClock clock(CurrentClock(), options.today);
    std::unique_ptr<ScopedClock> fixed_date;
    if (options.today_given) fixed_date = std::make_unique<ScopedClock>(&clock);

    auto main = std::make_unique<CMainData>();
    auto data = std::make_unique<CData>();
    std::string error;
    const bool loaded =
        options.profile.empty()
            ? LoadStoredProfile(options.home, options.user, main.get(), data.get(), &error)
            : LoadProfileFile(options.profile, main.get(), data.get(), &error);
    if (!loaded) return Fail(error);

    std::shared_ptr<StandaloneDocument> page = StandaloneDocument::Load(options.page, &error);
    if (!page) return Fail(error);

    StandaloneView view(page);
    CFormInputEng::Main(&view, data.get());

    ordered_json writes = ordered_json::array();
    int index = 0;
    for (const std::shared_ptr<HtmlDocument>& document : CollectDocuments(&view, *data)) {
      if (auto* standalone = dynamic_cast<StandaloneDocument*>(document.get()))
        for (const RecordedWrite& write : standalone->Writes())
          writes.push_back(WriteJson(index, write));
      ++index;
    }

    if (!options.html.empty()) {
      std::ofstream out(options.html, std::ios::binary | std::ios::trunc);
      out << SerializeFilledPage(*page);
      out.close();
      if (!out) return Fail("cannot write " + options.html);
    }
    std::cout << writes.dump(2, ' ', false, ordered_json::error_handler_t::replace) << '\n';
    return 0;
  } catch (const std::exception& e) {
    return Fail(e.what());
  }
}

}  // namespace kakikomi::cli
