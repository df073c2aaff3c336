#include "ui/preferences/AboutDialog.h"

#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include "common/StringIds.h"
#include "ui/ProgramVersion.h"

namespace qp {
namespace {

// The product name is drawn this much larger than the dialog's text.
constexpr double kTitleScale = 1.5;

QLabel* addLine(QVBoxLayout* layout, const QString& text, const char* objectName) {
  auto* label = new QLabel(text);
  label->setObjectName(QString::fromLatin1(objectName));
  label->setWordWrap(true);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  layout->addWidget(label);
  return label;
}

void addValue(QFormLayout* form, const QString& label, const std::string& value,
              const char* objectName) {
  auto* field = new QLabel(QString::fromStdString(value));
  field->setObjectName(QString::fromLatin1(objectName));
  form->addRow(label, field);
}

}  // namespace

AboutDialog::AboutDialog(const AboutInfo& info, const StringTable& strings, QWidget* parent)
    : QDialog(parent), strings_(strings) {
  setObjectName(QStringLiteral("aboutDialog"));
  setWindowTitle(text(StringId::kAboutTitle, "About Quillophone"));
  auto* layout = new QVBoxLayout(this);
  QLabel* name = addLine(layout, text(StringId::kProductName, "Quillophone"), "productName");
  QFont bold = name->font();
  bold.setBold(true);
  bold.setPointSizeF(bold.pointSizeF() * kTitleScale);
  name->setFont(bold);
  addLine(layout, QString::fromStdString(versionLine(strings)), "versionLine");
  layout->addWidget(buildStatistics(info.statistics));
  addLine(layout, text(StringId::kMakerLine, "Tolvane Electronics"), "makerLine");
  addLine(layout, text(StringId::kLegalLine, ""), "legalLine");
  QLabel* credits = addLine(layout, QString::fromStdString(info.credits), "creditsLine");
  credits->setVisible(!info.credits.empty());
  addButtons(layout, info);
  layout->setSizeConstraint(QLayout::SetMinimumSize);
}

std::string AboutDialog::versionLine(const StringTable& strings) {
  return strings.text(StringId::kVersionWord, "Version") + ' ' +
         std::to_string(ProgramVersion::kMajor) + '.' + std::to_string(ProgramVersion::kMinor);
}

QString AboutDialog::text(int id, const char* builtIn) const {
  return QString::fromStdString(strings_.text(id, builtIn));
}

QWidget* AboutDialog::buildStatistics(const LibraryStatistics& statistics) {
  auto* group = new QGroupBox(text(StringId::kStatisticsGroup, "Statistics"));
  auto* form = new QFormLayout(group);
  addValue(form, text(StringId::kFoldersLabel, "Folders:"), std::to_string(statistics.folders),
           "foldersValue");
  addValue(form, text(StringId::kNotesLabel, "Notes:"), std::to_string(statistics.notes),
           "notesValue");
  addValue(form, text(StringId::kAlarmsLabel, "Alarms:"), statistics.alarmsText(strings_),
           "alarmsValue");
  addValue(form, text(StringId::kDiskSpaceUsedLabel, "Disk space used:"),
           sizeText(statistics.bytesUsed, strings_), "usedValue");
  addValue(form, text(StringId::kDiskSpaceAvailableLabel, "Disk space available:"),
           sizeText(statistics.bytesAvailable, strings_), "availableValue");
  return group;
}

void AboutDialog::addButtons(QVBoxLayout* layout, const AboutInfo& info) {
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
  QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
  ok->setDefault(true);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  if (!info.webAddress.empty()) {
    QPushButton* web =
        buttons->addButton(text(StringId::kWebSiteButton, "&Web Site"), QDialogButtonBox::HelpRole);
    web->setObjectName(QStringLiteral("webButton"));
    web->setAutoDefault(false);
    const QUrl address(QString::fromStdString(info.webAddress));
    connect(web, &QPushButton::clicked, this, [address] { QDesktopServices::openUrl(address); });
  }
  if (!info.helpPath.empty()) {
    QPushButton* help =
        buttons->addButton(text(StringId::kHelpButton, "&Help"), QDialogButtonBox::HelpRole);
    help->setObjectName(QStringLiteral("helpButton"));
    help->setAutoDefault(false);
    const QUrl manual = QUrl::fromLocalFile(QString::fromStdString(info.helpPath));
    connect(help, &QPushButton::clicked, this, [manual] { QDesktopServices::openUrl(manual); });
  }
  layout->addWidget(buttons);
  ok->setFocus();
}

}  // namespace qp
