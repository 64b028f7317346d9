// The page walk against an HTML parse: how long annotating a page and
// walking its controls takes next to gumbo's parse of the same page. The
// walk reads the page text once more after the browser (or the stand-alone
// model) has parsed it, so its cost is reported as a ratio to the parse.
#include <benchmark/benchmark.h>
#include <gumbo.h>

#include <ctime>

#include <memory>
#include <string>

#include "engine/base/sjis_text.h"
#include "engine/core/cdata.h"
#include "engine/core/field_dispatcher.h"
#include "engine/core/form_input_eng.h"
#include "engine/core/label_extraction.h"
#include "engine/core/page_element_table.h"

namespace kakikomi {
namespace {

// A generated entry form: rows of label and control in a table, the kinds
// taking turns, with paragraphs of page text around the form up to
// `target_bytes`. The names are recorded as the collection would find them.
struct GeneratedPage {
  std::string html;  // UTF-8, as the page file holds it
  std::string body;  // CP932, as the engine receives the body's HTML
  PageElementTable collected;
};

std::unique_ptr<GeneratedPage> Generate(int controls, size_t target_bytes) {
  static const char* kLabels[] = {
      "お名前（姓）※必須", "フリガナ",       "郵便番号",       "ご住所",
      "電話番号",          "メールアドレス", "性別",           "都道府県",
      "生年月日",          "ご職業",         "ご意見・ご感想", "お知らせ"};
  auto page = std::make_unique<GeneratedPage>();
  PageElementTable& t = page->collected;
  std::string form = "<FORM action=entry.cgi method=post><TABLE border=1><TBODY>";
  for (int i = 0; i < controls; ++i) {
    std::string name = "f";
    name += std::to_string(i);
    std::string control;
    switch (i % 6) {
      case 0:
      case 1:
        control = "<INPUT type=text name=" + name + " size=20>";
        if (t.TextCount < 58) t.TextNames[t.TextCount++] = name;
        break;
      case 2:
        control = "<INPUT type=radio name=" + name + " value=1>男性<INPUT type=radio name=" + name +
                  " value=2>女性";
        for (int r = 0; r < 2 && t.RadioCount < 1000; ++r) t.RadioNames[t.RadioCount++] = name;
        break;
      case 3:
        control = "<SELECT name=" + name +
                  "><OPTION value=\"\">選択してください</OPTION><OPTION value=1>東京都</OPTION>"
                  "<OPTION value=2>大阪府</OPTION><OPTION value=3>北海道</OPTION></SELECT>";
        if (t.SelectCount < 30) t.SelectNames[t.SelectCount++] = name;
        break;
      case 4:
        control = "<INPUT type=checkbox name=" + name + " value=1>受け取る";
        if (t.CheckboxCount < 1000) t.CheckboxNames[t.CheckboxCount++] = name;
        break;
      default:
        control = "<INPUT type=email name=" + name + " size=30>";
        if (t.EmailCount < 9) t.EmailNames[t.EmailCount++] = name;
        break;
    }
    form += "<TR><TD>" + std::string(kLabels[i % 12]) + "</TD><TD>" + control + "</TD></TR>\n";
  }
  form += "</TBODY></TABLE><INPUT type=submit value=応募する></FORM>";

  const std::string paragraph =
      "<P>キャンペーンの詳細です。応募は&nbsp;お一人様一回限り、当選者の発表は賞品の発送を"
      "もってかえさせていただきます。<BR><IMG src=line.gif width=500 height=2></P>\n";
  std::string text;
  while (form.size() + text.size() < target_bytes) text += paragraph;
  const std::string body = text.substr(0, text.size() / 2) + form + text.substr(text.size() / 2);
  page->html = "<!DOCTYPE html><html><head><meta charset=utf-8><title>応募</title></head><body>" +
               body + "</body></html>";
  page->body = Sjis(body);
  return page;
}

void Compare(benchmark::State& state, int controls, size_t bytes) {
  const std::unique_ptr<GeneratedPage> page = Generate(controls, bytes);
  auto data = std::make_unique<CData>();
  CFormInputEng::ReadData(data.get());
  double walk_seconds = 0, parse_seconds = 0;
  // Processor time of this (single-threaded) program, so that other work on
  // the machine does not count.
  auto now = [] { return static_cast<double>(std::clock()) / CLOCKS_PER_SEC; };

  for (auto _ : state) {
    const double started = now();
    auto table = std::make_unique<PageElementTable>(page->collected);
    table->PageText = AnnotatePageText(page->body, *table, *data);
    WalkControls(*table, *data);
    benchmark::DoNotOptimize(table->LastFieldCode);
    const double walked = now();

    GumboOutput* output =
        gumbo_parse_with_options(&kGumboDefaultOptions, page->html.data(), page->html.size());
    benchmark::DoNotOptimize(output->root);
    const double parsed = now();
    gumbo_destroy_output(&kGumboDefaultOptions, output);

    walk_seconds += walked - started;
    parse_seconds += parsed - walked;
  }
  const double runs = static_cast<double>(state.iterations());
  state.counters["page_kb"] = static_cast<double>(page->html.size()) / 1024;
  state.counters["walk_ms"] = walk_seconds / runs * 1000;
  state.counters["gumbo_ms"] = parse_seconds / runs * 1000;
  state.counters["walk_per_parse"] = walk_seconds / parse_seconds;
}

void BM_TypicalForm30KB(benchmark::State& state) { Compare(state, 40, 30 * 1024); }
void BM_LargePage1MB1500Controls(benchmark::State& state) { Compare(state, 1500, 1 << 20); }

BENCHMARK(BM_TypicalForm30KB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LargePage1MB1500Controls)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kakikomi
