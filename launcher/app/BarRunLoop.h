#pragma once

class QDialog;

namespace quivlane {

// Runs a dialog until it is done, as QDialog::exec does, with two differences: hiding the
// dialog does not end the run (the bar hides into the notification area and goes on working
// there), and the dialog is not modal, so the program's other windows, such as its tray icon,
// still take input.
class BarRunLoop {
  public:
    // The dialog's result once it is accepted or rejected.
    static int Run(QDialog& dialog);
};

}  // namespace quivlane
