#pragma once

#include <QDialog>
#include <vector>

#include "common/SettingsStore.h"
#include "common/StringTable.h"
#include "ui/preferences/PreferenceSettings.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QRadioButton;

namespace qp {

// What the caller knows that the dialog lists: the available export formats (in list order,
// without the wave format, which the dialog adds), the accepted skin packages (the built-in
// skin first, with an empty path) and how to switch starting at log-on.
struct PreferencesInput {
  std::vector<FormatChoice> exportFormats;
  std::vector<SkinChoice> skins;
  RunAtLogOnSwitch runAtLogOn;  // empty: OnTray is written directly
};

// The modal preferences dialog. It reads the settings when built; OK writes them (see
// preferences::write) and Cancel, Escape or closing the window writes nothing. settings and
// strings must outlive the dialog.
class PreferencesDialog : public QDialog {
  Q_OBJECT

 public:
  PreferencesDialog(SettingsStore& settings, const StringTable& strings, PreferencesInput input,
                    QWidget* parent = nullptr);

  // True after OK when the chosen skin differs from the one selected at opening: the main
  // window then re-creates itself; otherwise the caller applies the settings.
  bool skinChanged() const { return skinChanged_; }

  // Runs the dialog; true on OK.
  bool run() { return exec() == QDialog::Accepted; }

  void accept() override;

 private:
  QWidget* buildQualityGroup();
  QWidget* buildListsGroup();
  QWidget* buildOptions();
  void loadValues();
  PreferenceValues chosenValues() const;
  int checkedQuality() const;
  void showDiskSpaceNote();
  void showSkinPreview();
  QString text(int id, const char* builtIn) const;

  SettingsStore& settings_;
  const StringTable& strings_;
  PreferencesInput input_;
  std::vector<FormatChoice> formats_;
  PreferenceValues initial_;
  bool skinChanged_ = false;

  QRadioButton* quality_[3] = {};
  QLabel* diskSpaceNote_ = nullptr;
  QComboBox* skins_ = nullptr;
  QLabel* skinPreview_ = nullptr;
  QComboBox* emailFormat_ = nullptr;
  QComboBox* dragFormat_ = nullptr;
  QCheckBox* silkvoice_ = nullptr;
  QCheckBox* onTray_ = nullptr;
  QCheckBox* toolTips_ = nullptr;
  QCheckBox* askForName_ = nullptr;
  QCheckBox* soundEffects_ = nullptr;
};

}  // namespace qp
