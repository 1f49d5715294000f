#pragma once

#include <QValidator>

namespace quivlane {

// Keeps a line edit to a number of characters (code points). QLineEdit's own maximum counts
// UTF-16 units, which halves an emoji at the limit and saves a "?" in its place. What is
// typed or pasted beyond the limit is cut from the inserted text, as the maximum does.
class CharacterLimit final : public QValidator {
    Q_OBJECT

  public:
    CharacterLimit(int limit, QObject* parent);

    State validate(QString& input, int& position) const override;

    // Code points of a text; a lone surrogate counts as one.
    static int Characters(const QString& text);

  private:
    int limit_;
};

}  // namespace quivlane
