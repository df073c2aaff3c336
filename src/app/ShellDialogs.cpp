#include "app/ShellDialogs.h"

#include <QCoreApplication>
#include <cstdlib>
#include <utility>
#include <vector>

#include "app/AppServices.h"
#include "export/CExportFormats.h"
#include "platform/DlopenSkinModule.h"
#include "skins/SkinCatalog.h"
#include "ui/preferences/AboutDialog.h"
#include "ui/preferences/HelpManual.h"
#include "ui/preferences/LibraryStatistics.h"
#include "ui/preferences/PreferencesDialog.h"

namespace qp::app {
namespace {

std::vector<SkinChoice> installedSkins(const StringTable& strings) {
  DlopenSkinModuleLoader loader;
  const SkinCatalog catalog(loader, strings);
  const auto directories =
      SkinCatalog::directories(QCoreApplication::applicationDirPath().toStdString(),
                               std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
  std::vector<SkinChoice> skins;
  for (const SkinCatalogEntry& entry : catalog.list(directories)) {
    skins.push_back({entry.path, entry.displayName, {}});
  }
  return skins;
}

}  // namespace

bool runPreferences(AppServices& services, CExportFormats& formats, QWidget* parent) {
  PreferencesInput input;
  input.exportFormats = preferences::availableFormats(formats);
  input.skins = installedSkins(services.strings);
  PreferencesDialog dialog(services.settings, services.strings, std::move(input), parent);
  return dialog.run() && dialog.skinChanged();
}

void showAbout(AppServices& services, CExportFormats& formats, QWidget* parent) {
  AboutInfo info{
      LibraryStatistics::gather(services.notesDirectory, services.settings, services.strings,
                                services.clock, services.scheduler.armedCount()),
      formats.credits(), std::string(), helpManualPath()};
  AboutDialog dialog(info, services.strings, parent);
  dialog.exec();
}

}  // namespace qp::app
