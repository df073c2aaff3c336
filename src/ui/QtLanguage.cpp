#include "ui/QtLanguage.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "common/LanguageId.h"
#include "common/StringTable.h"

namespace qp {
namespace {

// The object name of the translator install() adds, so a later call finds and replaces it.
constexpr const char* kTranslatorName = "quillophone-qt-translations";

// Primary language codes (the low 10 bits of a language id) of right-to-left scripts.
constexpr std::uint16_t kArabicPrimary = 0x01;
constexpr std::uint16_t kHebrewPrimary = 0x0d;

struct CatalogueRow {
  std::uint16_t tableLanguage;  // LanguageId::mapToTableLanguage's result
  const char* suffix;           // of Qt's catalogue file name, qtbase_<suffix>.qm
};

constexpr CatalogueRow kCatalogues[] = {
    {1028, "zh_TW"}, {2052, "zh_CN"}, {1031, "de"}, {1036, "fr"}, {1040, "it"},
    {1041, "ja"},    {1042, "ko"},    {1049, "ru"}, {2058, "es"},
};

void removeEarlierTranslator(QApplication& app) {
  auto* earlier =
      app.findChild<QTranslator*>(QString::fromLatin1(kTranslatorName), Qt::FindDirectChildrenOnly);
  if (earlier != nullptr) {
    QCoreApplication::removeTranslator(earlier);
    delete earlier;
  }
}

}  // namespace

QString QtLanguage::qtTranslationName(std::uint16_t systemLanguage) {
  const std::uint16_t table = LanguageId::mapToTableLanguage(systemLanguage);
  for (const CatalogueRow& row : kCatalogues) {
    if (row.tableLanguage == table) {
      return QStringLiteral("qtbase_") + QString::fromLatin1(row.suffix);
    }
  }
  return {};
}

bool QtLanguage::isRightToLeft(std::uint16_t systemLanguage) {
  const std::uint16_t primary = systemLanguage & 0x3ff;
  return primary == kArabicPrimary || primary == kHebrewPrimary;
}

bool QtLanguage::install(QApplication& app, std::uint16_t systemLanguage) {
  StringTable::setActive(systemLanguage);
  removeEarlierTranslator(app);
  bool installed = false;
  const QString name = qtTranslationName(systemLanguage);
  if (!name.isEmpty()) {
    auto* translator = new QTranslator(&app);
    translator->setObjectName(QString::fromLatin1(kTranslatorName));
    if (translator->load(name, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
      installed = QCoreApplication::installTranslator(translator);
    }
    if (!installed) {
      delete translator;  // no catalogue (Qt's translations not installed): English buttons
    }
  }
  QGuiApplication::setLayoutDirection(isRightToLeft(systemLanguage) ? Qt::RightToLeft
                                                                    : Qt::LeftToRight);
  return installed;
}

void installLanguage(QApplication& app) {
  QtLanguage::install(app, LanguageId::system());
}

}  // namespace qp
