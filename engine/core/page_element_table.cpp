#include "engine/core/page_element_table.h"

#include <algorithm>

namespace kakikomi {

PageElementTable::PageElementTable() {
  SelectChoice.fill(-1);
  ElementKinds.fill(kKindEnd);
  KindIndex.fill(-1);
  ResetFormState();
}

void PageElementTable::ResetFormState() {
  SexDone = YearDone = YearClosed = MonthDone = DayDone = EraMode = 0;
  AgeDone = JobDone = MarriageDone = BloodTypeDone = SeizaDone = 0;
  IndustryDone = JobTypeDone = ToDouHuKenDone = MobileDomainDone = RegionDone = 0;
  MailDone = MobileMailDone = NameKanjiDone = NameKanaDone = NameKatakanaDone = 0;
  NameRomajiDone = ZipDone = TelDone = FaxDone = MobileDone = NickNameDone = 0;
  AddressDone.fill(0);
  TextAreaSlot.fill(-1);
  ThirdDigitChosen = CenturyChosen = 0;
  EraInOptions = 0xFF;
  RadioJobState = RadioAgeArmed = CheckboxJobState = CheckboxAgeArmed = 0;
  RadioAgeGroup.clear();
  CheckboxAgeGroup.clear();
  LastJobCheckbox = -1;
}

int PageElementTable::CountOf(MatchCursorKind kind) const {
  switch (kind) {
    case kCursorSelect:
      return SelectCount;
    case kCursorRadio:
      return RadioCount;
    case kCursorText:
      return TextCount;
    case kCursorEmail:
      return EmailCount;
    case kCursorTel:
      return TelCount;
    case kCursorCheckbox:
      return CheckboxCount;
    case kCursorPassword:
      return PasswordCount;
    case kCursorTextArea:
      return TextAreaCount;
  }
  return 0;
}

namespace {

// The input kind for a reported type, compared exactly as the browser
// reports it; hidden inputs are not collected at all.
constexpr int8_t kNotCollected = -2;
int8_t InputKind(const std::string& type) {
  if (type == "radio") return kKindRadio;
  if (type == "text") return kKindText;
  if (type == "checkbox") return kKindCheckbox;
  if (type == "password") return kKindPassword;
  if (type == "email") return kKindEmail;
  if (type == "tel") return kKindTel;
  if (type == "hidden") return kNotCollected;
  return kKindOtherInput;
}

}  // namespace

void PageElementTable::Collect(const CData& data, std::shared_ptr<HtmlDocument> document) {
  Document = std::move(document);
  if (!Document) return;

  // The capacities bound every limit, whatever the record says.
  const int max_elements = std::min(data.MaxElements, kPositionCapacity - 1);
  const int max_selects = std::min(data.MaxSelects, kSelectCapacity);
  const int max_radios = std::min(data.MaxRadios, kRadioCapacity);
  const int max_texts = std::min(data.MaxTexts - 2, kTextCapacity);
  const int max_emails = std::min(data.MaxEmails, kEmailCapacity);
  const int max_tels = std::min(data.MaxTels, kTelCapacity);
  const int max_checkboxes = std::min(data.MaxCheckboxes, kCheckboxCapacity);
  const int max_passwords = std::min(data.MaxPasswords, kPasswordCapacity);
  const int max_textareas = std::min(data.MaxTextAreas, kTextAreaCapacity);

  int position = 0;
  auto place = [&](FormControl* control, int8_t kind, int index) {
    ElementKinds[position] = kind;
    KindIndex[position] = index;
    PositionElements[position] = control;
    return position++;
  };

  // 1. Walk every form's controls in form order.
  const int form_count = Document->FormCount();
  for (int f = 0; f < form_count; ++f) {
    HtmlForm* form = Document->Form(f);
    if (!form) continue;
    const int length = form->Length();
    for (int j = 0; j < length && position < max_elements; ++j) {
      FormControl* control = form->Item(j);
      if (!control) continue;
      switch (control->Tag()) {
        case ControlTag::kSelect:
          if (SelectCount < max_selects) {
            SelectElements[SelectCount] = control;
            SelectPositions[SelectCount] = place(control, kKindSelect, SelectCount);
            ++SelectCount;
          }
          break;
        case ControlTag::kTextArea:
          if (TextAreaCount < max_textareas) {
            TextAreaElements[TextAreaCount] = control;
            TextAreaPositions[TextAreaCount] = place(control, kKindTextArea, TextAreaCount);
            ++TextAreaCount;
          }
          break;
        case ControlTag::kInput: {
          const int8_t kind = InputKind(control->Type());
          auto collect = [&](auto& elements, auto& positions, int& count, int limit) {
            if (count >= limit) return;
            elements[count] = control;
            positions[count] = place(control, kind, count);
            ++count;
          };
          switch (kind) {
            case kKindRadio:
              collect(RadioElements, RadioPositions, RadioCount, max_radios);
              break;
            case kKindText:
              collect(TextElements, TextPositions, TextCount, max_texts);
              break;
            case kKindCheckbox:
              collect(CheckboxElements, CheckboxPositions, CheckboxCount, max_checkboxes);
              break;
            case kKindPassword:
              collect(PasswordElements, PasswordPositions, PasswordCount, max_passwords);
              break;
            case kKindEmail:
              collect(EmailElements, EmailPositions, EmailCount, max_emails);
              break;
            case kKindTel:
              collect(TelElements, TelPositions, TelCount, max_tels);
              break;
            case kKindOtherInput:
              place(control, kKindOtherInput, -1);
              break;
            default:
              break;  // hidden: no position
          }
          break;
        }
        case ControlTag::kOther:
          break;
      }
    }
  }
  PositionCount = position;
  ElementKinds[position] = kKindEnd;

  // 2. Attributes.
  for (int i = 0; i < SelectCount; ++i) SelectNames[i] = SelectElements[i]->Name();
  for (int i = 0; i < RadioCount; ++i) {
    RadioValues[i] = RadioElements[i]->Value();
    RadioNames[i] = RadioElements[i]->Name();
  }
  for (int i = 0; i < TextCount; ++i) {
    TextNames[i] = TextElements[i]->Name();
    TextMaxLength[i] = TextElements[i]->MaxLength();
    TextSize[i] = TextElements[i]->Size();
  }
  for (int i = 0; i < EmailCount; ++i) EmailNames[i] = EmailElements[i]->Name();
  for (int i = 0; i < TelCount; ++i) TelNames[i] = TelElements[i]->Name();
  for (int i = 0; i < CheckboxCount; ++i) {
    CheckboxValues[i] = CheckboxElements[i]->Value();
    CheckboxNames[i] = CheckboxElements[i]->Name();
  }
  for (int i = 0; i < PasswordCount; ++i) PasswordNames[i] = PasswordElements[i]->Name();
  for (int i = 0; i < TextAreaCount; ++i) TextAreaNames[i] = TextAreaElements[i]->Name();

  // 3. Page text.
  PageText = Document->BodyInnerHtml();
}

}  // namespace kakikomi
