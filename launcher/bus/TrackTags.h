#pragma once

#include <string>

namespace quivlane {

// The ID3 tags and the playing time of an MP3 file.
struct TrackTags {
    std::string title;
    std::string artist;
    std::string album;
    long long lengthMs = 0;

    // Empty fields for a file without tags or that cannot be read.
    static TrackTags Read(const std::string& path);
};

}  // namespace quivlane
