// CHayateDlg: the quick-input program's profile dialog, one button per
// profile and "キャンセル". The widgets only show what HayateChoice decided.
#pragma once

#include <QDialog>

#include "quick/hayate_choice.h"

class QPushButton;

namespace kakikomi::quick {

class CHayateDlg : public QDialog {
 public:
  explicit CHayateDlg(const HayateChoice& choice, QWidget* parent = nullptr);

  // The chosen slot after exec(); -1 for "キャンセル", Escape or the close box.
  int Selected() const { return selected_; }

 protected:
  void reject() override;

 private:
  const HayateChoice& choice_;
  int selected_ = kNoSlot;
};

}  // namespace kakikomi::quick
