#pragma once

#include <QRadioButton>

namespace quivlane {

// A caption-less box drawn straight over the dialog's picture: it paints no background of
// its own, so the skin shows around the indicator.
class TransparentRadioButton : public QRadioButton {
    Q_OBJECT

  public:
    explicit TransparentRadioButton(QWidget* parent = nullptr);
    ~TransparentRadioButton() override;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace quivlane
