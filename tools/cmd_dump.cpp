// kakikomi dump PAGE.html: what the engine sees of a page. Every document it
// would fill (the page, then its frames in fill order), with the controls
// collected into the page element table and the page text.
#include <cstdio>
#include <exception>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "engine/base/sjis_text.h"
#include "engine/core/cdata.h"
#include "engine/core/form_input_eng.h"
#include "engine/core/label_extraction.h"
#include "engine/core/page_element_table.h"
#include "engine/dom/standalone_document.h"
#include "tools/commands.h"

namespace kakikomi::cli {
namespace {

using json = nlohmann::ordered_json;

json Counts(const PageElementTable& table) {
  return {{"select", table.SelectCount},     {"radio", table.RadioCount},
          {"text", table.TextCount},         {"email", table.EmailCount},
          {"tel", table.TelCount},           {"checkbox", table.CheckboxCount},
          {"textarea", table.TextAreaCount}, {"password", table.PasswordCount}};
}

// One document of the dump. Whatever else is to be shown per document
// belongs here.
json DocumentJson(int index, HtmlDocument& document, const PageElementTable& table) {
  json out;
  out["document"] = index;
  if (auto* standalone = dynamic_cast<StandaloneDocument*>(&document)) {
    out["path"] = standalone->path();
    out["encoding"] = standalone->encoding();
  }
  out["counts"] = Counts(table);
  json controls = json::array();
  for (int position = 0; position < table.PositionCount; ++position) {
    json entry;
    entry["position"] = position;
    entry["kind"] = table.ElementKinds[position];
    entry["index"] = table.KindIndex[position];
    if (FormControl* control = table.PositionElements[position]) {
      entry["name"] = SjisToUtf8(control->Name());
      entry["type"] = SjisToUtf8(control->Type());
      entry["value"] = SjisToUtf8(control->Value());
      entry["maxLength"] = control->MaxLength();
      entry["size"] = control->Size();
    }
    controls.push_back(std::move(entry));
  }
  out["controls"] = std::move(controls);
  out["pageText"] = SjisToUtf8(table.PageText);
  return out;
}

// The page text as the dispatcher walks it, and the page-level flags its
// scan sets (with no profile loaded only the age words can be offered).
void AddAnnotation(json& out, PageElementTable& table, const CData& data) {
  const std::string annotated =
      table.PageText.empty() ? std::string() : AnnotatePageText(table.PageText, table, data);
  out["annotatedText"] = SjisToUtf8(annotated);
  out["pageFlags"] = {{"SexOffered", table.SexOffered},
                      {"MarriageOffered", table.MarriageOffered},
                      {"AgeOffered", table.AgeOffered},
                      {"JobOffered", table.JobOffered},
                      {"EraOffered", table.EraOffered},
                      {"RegionOffered", table.RegionOffered},
                      {"ToDouHuKenOffered", table.ToDouHuKenOffered},
                      {"SeizaOffered", table.SeizaOffered},
                      {"BloodTypeOffered", table.BloodTypeOffered},
                      {"ChoiceSkip", table.ChoiceSkip}};
}

}  // namespace

int RunDump(const std::vector<std::string>& args) {
  if (args.size() != 1 || args[0].empty() || args[0][0] == '-') {
    std::fprintf(stderr, "kakikomi dump: expected one page file: kakikomi dump PAGE.html\n");
    return 2;
  }
  try {
    std::string error;
    std::shared_ptr<StandaloneDocument> page = StandaloneDocument::Load(args[0], &error);
    if (!page) {
      std::fprintf(stderr, "kakikomi dump: %s\n", error.c_str());
      return 1;
    }
    auto data = std::make_unique<CData>();
    CFormInputEng::ReadData(data.get());
    StandaloneView view(page);
    json documents = json::array();
    int index = 0;
    for (const std::shared_ptr<HtmlDocument>& document : CollectDocuments(&view, *data)) {
      auto table = std::make_unique<PageElementTable>();
      table->Collect(*data, document);
      json entry = DocumentJson(index++, *document, *table);
      AddAnnotation(entry, *table, *data);
      documents.push_back(std::move(entry));
    }
    std::cout << json{{"documents", std::move(documents)}}.dump(2, ' ', false,
                                                                json::error_handler_t::replace)
              << '\n';
    return 0;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "kakikomi dump: %s\n", e.what());
    return 1;
  }
}

}  // namespace kakikomi::cli
