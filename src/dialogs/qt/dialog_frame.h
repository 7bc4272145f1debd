// The frame every dialog of the program shares: a fixed client size, a title
// bar with a close box only, and a place in the middle of the desktop.
#pragma once

class QDialog;
class QWidget;

namespace dialogs {

// Fixes the client size, keeps only the close box and centres the dialog
// on the primary screen's work area.
void frameDialog(QDialog& dialog, int clientWidth, int clientHeight);

// Centres a top-level widget on the primary screen's work area.
void centreOnDesktop(QWidget& widget);

} // namespace dialogs
