#pragma once

#include <QCheckBox>

namespace quivlane {

// A caption-less box drawn straight over the dialog's picture: it paints no background of
// its own, so the skin shows around the indicator.
class TransparentCheckBox : public QCheckBox {
    Q_OBJECT

  public:
    explicit TransparentCheckBox(QWidget* parent = nullptr);
    ~TransparentCheckBox() override;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace quivlane
