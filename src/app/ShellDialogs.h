#pragma once

class QWidget;

namespace qp {
class CExportFormats;
}

namespace qp::app {

class AppServices;

// The preferences dialog and the About box as the tray menu opens them: filled with the export
// formats, the installed skins and the notes library's figures. Both are modal over parent
// (null: on their own). runPreferences returns true when the user chose another skin, so an
// open main window must be made again.
bool runPreferences(AppServices& services, CExportFormats& formats, QWidget* parent);
void showAbout(AppServices& services, CExportFormats& formats, QWidget* parent);

}  // namespace qp::app
