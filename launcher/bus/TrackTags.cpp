#include "launcher/bus/TrackTags.h"

#include <taglib/audioproperties.h>
#include <taglib/fileref.h>
#include <taglib/tag.h>

namespace quivlane {

TrackTags TrackTags::Read(const std::string& path) {
    TrackTags tags;
    const TagLib::FileRef file(path.c_str(), true, TagLib::AudioProperties::Average);
    if (file.isNull()) {
        return tags;
    }
    if (const TagLib::Tag* tag = file.tag()) {
        tags.title = tag->title().to8Bit(true);
        tags.artist = tag->artist().to8Bit(true);
        tags.album = tag->album().to8Bit(true);
    }
    if (const TagLib::AudioProperties* audio = file.audioProperties()) {
        tags.lengthMs = audio->lengthInMilliseconds();
    }
    return tags;
}

}  // namespace quivlane
