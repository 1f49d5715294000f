#pragma once

class QDialog;

namespace quivlane {

// Runs a dialog modally until it is done. Unlike QDialog::exec, hiding the dialog does not end
// the run: the bar hides into the notification area and goes on working there.
class BarRunLoop {
  public:
    // The dialog's result once it is accepted or rejected.
    static int Run(QDialog& dialog);
};

}  // namespace quivlane
