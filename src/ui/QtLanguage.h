#pragma once

#include <QString>
#include <cstdint>

class QApplication;

namespace qp {

// The desktop program's interface language, chosen once at start-up from the user's locale:
// the string table (StringTable::setActive), Qt's own translations for the texts Qt draws
// itself (standard dialog buttons, input context menus), and the layout direction.
//
// Qt's translations follow the interface language, not the raw locale: where the program has
// no table for a language its texts are English, and Qt's buttons stay English beside them.
class QtLanguage {
 public:
  // The base name of Qt's translation catalogue for the interface language of systemLanguage
  // (a language id before mapping, e.g. 0x0c07 German (Austria) -> "qtbase_de", 0x0c04
  // Chinese (Hong Kong) -> "qtbase_zh_TW"); empty for English and for languages without a
  // string table.
  static QString qtTranslationName(std::uint16_t systemLanguage);

  // Whether systemLanguage is written right to left (every Arabic variant, Hebrew); the
  // windows are then laid out from the right, whatever language the texts are in.
  static bool isRightToLeft(std::uint16_t systemLanguage);

  // Makes systemLanguage the process's language: its string table, Qt's catalogue from Qt's
  // translations directory (replacing one an earlier call installed; app owns it), and the
  // layout direction. Returns whether a Qt catalogue is now installed. Call from the UI
  // thread, before windows are made; tests may call it again.
  static bool install(QApplication& app, std::uint16_t systemLanguage);
};

// install() with the user's language (LanguageId::system(): LC_ALL, LC_MESSAGES, LANG).
void installLanguage(QApplication& app);

}  // namespace qp
