#include "quick/quick_input.h"

#include <memory>

#include "engine/base/sjis_text.h"
#include "engine/core/form_input_eng.h"
#include "engine/data/reg_read.h"

namespace kakikomi::quick {

int RunQuickInput(DocumentView* view, const AskForProfile& ask) {
  auto data = std::make_unique<CData>();
  CFormInputEng::ReadData(data.get());
  auto main = std::make_unique<CMainData>();
  // Read-only: this program never saves, so nothing it loads may move,
  // stamp or delete anything.
  CRegRead::GetRegData(main.get(), data.get(), RegLoad::kReadOnly);

  std::array<std::string, kUserSlots> captions;
  for (int i = 0; i < kUserSlots; ++i) captions[i] = SjisToUtf8(main->Private[i].NameKanji);
  const HayateChoice choice(captions, main->UserNumber);
  const int slot = choice.NeedsDialog() ? ask(choice) : choice.SlotWithoutDialog();
  if (slot < 0 || slot > main->UserNumber) return kNoSlot;

  // The fill reads its own copy, which nothing else can change while the
  // page waits to load.
  auto fill = std::make_unique<CData>(*data);
  CRegRead::SetPrivateData(main.get(), static_cast<int8_t>(slot), fill.get());
  CFormInputEng::Main(view, fill.get());
  return slot;
}

}  // namespace kakikomi::quick
