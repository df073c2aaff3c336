#include "ui/preferences/PreferencesDialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <utility>

#include "audio/wave/NoteMetrics.h"
#include "common/StringIds.h"

namespace qp {
namespace {

// The preview keeps at least this much room (pixels) for the skin's picture.
constexpr int kPreviewMinWidth = 160;
constexpr int kPreviewMinHeight = 72;

QCheckBox* addCheckBox(QVBoxLayout* layout, const QString& text, const char* objectName) {
  auto* box = new QCheckBox(text);
  box->setObjectName(QString::fromLatin1(objectName));
  layout->addWidget(box);
  return box;
}

void fillFormatList(QComboBox* list, const std::vector<FormatChoice>& formats,
                    std::int32_t setting) {
  for (const FormatChoice& format : formats) {
    list->addItem(QString::fromStdString(format.name), format.formatId);
  }
  list->setCurrentIndex(static_cast<int>(preferences::selectedFormat(formats, setting)));
}

}  // namespace

PreferencesDialog::PreferencesDialog(SettingsStore& settings, const StringTable& strings,
                                     PreferencesInput input, QWidget* parent)
    : QDialog(parent),
      settings_(settings),
      strings_(strings),
      input_(std::move(input)),
      formats_(preferences::formatList(input_.exportFormats, strings)),
      initial_(PreferenceValues::read(settings)) {
  setObjectName(QStringLiteral("preferencesDialog"));
  setWindowTitle(text(StringId::kPreferencesTitle, "Preferences"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(buildQualityGroup());
  layout->addWidget(buildListsGroup());
  layout->addWidget(buildOptions());
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  buttons->button(QDialogButtonBox::Ok)->setDefault(true);
  connect(buttons, &QDialogButtonBox::accepted, this, &PreferencesDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &PreferencesDialog::reject);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetMinimumSize);
  loadValues();
}

QString PreferencesDialog::text(int id, const char* builtIn) const {
  return QString::fromStdString(strings_.text(id, builtIn));
}

QWidget* PreferencesDialog::buildQualityGroup() {
  auto* group = new QGroupBox(text(StringId::kRecordingQualityLabel, "Recording Quality"));
  auto* layout = new QVBoxLayout(group);
  auto* row = new QHBoxLayout;
  auto* buttons = new QButtonGroup(group);
  const int ids[] = {StringId::kQualityLowOption, StringId::kQualityMediumOption,
                     StringId::kQualityHighOption};
  const char* names[] = {"qualityLow", "qualityMedium", "qualityHigh"};
  for (int quality = 0; quality < 3; ++quality) {
    quality_[quality] = new QRadioButton(text(ids[quality], ""));
    quality_[quality]->setObjectName(QString::fromLatin1(names[quality]));
    buttons->addButton(quality_[quality], quality);
    row->addWidget(quality_[quality]);
  }
  row->addStretch();
  layout->addLayout(row);
  diskSpaceNote_ = new QLabel;
  diskSpaceNote_->setObjectName(QStringLiteral("diskSpaceNote"));
  diskSpaceNote_->setWordWrap(true);
  layout->addWidget(diskSpaceNote_);
  connect(buttons, &QButtonGroup::idToggled, this, [this](int, bool checked) {
    if (checked) {
      showDiskSpaceNote();
    }
  });
  return group;
}

QWidget* PreferencesDialog::buildListsGroup() {
  auto* panel = new QWidget;
  auto* form = new QFormLayout(panel);
  form->setContentsMargins(0, 0, 0, 0);
  skins_ = new QComboBox;
  skins_->setObjectName(QStringLiteral("skinList"));
  form->addRow(text(StringId::kSkinLabel, "&Skin:"), skins_);
  skinPreview_ = new QLabel;
  skinPreview_->setObjectName(QStringLiteral("skinPreview"));
  skinPreview_->setAccessibleName(text(StringId::kSkinPreviewName, "Skin preview"));
  skinPreview_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  skinPreview_->setLineWidth(2);
  skinPreview_->setMinimumSize(kPreviewMinWidth, kPreviewMinHeight);
  skinPreview_->setScaledContents(true);
  skinPreview_->setAutoFillBackground(true);
  QPalette white = skinPreview_->palette();
  white.setColor(QPalette::Window, Qt::white);
  skinPreview_->setPalette(white);
  form->addRow(QString(), skinPreview_);
  emailFormat_ = new QComboBox;
  emailFormat_->setObjectName(QStringLiteral("emailFormat"));
  form->addRow(text(StringId::kEmailFormatLabel, "&E-mail Format:"), emailFormat_);
  dragFormat_ = new QComboBox;
  dragFormat_->setObjectName(QStringLiteral("dragFormat"));
  form->addRow(text(StringId::kDragFormatLabel, "&Drag/Drop Format:"), dragFormat_);
  connect(skins_, &QComboBox::currentIndexChanged, this, [this] { showSkinPreview(); });
  return panel;
}

QWidget* PreferencesDialog::buildOptions() {
  auto* panel = new QWidget;
  auto* layout = new QVBoxLayout(panel);
  layout->setContentsMargins(0, 0, 0, 0);
  silkvoice_ =
      addCheckBox(layout, text(StringId::kMicrophoneEnhancementsOption, "M&icrophone enhancements"),
                  "silkvoice");
  onTray_ = addCheckBox(
      layout, text(StringId::kShowOnTaskbarOption, "Show &Quillophone on the taskbar"), "onTray");
  toolTips_ =
      addCheckBox(layout, text(StringId::kShowTooltipsOption, "Show &Tooltips"), "toolTips");
  askForName_ = addCheckBox(
      layout, text(StringId::kPromptForNameOption, "&Prompt to name note after recording"),
      "askForName");
  soundEffects_ =
      addCheckBox(layout, text(StringId::kSoundEffectsOption, "S&ound effects"), "soundEffects");
  return panel;
}

void PreferencesDialog::loadValues() {
  quality_[NoteMetrics::clampQuality(initial_.quality)]->setChecked(true);
  fillFormatList(emailFormat_, formats_, initial_.emailFormat);
  fillFormatList(dragFormat_, formats_, initial_.dragFormat);
  for (const SkinChoice& skin : input_.skins) {
    skins_->addItem(QString::fromStdString(skin.displayName));
  }
  const std::size_t skin = preferences::selectedSkin(input_.skins, initial_.skinPath);
  skins_->setCurrentIndex(input_.skins.empty() ? -1 : static_cast<int>(skin));
  // Whether the skin changed is judged against the entry selected now, not the stored path.
  initial_.skinPath = input_.skins.empty() ? initial_.skinPath : input_.skins[skin].path;
  silkvoice_->setChecked(initial_.silkvoice);
  onTray_->setChecked(initial_.onTray);
  toolTips_->setChecked(initial_.toolTips);
  askForName_->setChecked(initial_.askForName);
  soundEffects_->setChecked(initial_.soundEffects);
  showDiskSpaceNote();
  showSkinPreview();
}

PreferenceValues PreferencesDialog::chosenValues() const {
  PreferenceValues chosen = initial_;
  chosen.quality = checkedQuality();
  chosen.askForName = askForName_->isChecked();
  chosen.onTray = onTray_->isChecked();
  chosen.toolTips = toolTips_->isChecked();
  chosen.soundEffects = soundEffects_->isChecked();
  chosen.silkvoice = silkvoice_->isChecked();
  chosen.emailFormat = emailFormat_->currentData().toInt();
  chosen.dragFormat = dragFormat_->currentData().toInt();
  const int skin = skins_->currentIndex();
  if (skin >= 0 && static_cast<std::size_t>(skin) < input_.skins.size()) {
    chosen.skinPath = input_.skins[static_cast<std::size_t>(skin)].path;
  }
  return chosen;
}

int PreferencesDialog::checkedQuality() const {
  for (int quality = 0; quality < 3; ++quality) {
    if (quality_[quality]->isChecked()) {
      return quality;
    }
  }
  return 2;
}

void PreferencesDialog::showDiskSpaceNote() {
  diskSpaceNote_->setText(
      QString::fromStdString(NoteMetrics::diskSpaceText(checkedQuality(), strings_)));
}

void PreferencesDialog::showSkinPreview() {
  const int skin = skins_->currentIndex();
  QPixmap picture;
  if (skin >= 0 && static_cast<std::size_t>(skin) < input_.skins.size()) {
    const auto& bytes = input_.skins[static_cast<std::size_t>(skin)].previewImage;
    picture = QPixmap::fromImage(QImage::fromData(bytes.data(), static_cast<int>(bytes.size())));
  }
  skinPreview_->setPixmap(picture);
}

void PreferencesDialog::accept() {
  skinChanged_ = preferences::write(settings_, initial_, chosenValues(), input_.runAtLogOn);
  QDialog::accept();
}

}  // namespace qp
