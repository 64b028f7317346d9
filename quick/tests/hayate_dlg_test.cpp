#include "quick/hayate_dlg.h"

#include <gtest/gtest.h>
#include <QPushButton>
#include <QTest>

namespace kakikomi::quick {
namespace {

std::array<std::string, kUserSlots> Names() {
  return {"一郎", "二郎", "三郎", "四郎", "五郎", "六郎", "七郎", "八郎", "九郎", "十郎"};
}

QPushButton* Button(CHayateDlg& dialog, const QString& name) {
  return dialog.findChild<QPushButton*>(name);
}

TEST(CHayateDlgTest, ThreeProfilesShowThreeNamedButtonsAndCancel) {
  const auto names = Names();
  HayateChoice choice(names, 2);
  CHayateDlg dialog(choice);
  dialog.show();
  EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("応募手帖クイック入力"));
  for (int i = 0; i < kUserSlots; ++i) {
    QPushButton* button = Button(dialog, QString("button%1").arg(1000 + i));
    ASSERT_NE(button, nullptr) << i;
    EXPECT_EQ(button->isVisible(), i < 3) << i;
    if (i < 3) {
      EXPECT_EQ(button->text().toStdString(), names[i]);
    }
  }
  QPushButton* cancel = Button(dialog, "cancel");
  ASSERT_NE(cancel, nullptr);
  EXPECT_TRUE(cancel->isVisible());
  EXPECT_EQ(cancel->text(), QString::fromUtf8("キャンセル"));

  QTest::mouseClick(Button(dialog, "button1001"), Qt::LeftButton);
  EXPECT_EQ(dialog.Selected(), 1);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST(CHayateDlgTest, TenProfilesUseAllTenButtons) {
  const auto names = Names();
  HayateChoice choice(names, 9);
  CHayateDlg dialog(choice);
  dialog.show();
  for (int i = 0; i < kUserSlots; ++i) {
    QPushButton* button = Button(dialog, QString("button%1").arg(1000 + i));
    EXPECT_TRUE(button->isVisible()) << i;
    EXPECT_EQ(button->text().toStdString(), names[i]);
  }
  QTest::mouseClick(Button(dialog, "button1009"), Qt::LeftButton);
  EXPECT_EQ(dialog.Selected(), 9);
}

TEST(CHayateDlgTest, EscapeCancelAndTheCloseBoxGiveNoProfile) {
  const auto names = Names();
  HayateChoice choice(names, 2);
  {
    CHayateDlg dialog(choice);
    dialog.show();
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_EQ(dialog.Selected(), -1);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
  }
  {
    CHayateDlg dialog(choice);
    dialog.show();
    QTest::mouseClick(Button(dialog, "cancel"), Qt::LeftButton);
    EXPECT_EQ(dialog.Selected(), -1);
  }
  {
    CHayateDlg dialog(choice);
    dialog.show();
    dialog.close();
    EXPECT_EQ(dialog.Selected(), -1);
    EXPECT_FALSE(dialog.isVisible());
  }
}

}  // namespace
}  // namespace kakikomi::quick
