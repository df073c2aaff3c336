// The desktop program's language: which Qt catalogue and layout direction a language id gets,
// what install() does to the running application, and screenshots of a question box in
// Japanese, Russian, Korean and Chinese (written to tests/artefacts/ of the build tree for a
// person to look at).
#include "ui/QtLanguage.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFontDatabase>
#include <QImage>
#include <QMessageBox>
#include <QPushButton>
#include <cstdlib>

#include "common/LanguageId.h"
#include "common/StringIds.h"
#include "common/StringTable.h"

namespace qp {
namespace {

QApplication& application() {
  return *qApp;
}

QString yesButtonText() {
  return QCoreApplication::translate("QPlatformTheme", "&Yes");
}

TEST(QtLanguage, CatalogueOfEachInterfaceLanguage) {
  struct Row {
    std::uint16_t language;
    const char* catalogue;
  };
  const Row rows[] = {
      {0x0407, "qtbase_de"},
      {0x0c07, "qtbase_de"},
      {0x040c, "qtbase_fr"},
      {0x0c0c, "qtbase_fr"},
      {0x0410, "qtbase_it"},
      {0x0411, "qtbase_ja"},
      {0x0412, "qtbase_ko"},
      {0x0419, "qtbase_ru"},
      {0x0c0a, "qtbase_es"},
      {0x080a, "qtbase_es"},
      {0x0404, "qtbase_zh_TW"},
      {0x0c04, "qtbase_zh_TW"},
      {0x1404, "qtbase_zh_TW"},
      {0x0804, "qtbase_zh_CN"},
      {0x1004, "qtbase_zh_CN"},
      {0x0409, ""},
      {0x0809, ""},  // English: Qt's own texts
      {0x0401, ""},
      {0x040d, ""},  // no table: English texts, English buttons
      {0x0413, ""},
      {0x0000, ""},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(QtLanguage::qtTranslationName(row.language).toStdString(), row.catalogue)
        << std::hex << row.language;
  }
}

TEST(QtLanguage, ArabicAndHebrewAreLaidOutFromTheRight) {
  struct Row {
    const char* locale;
    bool rightToLeft;
  };
  const Row rows[] = {
      {"ar_SA.UTF-8", true}, {"ar_EG", true},  {"he_IL.UTF-8", true}, {"en_US", false},
      {"ja_JP", false},      {"ru_RU", false}, {"zh_TW", false},      {"C", false},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(QtLanguage::isRightToLeft(LanguageId::fromLocaleName(row.locale)), row.rightToLeft)
        << row.locale;
  }
  EXPECT_TRUE(QtLanguage::isRightToLeft(0x0c01));   // Arabic (Egypt) by id
  EXPECT_FALSE(QtLanguage::isRightToLeft(0x0411));  // Japanese shares no bits that matter
}

// Puts the process back to the user's language when a test that switched it ends.
class InstalledLanguage : public testing::Test {
 protected:
  ~InstalledLanguage() override { QtLanguage::install(application(), LanguageId::system()); }
};

TEST_F(InstalledLanguage, SwitchesTableQtButtonsAndDirectionTogether) {
  ASSERT_TRUE(QtLanguage::install(application(), 0x0411)) << "qtbase_ja.qm not found";
  EXPECT_EQ(StringTable::active().language(), 1041);
  EXPECT_NE(yesButtonText(), QStringLiteral("&Yes"));
  EXPECT_EQ(QApplication::layoutDirection(), Qt::LeftToRight);

  ASSERT_TRUE(QtLanguage::install(application(), 0x0419));  // replaces the Japanese catalogue
  EXPECT_EQ(StringTable::active().language(), 1049);
  EXPECT_EQ(yesButtonText(), QStringLiteral("&Да"));

  EXPECT_FALSE(QtLanguage::install(application(), 0x0401));  // Arabic: no table, no catalogue
  EXPECT_EQ(yesButtonText(), QStringLiteral("&Yes"));
  EXPECT_EQ(QApplication::layoutDirection(), Qt::RightToLeft);
  QMessageBox box;
  EXPECT_TRUE(box.isRightToLeft());

  EXPECT_FALSE(QtLanguage::install(application(), 0x0409));
  EXPECT_EQ(StringTable::active().language(), 1033);
  EXPECT_EQ(QApplication::layoutDirection(), Qt::LeftToRight);
}

// The close question as the program asks it, drawn off screen and saved as a PNG.
QImage questionBoxImage(const QString& file) {
  const StringTable& strings = StringTable::active();
  QMessageBox box(QMessageBox::Question,
                  QString::fromStdString(strings.text(StringId::kProductName)),
                  QString::fromStdString(strings.text(StringId::kCloseWithAlarmsQuestion)),
                  QMessageBox::Yes | QMessageBox::No);
  box.setInformativeText(QString::fromStdString(strings.text(StringId::kEraseNotesQuestion))
                             .replace(QStringLiteral("%i"), QStringLiteral("3")));
  box.show();
  QCoreApplication::processEvents();
  EXPECT_EQ(box.button(QMessageBox::Yes)->text(), yesButtonText());
  const QImage image = box.grab().toImage();
  const QString directory =
      QString::fromLocal8Bit(std::getenv("QP_BINARY_DIR")) + QStringLiteral("/tests/artefacts");
  QDir().mkpath(directory);
  EXPECT_TRUE(image.save(directory + QLatin1Char('/') + file)) << directory.toStdString();
  box.hide();
  return image;
}

TEST_F(InstalledLanguage, QuestionBoxScreenshotsInJapaneseRussianAndTheOtherScripts) {
  struct Row {
    std::uint16_t language;
    QFontDatabase::WritingSystem script;  // without a font for it, characters become boxes
    const char* file;
  };
  const Row rows[] = {
      {0x0411, QFontDatabase::Japanese, "question-box-ja.png"},
      {0x0419, QFontDatabase::Cyrillic, "question-box-ru.png"},
      {0x0412, QFontDatabase::Korean, "question-box-ko.png"},
      {0x0804, QFontDatabase::SimplifiedChinese, "question-box-zh_CN.png"},
      {0x0404, QFontDatabase::TraditionalChinese, "question-box-zh_TW.png"},
  };
  QImage english;
  ASSERT_FALSE(QtLanguage::install(application(), 0x0409));
  english = questionBoxImage(QStringLiteral("question-box-en.png"));
  for (const Row& row : rows) {
    EXPECT_FALSE(QFontDatabase::families(row.script).isEmpty()) << row.file;
    ASSERT_TRUE(QtLanguage::install(application(), row.language)) << row.file;
    const QImage image = questionBoxImage(QString::fromLatin1(row.file));
    EXPECT_FALSE(image.isNull()) << row.file;
    EXPECT_NE(image, english) << row.file;
  }
}

}  // namespace
}  // namespace qp
