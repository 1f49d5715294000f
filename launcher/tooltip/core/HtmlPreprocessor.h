#pragma once

#include <map>
#include <string>

namespace quivlane {

// Turns the caller's markup into the working text the token reader walks: entities,
// carriage returns, line feeds and tabs.
class HtmlPreprocessor {
  public:
    // Ordered by entity text; that order is part of the behaviour ("&amp;lt;" ends as "<<").
    static const std::map<std::string, std::string>& Entities();

    static std::string Run(std::string text, bool lineBreaks);
};

}  // namespace quivlane
