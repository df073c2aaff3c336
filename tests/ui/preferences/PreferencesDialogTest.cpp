// The preferences dialog over in-memory settings: every setting shown with its default or
// stored value and written back by OK, nothing written by Cancel or Escape, the disk-space
// note, the format and skin lists, the tray switch, and the keyboard.
#include "ui/preferences/PreferencesDialog.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QRadioButton>
#include <QTest>
#include <memory>

#include "common/MemorySettingsStore.h"

namespace qp {
namespace {

class PreferencesDialogTest : public testing::Test {
 protected:
  std::unique_ptr<PreferencesDialog> open() {
    PreferencesInput input;
    input.exportFormats = {{3, "MP3 File"}, {1, "WMA File"}};
    input.skins = {
        {"", "Default", {}}, {"/skins/a.skn", "Amber", {}}, {"/skins/b.skn", "Blue", {}}};
    input.runAtLogOn = [this](bool on) { logOn_.push_back(on); };
    return std::make_unique<PreferencesDialog>(settings_, strings_, std::move(input));
  }

  template <typename T>
  static T* find(const PreferencesDialog& dialog, const char* name) {
    T* widget = dialog.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }

  static QString comboText(const PreferencesDialog& dialog, const char* name) {
    return find<QComboBox>(dialog, name)->currentText();
  }

  MemorySettingsStore settings_;
  StringTable strings_{1033};
  std::vector<bool> logOn_;
};

struct CheckBoxCase {
  const char* objectName;
  const char* setting;
};
const CheckBoxCase kCheckBoxes[] = {
    {"silkvoice", "Silkvoice"},
    {"toolTips", "ToolTips"},
    {"askForName", "AskForName"},
    {"soundEffects", "SoundEffects"},
};

TEST_F(PreferencesDialogTest, CheckBoxesShowTheirSettingsAndOkWritesTheirNewState) {
  for (const auto& box : kCheckBoxes) {
    for (const int stored : {-1, 0, 1}) {  // -1: missing, so the default (ticked)
      MemorySettingsStore fresh;
      settings_ = fresh;
      if (stored >= 0) {
        settings_.writeNumber(box.setting, stored);
      }
      auto dialog = open();
      QCheckBox* check = find<QCheckBox>(*dialog, box.objectName);
      EXPECT_EQ(check->isChecked(), stored != 0) << box.setting << ' ' << stored;
      check->click();
      dialog->accept();
      EXPECT_EQ(settings_.readNumber(box.setting, -5), stored == 0 ? 1 : 0) << box.setting;
      EXPECT_TRUE(logOn_.empty());
      EXPECT_FALSE(dialog->skinChanged());
    }
  }
}

TEST_F(PreferencesDialogTest, CancelAndEscapeLeaveTheSettingsUntouched) {
  settings_.writeNumber("Quality", 1);
  settings_.writeText("SkinPath", "/skins/a.skn");
  for (const bool useEscape : {false, true}) {
    auto dialog = open();
    dialog->show();
    find<QRadioButton>(*dialog, "qualityLow")->click();
    for (const auto& box : kCheckBoxes) {
      find<QCheckBox>(*dialog, box.objectName)->click();
    }
    find<QCheckBox>(*dialog, "onTray")->click();
    find<QComboBox>(*dialog, "skinList")->setCurrentIndex(2);
    find<QComboBox>(*dialog, "emailFormat")->setCurrentIndex(2);
    if (useEscape) {
      QTest::keyClick(dialog.get(), Qt::Key_Escape);
    } else {
      dialog->reject();
    }
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_EQ(settings_.size(), 2U);
    EXPECT_EQ(settings_.readNumber("Quality", -5), 1);
    EXPECT_EQ(settings_.readText("SkinPath", ""), "/skins/a.skn");
    EXPECT_TRUE(logOn_.empty());
  }
}

TEST_F(PreferencesDialogTest, EnterAcceptsAndWritesEverySetting) {
  auto dialog = open();
  dialog->show();
  QTest::keyClick(dialog.get(), Qt::Key_Return);
  EXPECT_EQ(dialog->result(), QDialog::Accepted);
  const std::pair<const char*, int> written[] = {
      {"Quality", 2},   {"AskForName", 1},  {"ToolTips", 1},   {"SoundEffects", 1},
      {"Silkvoice", 1}, {"EmailFormat", 3}, {"DragFormat", 3},
  };
  for (const auto& [name, value] : written) {
    EXPECT_EQ(settings_.readNumber(name, -5), value) << name;
  }
  EXPECT_FALSE(settings_.contains("OnTray"));
  EXPECT_FALSE(settings_.contains("SkinPath"));
  EXPECT_EQ(settings_.size(), std::size(written));
}

TEST_F(PreferencesDialogTest, QualityButtonsFollowTheSettingAndUpdateTheDiskSpaceNote) {
  struct Case {
    int stored;  // -1: missing
    const char* checked;
    const char* note;
  } const cases[] = {
      {-1, "qualityHigh", "\"High\" will use 26.5 MB"},
      {0, "qualityLow", "\"Low\" will use 9.6 MB"},
      {1, "qualityMedium", "\"Medium\" will use 13.2 MB"},
      {2, "qualityHigh", "\"High\" will use 26.5 MB"},
      {9, "qualityHigh", "\"High\" will use 26.5 MB"},
  };
  for (const auto& c : cases) {
    MemorySettingsStore fresh;
    settings_ = fresh;
    if (c.stored >= 0) {
      settings_.writeNumber("Quality", c.stored);
    }
    auto dialog = open();
    EXPECT_TRUE(find<QRadioButton>(*dialog, c.checked)->isChecked()) << c.stored;
    EXPECT_TRUE(find<QLabel>(*dialog, "diskSpaceNote")->text().contains(QString(c.note)))
        << find<QLabel>(*dialog, "diskSpaceNote")->text().toStdString();
  }
  auto dialog = open();
  find<QRadioButton>(*dialog, "qualityMedium")->click();
  EXPECT_TRUE(find<QLabel>(*dialog, "diskSpaceNote")->text().contains("13.2 MB"));
  dialog->accept();
  EXPECT_EQ(settings_.readNumber("Quality", -5), 1);
  EXPECT_TRUE(logOn_.empty());
}

TEST_F(PreferencesDialogTest, FormatListsSelectTheStoredFormatAndStoreTheChosenId) {
  struct Case {
    int stored;  // -9: missing
    const char* shown;
    int pick;  // index chosen before OK; -1: none
    int expected;
  } const cases[] = {
      {-9, "MP3 File", -1, 3}, {-1, "MP3 File", -1, 3}, {1, "WMA File", -1, 1},
      {0, "Wave File", -1, 0}, {3, "MP3 File", 2, 0},   {0, "Wave File", 1, 1},
      {77, "MP3 File", -1, 3},
  };
  for (const char* list : {"emailFormat", "dragFormat"}) {
    const char* setting = list[0] == 'e' ? "EmailFormat" : "DragFormat";
    for (const auto& c : cases) {
      MemorySettingsStore fresh;
      settings_ = fresh;
      if (c.stored != -9) {
        settings_.writeNumber(setting, c.stored);
      }
      auto dialog = open();
      QComboBox* combo = find<QComboBox>(*dialog, list);
      ASSERT_EQ(combo->count(), 3);
      EXPECT_EQ(combo->currentText(), QString(c.shown)) << setting << ' ' << c.stored;
      if (c.pick >= 0) {
        combo->setCurrentIndex(c.pick);
      }
      dialog->accept();
      EXPECT_EQ(settings_.readNumber(setting, -9), c.expected) << setting << ' ' << c.stored;
    }
  }
}

TEST_F(PreferencesDialogTest, WithoutExportFormatsOnlyWaveIsOffered) {
  PreferencesDialog dialog(settings_, strings_, PreferencesInput{});
  QComboBox* email = find<QComboBox>(dialog, "emailFormat");
  ASSERT_EQ(email->count(), 1);
  EXPECT_EQ(email->currentText(), "Wave File");
  dialog.accept();
  EXPECT_EQ(settings_.readNumber("EmailFormat", -9), 0);
  EXPECT_EQ(settings_.readNumber("OnTray", -9), -9);
  EXPECT_FALSE(settings_.contains("SkinPath"));
  EXPECT_FALSE(dialog.skinChanged());
}

TEST_F(PreferencesDialogTest, OnlyAnotherSkinIsWrittenAndReportedAsAChange) {
  struct Case {
    const char* stored;  // null: missing
    const char* shown;
    int pick;  // -1: leave
    bool changed;
    const char* expected;  // SkinPath after OK; null: not written
  } const cases[] = {
      {nullptr, "Default", -1, false, nullptr},
      {"/skins/b.skn", "Blue", -1, false, "/skins/b.skn"},
      {"/skins/gone.skn", "Default", -1, false, "/skins/gone.skn"},
      {nullptr, "Default", 1, true, "/skins/a.skn"},
      {"/skins/b.skn", "Blue", 0, true, ""},
      {"/skins/gone.skn", "Default", 2, true, "/skins/b.skn"},
  };
  for (const auto& c : cases) {
    MemorySettingsStore fresh;
    settings_ = fresh;
    if (c.stored != nullptr) {
      settings_.writeText("SkinPath", c.stored);
    }
    auto dialog = open();
    EXPECT_EQ(comboText(*dialog, "skinList"), QString(c.shown));
    if (c.pick >= 0) {
      find<QComboBox>(*dialog, "skinList")->setCurrentIndex(c.pick);
    }
    dialog->accept();
    EXPECT_EQ(dialog->skinChanged(), c.changed) << c.pick;
    if (c.expected == nullptr) {
      EXPECT_FALSE(settings_.contains("SkinPath"));
    } else {
      EXPECT_EQ(settings_.readText("SkinPath", "unset"), c.expected);
    }
  }
}

TEST_F(PreferencesDialogTest, TheTaskbarBoxSwitchesStartingAtLogOnOnlyWhenChanged) {
  settings_.writeNumber("OnTray", 0);
  auto dialog = open();
  QCheckBox* onTray = find<QCheckBox>(*dialog, "onTray");
  EXPECT_FALSE(onTray->isChecked());
  onTray->click();
  dialog->accept();
  EXPECT_EQ(logOn_, std::vector<bool>{true});

  logOn_.clear();
  MemorySettingsStore fresh;
  settings_ = fresh;
  auto unticked = open();
  EXPECT_TRUE(find<QCheckBox>(*unticked, "onTray")->isChecked());
  find<QCheckBox>(*unticked, "onTray")->click();
  unticked->accept();
  EXPECT_EQ(logOn_, std::vector<bool>{false});
}

TEST_F(PreferencesDialogTest, ASkinsPictureIsShownInThePreview) {
  PreferencesInput input;
  QImage red(8, 4, QImage::Format_RGB32);
  red.fill(Qt::red);
  QByteArray png;
  {
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    red.save(&buffer, "PNG");
  }
  input.skins = {{"", "Default", {}},
                 {"/skins/r.skn", "Red", std::vector<std::uint8_t>(png.begin(), png.end())}};
  PreferencesDialog dialog(settings_, strings_, std::move(input));
  QLabel* preview = find<QLabel>(dialog, "skinPreview");
  EXPECT_TRUE(preview->pixmap().isNull());
  find<QComboBox>(dialog, "skinList")->setCurrentIndex(1);
  ASSERT_FALSE(preview->pixmap().isNull());
  EXPECT_EQ(preview->pixmap().toImage().pixelColor(1, 1), QColor(Qt::red));
}

TEST_F(PreferencesDialogTest, LaidOutTextsGetAtLeastTheRoomTheyAskFor) {
  auto dialog = open();
  dialog->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
  for (const QWidget* widget : dialog->findChildren<QWidget*>()) {
    if (qobject_cast<const QLabel*>(widget) == nullptr &&
        qobject_cast<const QAbstractButton*>(widget) == nullptr) {
      continue;
    }
    if (widget->isVisible() && widget != find<QLabel>(*dialog, "diskSpaceNote")) {
      EXPECT_GE(widget->width(), widget->minimumSizeHint().width())
          << widget->objectName().toStdString();
      EXPECT_GE(widget->height(), widget->minimumSizeHint().height())
          << widget->objectName().toStdString();
    }
  }
}

TEST_F(PreferencesDialogTest, TabVisitsTheControlsInReadingOrder) {
  auto dialog = open();
  const QStringList expected{"qualityHigh", "skinList", "emailFormat", "dragFormat",  "silkvoice",
                             "onTray",      "toolTips", "askForName",  "soundEffects"};
  QStringList visited;
  QWidget* widget = find<QRadioButton>(*dialog, "qualityLow");
  for (int i = 0; i < 40 && visited.size() < expected.size(); ++i) {
    widget = widget->nextInFocusChain();
    if (expected.contains(widget->objectName()) && !visited.contains(widget->objectName())) {
      visited.append(widget->objectName());
    }
  }
  EXPECT_EQ(visited, expected);
}

}  // namespace
}  // namespace qp
