#pragma once

#include <QDialog>
#include <string>

#include "common/StringTable.h"
#include "ui/preferences/LibraryStatistics.h"

class QVBoxLayout;

namespace qp {

// What the about box shows besides its fixed texts.
struct AboutInfo {
  LibraryStatistics statistics;
  std::string credits;     // notices of the available export libraries; empty: none shown
  std::string webAddress;  // the maker's web site; empty: no web button
  std::string helpPath;    // the manual's index.html (helpManualPath()); empty: no Help button
};

// The modal about box: product name, version, statistics of the notes library, the maker's
// and legal lines, the export libraries' notices, and buttons to the web site and the manual
// (opened in the browser). strings must outlive the dialog.
class AboutDialog : public QDialog {
  Q_OBJECT

 public:
  AboutDialog(const AboutInfo& info, const StringTable& strings, QWidget* parent = nullptr);

  // "Version" and the program's major.minor version, e.g. "Version 0.1".
  static std::string versionLine(const StringTable& strings);

 private:
  QWidget* buildStatistics(const LibraryStatistics& statistics);
  void addButtons(QVBoxLayout* layout, const AboutInfo& info);
  QString text(int id, const char* builtIn) const;

  const StringTable& strings_;
};

}  // namespace qp
