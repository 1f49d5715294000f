#include "platform/cd/CdioDrive.h"

// cdio.h first: the others rely on its types.
#include <cdio/cdio.h>

#include <cdio/audio.h>
#include <cdio/logging.h>
#include <cdio/memory.h>
#include <cdio/mmc.h>
#include <cdio/mmc_hl_cmds.h>
#include <sys/stat.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <utility>

namespace quivlane {

namespace {

// Mount tables write blanks and the like as three-digit octal escapes.
std::string Unescape(const std::string& field) {
    std::string out;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size()) {
            const std::string digits = field.substr(i + 1, 3);
            if (digits.size() == 3 && digits.find_first_not_of("01234567") == std::string::npos) {
                out += static_cast<char>(std::stoi(digits, nullptr, 8));
                i += 3;
                continue;
            }
        }
        out += field[i];
    }
    return out;
}

bool IsFolder(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace

void CdioDrive::Closer::operator()(_CdIo* cdio) const {
    cdio_destroy(cdio);
}

CdioDrive::CdioDrive(Key /*key*/, _CdIo* cdio, std::string device)
    : cdio_(cdio), device_(std::move(device)) {}

CdioDrive::~CdioDrive() = default;

std::string CdioDrive::DeviceMountedAt(const std::string& mountTable, const std::string& folder) {
    std::string wanted = folder;
    while (wanted.size() > 1 && wanted.back() == '/') {
        wanted.pop_back();
    }
    std::istringstream lines(mountTable);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        std::string device;
        std::string mountPoint;
        if (fields >> device >> mountPoint && Unescape(mountPoint) == wanted) {
            return Unescape(device);
        }
    }
    return {};
}

std::string CdioDrive::DeviceOfFolder(const std::string& mountTable, const std::string& folder) {
    // The desktop's virtual file system shows an audio disc as a folder "cdda:host=sr0".
    std::string name = folder;
    while (name.size() > 1 && name.back() == '/') {
        name.pop_back();
    }
    name = name.substr(name.rfind('/') + 1);
    const std::string prefix = "cdda:host=";
    if (name.rfind(prefix, 0) == 0 && name.size() > prefix.size() &&
        name.find("..") == std::string::npos) {
        return "/dev/" + name.substr(prefix.size());
    }
    return DeviceMountedAt(mountTable, folder);
}

std::unique_ptr<CdioDrive> CdioDrive::Open(const std::string& element) {
    // libcdio reports a missing drive on stderr as well as by its result; the result is enough.
    cdio_loglevel_default = CDIO_LOG_ERROR;
    std::string device = element;
    if (!element.empty() && IsFolder(element)) {
        std::ifstream file("/proc/self/mounts");
        std::stringstream table;
        table << file.rdbuf();
        device = DeviceOfFolder(table.str(), element);
        if (device.empty()) {
            return nullptr;
        }
    }
    if (device.empty()) {
        driver_id_t driver = DRIVER_DEVICE;
        char* found = cdio_get_default_device_driver(&driver);
        if (found == nullptr) {
            return nullptr;
        }
        device = found;
        cdio_free(found);
    }
    CdIo_t* cdio = cdio_open(device.c_str(), DRIVER_DEVICE);
    if (cdio == nullptr) {
        return nullptr;
    }
    return std::make_unique<CdioDrive>(Key{}, cdio, device);
}

void CdioDrive::Refresh() {
    if (cdio_get_media_changed(cdio_.get()) != 1) {
        return;
    }
    if (CdIo_t* fresh = cdio_open(device_.c_str(), DRIVER_DEVICE); fresh != nullptr) {
        cdio_.reset(fresh);
    }
}

bool CdioDrive::IsMediaPresent() {
    Refresh();
    const track_t count = cdio_get_num_tracks(cdio_.get());
    return count != CDIO_INVALID_TRACK && count > 0;
}

bool CdioDrive::IsTrayOpen() {
    return mmc_get_tray_status(cdio_.get()) == 1;
}

bool CdioDrive::ReadToc(std::vector<CdTrack>& tracks, int& leadOutFrame) {
    Refresh();
    tracks.clear();
    const track_t first = cdio_get_first_track_num(cdio_.get());
    const track_t count = cdio_get_num_tracks(cdio_.get());
    if (first == CDIO_INVALID_TRACK || count == CDIO_INVALID_TRACK || count == 0) {
        return false;
    }
    for (int number = first; number < first + count; ++number) {
        const auto track = static_cast<track_t>(number);
        const lba_t start = cdio_get_track_lba(cdio_.get(), track);
        if (start == CDIO_INVALID_LBA) {
            return false;
        }
        tracks.push_back(
            {number, start, cdio_get_track_format(cdio_.get(), track) == TRACK_FORMAT_AUDIO});
    }
    leadOutFrame = cdio_get_track_lba(cdio_.get(), CDIO_CDROM_LEADOUT_TRACK);
    return leadOutFrame != CDIO_INVALID_LBA;
}

bool CdioDrive::PlayRange(int startFrame, int endFrame) {
    msf_t start{};
    msf_t end{};
    cdio_lba_to_msf(startFrame, &start);
    cdio_lba_to_msf(endFrame, &end);
    return cdio_audio_play_msf(cdio_.get(), &start, &end) == DRIVER_OP_SUCCESS;
}

bool CdioDrive::Pause() {
    return cdio_audio_pause(cdio_.get()) == DRIVER_OP_SUCCESS;
}

bool CdioDrive::Resume() {
    return cdio_audio_resume(cdio_.get()) == DRIVER_OP_SUCCESS;
}

bool CdioDrive::Stop() {
    return cdio_audio_stop(cdio_.get()) == DRIVER_OP_SUCCESS;
}

CdPlayStatus CdioDrive::Status() {
    cdio_subchannel_t sub{};
    if (cdio_audio_read_subchannel(cdio_.get(), &sub) != DRIVER_OP_SUCCESS) {
        return {CdAudioState::Error, 0};
    }
    const int frame = cdio_msf_to_lba(&sub.abs_addr);
    switch (sub.audio_status) {
        case CDIO_MMC_READ_SUB_ST_PLAY:
            return {CdAudioState::Playing, frame};
        case CDIO_MMC_READ_SUB_ST_PAUSED:
            return {CdAudioState::Paused, frame};
        case CDIO_MMC_READ_SUB_ST_COMPLETED:
            return {CdAudioState::Completed, frame};
        case CDIO_MMC_READ_SUB_ST_ERROR:
            return {CdAudioState::Error, frame};
        default:
            return {CdAudioState::Idle, frame};
    }
}

bool CdioDrive::OpenTray() {
    return mmc_eject_media(cdio_.get()) == DRIVER_OP_SUCCESS;
}

bool CdioDrive::CloseTray() {
    return mmc_close_tray(cdio_.get()) == DRIVER_OP_SUCCESS;
}

}  // namespace quivlane
