#pragma once

#include <memory>

class QTranslator;

namespace quivlane {

// Qt's own texts (the Yes and No of question boxes, the choosers' buttons) in French, as
// every other text of both programs is, whatever the desktop's language.
class QtTranslations {
  public:
    // Installs Qt's French catalogue into the running application; the translation lasts as
    // long as the returned object. Nothing (and no error) when the catalogue is missing.
    static std::unique_ptr<QTranslator> InstallFrench();
};

}  // namespace quivlane
