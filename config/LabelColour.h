#pragma once

#include <string>

#include "base/Rgb.h"

namespace quivlane {

// The colour a label is painted in, from its COULEURTEXTE name: "NOIR", "JAUNE", "VERT",
// "BLEU", "ROUGE" (exact case); anything else is black.
Rgb LabelColourFromName(const std::string& name);
// True for exactly the five names; the editor keeps its choice otherwise.
bool IsLabelColourName(const std::string& name);

}  // namespace quivlane
