// PageElementTable: one document's collected form controls in page order,
// its annotated page text, and the working state that label extraction, the
// dispatcher and the fillers share while they walk the page. Fillers record
// here what is to be written; only the driver's finishing step writes.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/core/cdata.h"
#include "engine/core/document_access.h"

namespace kakikomi {

// Kind codes of ElementKinds.
enum ElementKind : int8_t {
  kKindEnd = -1,
  kKindRadio = 0,
  kKindText = 1,
  kKindCheckbox = 2,
  kKindSelect = 3,
  kKindTextArea = 4,
  kKindPassword = 5,
  kKindOtherInput = 6,
  kKindEmail = 7,
  kKindTel = 8,
};

// Order of MatchCursor entries.
enum MatchCursorKind {
  kCursorSelect = 0,
  kCursorRadio,
  kCursorText,
  kCursorEmail,
  kCursorTel,
  kCursorCheckbox,
  kCursorPassword,
  kCursorTextArea,
};

// Capacities: each kind's limit plus a small margin.
inline constexpr int kSelectCapacity = 32;
inline constexpr int kRadioCapacity = 1002;
inline constexpr int kTextCapacity = 62;
inline constexpr int kEmailCapacity = 11;
inline constexpr int kTelCapacity = 32;
inline constexpr int kCheckboxCapacity = 1002;
inline constexpr int kPasswordCapacity = 7;
inline constexpr int kTextAreaCapacity = 22;
inline constexpr int kPositionCapacity = 1504;

struct PageElementTable {
  PageElementTable();

  // Counts per kind.
  int SelectCount = 0, RadioCount = 0, TextCount = 0, EmailCount = 0, TelCount = 0,
      CheckboxCount = 0, TextAreaCount = 0, PasswordCount = 0;

  // Selects.
  std::array<FormControl*, kSelectCapacity> SelectElements{};
  std::array<std::string, kSelectCapacity> SelectNames;
  std::array<int, kSelectCapacity> SelectPositions{};
  std::array<int, kSelectCapacity> SelectChoice;  // option index to pick, -1 none

  // Radio inputs.
  std::array<FormControl*, kRadioCapacity> RadioElements{};
  std::array<std::string, kRadioCapacity> RadioValues, RadioNames;
  std::array<int, kRadioCapacity> RadioPositions{};
  std::array<uint8_t, kRadioCapacity> RadioCheck{};  // 1 = tick

  // Text inputs.
  std::array<FormControl*, kTextCapacity> TextElements{};
  std::array<std::string, kTextCapacity> TextNames;
  std::array<int, kTextCapacity> TextMaxLength{}, TextSize{};
  std::array<int, kTextCapacity> TextPositions{};
  std::array<std::string, kTextCapacity> TextValue;  // empty = leave alone

  // Email inputs.
  std::array<FormControl*, kEmailCapacity> EmailElements{};
  std::array<std::string, kEmailCapacity> EmailNames;
  std::array<int, kEmailCapacity> EmailPositions{};
  std::array<std::string, kEmailCapacity> EmailValue;

  // Tel inputs.
  std::array<FormControl*, kTelCapacity> TelElements{};
  std::array<std::string, kTelCapacity> TelNames;
  std::array<int, kTelCapacity> TelPositions{};
  std::array<std::string, kTelCapacity> TelValue;

  // Checkbox inputs.
  std::array<FormControl*, kCheckboxCapacity> CheckboxElements{};
  std::array<std::string, kCheckboxCapacity> CheckboxValues, CheckboxNames;
  std::array<int, kCheckboxCapacity> CheckboxPositions{};
  std::array<uint8_t, kCheckboxCapacity> CheckboxCheck{};

  // Password inputs.
  std::array<FormControl*, kPasswordCapacity> PasswordElements{};
  std::array<std::string, kPasswordCapacity> PasswordNames;
  std::array<int, kPasswordCapacity> PasswordPositions{};

  // Textareas.
  std::array<FormControl*, kTextAreaCapacity> TextAreaElements{};
  std::array<std::string, kTextAreaCapacity> TextAreaNames;
  std::array<int, kTextAreaCapacity> TextAreaPositions{};
  std::array<std::string, kTextAreaCapacity> TextAreaValue;

  // Per position: the kind code (-1 after the last control) and the index
  // within the kind (-1 for other inputs).
  std::array<int8_t, kPositionCapacity> ElementKinds;
  std::array<int, kPositionCapacity> KindIndex;
  // The control at each position, other inputs included (for tools that show
  // what the engine saw).
  std::array<FormControl*, kPositionCapacity> PositionElements{};
  int PositionCount = 0;

  // The body HTML, replaced after collection by the annotated text.
  std::string PageText;

  // Dispatcher window.
  int8_t PassNumber = 0;
  int TagStart = -1, TagEnd = -1;
  int ScanFrom = 0, TextFrom = 0;
  std::array<std::string, 3> ControlLabels;
  std::array<std::string, 3> ControlTags;
  std::string WorkLabel, EntryLabel;
  int8_t SkipCount = 0;
  int LastFieldCode = -1;
  std::array<int, 8> MatchCursor{};  // by MatchCursorKind
  // The matchers' normalised form of each collected name, by
  // MatchCursorKind; filled on first use so a page of many unmatched names
  // stays linear.
  std::array<std::vector<std::string>, 8> NormalisedNames;

  // Per-form item state: reset by ResetFormState at each submit or image button.
  uint8_t SexDone = 0, YearDone = 0, YearClosed = 0, MonthDone = 0, DayDone = 0, EraMode = 0,
          AgeDone = 0, JobDone = 0, MarriageDone = 0, BloodTypeDone = 0, SeizaDone = 0,
          IndustryDone = 0, JobTypeDone = 0, ToDouHuKenDone = 0, MobileDomainDone = 0,
          RegionDone = 0;
  uint8_t MailDone = 0, MobileMailDone = 0, NameKanjiDone = 0, NameKanaDone = 0,
          NameKatakanaDone = 0, NameRomajiDone = 0, ZipDone = 0, TelDone = 0, FaxDone = 0,
          MobileDone = 0, NickNameDone = 0;
  std::array<uint8_t, 4> AddressDone{};  // set together by the address filler
  std::array<int8_t, 19> TextAreaSlot;
  uint8_t ThirdDigitChosen = 0, CenturyChosen = 0;
  uint8_t EraInOptions = 0xFF;
  uint8_t RadioJobState = 0, RadioAgeArmed = 0;
  std::string RadioAgeGroup;
  uint8_t CheckboxJobState = 0, CheckboxAgeArmed = 0;
  std::string CheckboxAgeGroup;
  int LastJobCheckbox = -1;

  // Radio and checkbox group state that lives across forms.
  std::string RadioGroupName;
  uint8_t RadioGroupDone = 0, SexLabelMode = 0;
  std::string CheckboxGroupName;
  uint8_t CheckboxGroupDone = 0;
  uint8_t CityInPrevious = 0;  // the address filler's; never reset

  // Page-level flags, set once per page by label extraction.
  uint8_t SexOffered = 0, MarriageOffered = 0, AgeOffered = 0, JobOffered = 0, EraOffered = 0,
          RegionOffered = 0, ToDouHuKenOffered = 0, SeizaOffered = 0, BloodTypeOffered = 0,
          ChoiceSkip = 0;

  uint8_t LastHandlerResult = 0;

  // Keeps the document (and so every control above) alive while the table lives.
  std::shared_ptr<HtmlDocument> Document;

  // Clears the per-form item state at the end of a form.
  void ResetFormState();

  // Fills the table from `document`: controls in form order within the
  // limits of `data`, their attributes, and the body HTML as PageText.
  void Collect(const CData& data, std::shared_ptr<HtmlDocument> document);

  // Count of the kind behind a MatchCursorKind.
  int CountOf(MatchCursorKind kind) const;
};

}  // namespace kakikomi
