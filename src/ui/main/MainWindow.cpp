#include "ui/main/MainWindow.h"

#include <QCloseEvent>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

#include "common/StringIds.h"
#include "library/NoteList.h"

namespace qp {

MainWindow::MainWindow(const SettingsStore& settings, const StringTable& strings,
                       const Clock& clock, QWidget* parent)
    : QWidget(parent),
      settings_(settings),
      strings_(strings),
      clock_(clock),
      folderName_(new QLabel(this)),
      notes_(new QListWidget(this)) {
  setWindowTitle(QString::fromStdString(strings_.text(StringId::kProductName, "Quillophone")));
  setObjectName(QStringLiteral("mainWindow"));
  folderName_->setObjectName(QStringLiteral("folderName"));
  notes_->setObjectName(QStringLiteral("notes"));
  notes_->setAccessibleName(QStringLiteral("Notes"));
  notes_->setUniformItemSizes(true);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(folderName_);
  layout->addWidget(notes_);
  resize(360, 420);
}

MainWindow::~MainWindow() = default;

void MainWindow::showFolder(const std::string& folderPath, const std::string& folderName) {
  folderPath_ = folderPath;
  folderName_->setText(QString::fromStdString(folderName));
  reload();
}

void MainWindow::reload() {
  NoteList list(settings_, strings_, clock_);
  list.load(folderPath_);
  QStringList names;
  names.reserve(static_cast<qsizetype>(list.size()));
  for (const NoteEntry& entry : list.entries()) {
    names.push_back(QString::fromStdString(entry.displayName));
  }
  notes_->clear();
  notes_->addItems(names);
}

int MainWindow::noteCount() const {
  return notes_->count();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (mayClose_ && !mayClose_()) {
    event->ignore();
    return;
  }
  event->accept();
  emit closed(false);
}

void MainWindow::paintEvent(QPaintEvent* event) {
  QWidget::paintEvent(event);
  if (!painted_) {
    painted_ = true;
    emit firstPainted();
  }
}

}  // namespace qp
