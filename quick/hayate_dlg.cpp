#include "quick/hayate_dlg.h"

#include <QPushButton>
#include <QVBoxLayout>

namespace kakikomi::quick {

CHayateDlg::CHayateDlg(const HayateChoice& choice, QWidget* parent)
    : QDialog(parent), choice_(choice) {
  setWindowTitle(QString::fromUtf8("応募手帖クイック入力"));
  setWindowFlag(Qt::WindowStaysOnTopHint);
  auto* layout = new QVBoxLayout(this);
  for (int i = 0; i < kUserSlots; ++i) {
    auto* button = new QPushButton(QString::fromStdString(choice.Caption(i)), this);
    button->setObjectName(QString("button%1").arg(kFirstButtonId + i));
    button->setAutoDefault(false);
    button->setVisible(i < choice.VisibleButtons());
    connect(button, &QPushButton::clicked, this, [this, i] {
      selected_ = choice_.ResultForButton(i);
      done(QDialog::Accepted);
    });
    layout->addWidget(button);
  }
  auto* cancel = new QPushButton(QString::fromUtf8("キャンセル"), this);
  cancel->setObjectName("cancel");
  cancel->setAutoDefault(false);
  connect(cancel, &QPushButton::clicked, this, &CHayateDlg::reject);
  layout->addWidget(cancel);
}

void CHayateDlg::reject() {
  selected_ = HayateChoice::ResultForCancel();
  QDialog::reject();
}

}  // namespace kakikomi::quick
