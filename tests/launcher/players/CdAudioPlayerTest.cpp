#include "launcher/players/CdAudioPlayer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "tests/support/FakePorts.h"
#include "tests/support/ScriptedMci.h"

namespace quivlane::test {
namespace {

using Commands = std::vector<std::string>;

class CdAudioPlayerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        mci.replies["status cdaudio media present"] = {0, "true"};
        mci.replies["status cdaudio mode wait"] = {0, "playing"};
        mci.replies["status cdaudio current track"] = {0, "2"};
        mci.replies["status cdaudio number of tracks"] = {0, "3"};
        mci.errorTexts[282] = "The parameter is out of range.";
        player = std::make_unique<CdAudioPlayer>(mci, boxes);
        mci.commands.clear();
        mci.answerSizes.clear();
    }

    ScriptedMci mci;
    ScriptedMessageBoxes boxes;
    std::unique_ptr<CdAudioPlayer> player;
};

TEST_F(CdAudioPlayerTest, OpensTheDeviceAndClosesItWhenReady) {
    ScriptedMci fresh;
    fresh.replies["status cdaudio mode wait"] = {0, "paused"};
    {
        CdAudioPlayer other(fresh, boxes);
        EXPECT_EQ(fresh.commands, Commands{"open cdaudio"});
    }
    EXPECT_EQ(fresh.commands,
              (Commands{"open cdaudio", "status cdaudio mode wait", "status cdaudio mode wait",
                        "stop cdaudio", "close cdaudio"}));

    // A stopped disc is not stopped again; a device that is not ready is left alone.
    fresh.commands.clear();
    fresh.replies["status cdaudio mode wait"] = {0, "stopped"};
    { CdAudioPlayer other(fresh, boxes); }
    EXPECT_EQ(fresh.commands.back(), "close cdaudio");
    EXPECT_EQ(std::count(fresh.commands.begin(), fresh.commands.end(), "stop cdaudio"), 0);

    fresh.commands.clear();
    fresh.replies["status cdaudio mode wait"] = {0, "not ready"};
    { CdAudioPlayer other(fresh, boxes); }
    EXPECT_EQ(fresh.commands, (Commands{"open cdaudio", "status cdaudio mode wait"}));

    // A failed open is silent, and so is the failed query after it.
    fresh.commands.clear();
    fresh.replies["open cdaudio"] = {263, ""};
    fresh.replies["status cdaudio mode wait"] = {263, ""};
    {
        CdAudioPlayer other(fresh, boxes);
        EXPECT_EQ(other.LastResult(), 263u);
    }
    EXPECT_EQ(fresh.commands, (Commands{"open cdaudio", "status cdaudio mode wait"}));
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(CdAudioPlayerTest, ModeAndMediaQueries) {
    EXPECT_TRUE(player->IsPlaying());
    EXPECT_TRUE(player->IsReady());
    EXPECT_FALSE(player->IsPaused());
    EXPECT_FALSE(player->IsStopped());
    EXPECT_EQ(mci.answerSizes, (std::vector<std::size_t>{64, 64, 64, 64}));
    mci.replies["status cdaudio mode wait"] = {0, "paused"};
    EXPECT_TRUE(player->IsPaused());
    mci.replies["status cdaudio mode wait"] = {0, "stopped"};
    EXPECT_TRUE(player->IsStopped());
    mci.replies["status cdaudio mode wait"] = {0, "not ready"};
    EXPECT_FALSE(player->IsReady());
    // A failed query counts as no, without a box.
    mci.replies["status cdaudio mode wait"] = {276, "stopped"};
    EXPECT_FALSE(player->IsStopped());
    EXPECT_FALSE(player->IsReady());
    mci.replies["status cdaudio media present"] = {276, "true"};
    EXPECT_FALSE(player->IsMediaPresent());
    mci.replies["status cdaudio media present"] = {0, "false"};
    EXPECT_FALSE(player->IsMediaPresent());
    EXPECT_EQ(mci.answerSizes.back(), 16u);
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(CdAudioPlayerTest, PlayStopPauseAndDoorSendTheirCommands) {
    EXPECT_EQ(player->Play(), 0u);
    EXPECT_EQ(player->PlayFrom(247), 0u);
    EXPECT_EQ(player->PlayFrom(2), 0u);
    EXPECT_EQ(player->Pause(), 0u);
    EXPECT_EQ(player->Stop(), 0u);
    EXPECT_EQ(player->ToggleDoor(), 0u);
    mci.replies["status cdaudio media present"] = {0, "false"};
    EXPECT_EQ(player->ToggleDoor(), 0u);
    EXPECT_EQ(mci.commands,
              (Commands{"play cdaudio", "play cdaudio from 04:07:00", "play cdaudio from 00:02:00",
                        "pause cdaudio", "stop cdaudio", "seek cdaudio to start",
                        "status cdaudio media present", "Set CDAudio Door Open",
                        "status cdaudio media present", "Set CDAudio Door Closed"}));
}

TEST_F(CdAudioPlayerTest, SkipsTracksThroughTheirStartPositions) {
    mci.replies["status cdaudio position track 3"] = {0, "07:10:20"};
    mci.replies["status cdaudio position track 1"] = {0, "00:02:00"};
    EXPECT_EQ(player->NextTrack(), 0u);
    EXPECT_EQ(player->PrevTrack(), 0u);
    EXPECT_EQ(mci.commands,
              (Commands{"status cdaudio current track", "status cdaudio number of tracks",
                        "status cdaudio position track 3", "play cdaudio from 07:10:20",
                        "status cdaudio current track", "status cdaudio number of tracks",
                        "status cdaudio position track 1", "play cdaudio from 00:02:00"}));
    EXPECT_EQ(mci.answerSizes[2], 32u);
}

TEST_F(CdAudioPlayerTest, NoSkipPastEitherEndOrOnAnEmptyDisc) {
    struct Case {
        std::string current;
        std::string count;
        bool next;
    };
    const std::vector<Case> cases = {{"3", "3", true},
                                     {"1", "0", true},
                                     {"1", "3", false},
                                     {"0", "3", false},
                                     {"2", "0", false}};
    for (const Case& c : cases) {
        mci.replies["status cdaudio current track"] = {0, c.current};
        mci.replies["status cdaudio number of tracks"] = {0, c.count};
        mci.commands.clear();
        EXPECT_EQ(c.next ? player->NextTrack() : player->PrevTrack(), 0u);
        EXPECT_EQ(mci.commands,
                  (Commands{"status cdaudio current track", "status cdaudio number of tracks"}))
            << c.current << "/" << c.count;
    }
}

TEST_F(CdAudioPlayerTest, ReadsPositionsAndNumbers) {
    mci.replies["status cdaudio position"] = {0, "04:07:33"};
    EXPECT_EQ(player->GetPositionSeconds(), 247);
    mci.replies["status cdaudio position"] = {0, "00:02:00"};
    EXPECT_EQ(player->GetPositionSeconds(), 2);
    // Answers that are not minutes:seconds:frames give no position.
    for (const std::string bad : {"", "4:07", "ab:cd:ef", "01:0"}) {
        mci.replies["status cdaudio position"] = {0, bad};
        EXPECT_EQ(player->GetPositionSeconds(), 0) << bad;
    }
    EXPECT_EQ(player->GetCurrentTrack(), 2);
    EXPECT_EQ(player->GetTrackCount(), 3);
    mci.replies["status cdaudio number of tracks"] = {0, "12"};
    EXPECT_EQ(player->GetTrackCount(), 12);
    mci.replies["status cdaudio number of tracks"] = {0, "x"};
    EXPECT_EQ(player->GetTrackCount(), 0);

    // Without a disc the position is not even asked for.
    mci.replies["status cdaudio media present"] = {0, "false"};
    mci.commands.clear();
    EXPECT_EQ(player->GetPositionSeconds(), 0);
    EXPECT_EQ(mci.commands, Commands{"status cdaudio media present"});
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(CdAudioPlayerTest, FailedCommandsShowTheErrorAtOnce) {
    mci.replies["play cdaudio"] = {282, ""};
    EXPECT_EQ(player->Play(), 282u);
    EXPECT_EQ(player->LastResult(), 282u);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, "The parameter is out of range.");
    EXPECT_EQ(boxes.boxes[0].caption, "MCI Error");
    EXPECT_FALSE(boxes.boxes[0].question);

    // No description: a fixed text.
    mci.replies["pause cdaudio"] = {300, ""};
    EXPECT_EQ(player->Pause(), 300u);
    EXPECT_EQ(boxes.boxes.back().text, "Unknown error");

    // A long description is cut to what the host's buffer holds.
    mci.errorTexts[301] = std::string(200, 'e');
    mci.replies["status cdaudio current track"] = {301, "2"};
    EXPECT_EQ(player->GetCurrentTrack(), 0);
    EXPECT_EQ(boxes.boxes.back().text, std::string(127, 'e'));

    // A failed stop does not go on to rewind.
    mci.replies["stop cdaudio"] = {282, ""};
    mci.commands.clear();
    EXPECT_EQ(player->Stop(), 282u);
    EXPECT_EQ(mci.commands, Commands{"stop cdaudio"});
    mci.replies.erase("stop cdaudio");
    mci.replies["seek cdaudio to start"] = {282, ""};
    EXPECT_EQ(player->Stop(), 282u);

    mci.replies["status cdaudio position"] = {282, "04:07:33"};
    EXPECT_EQ(player->GetPositionSeconds(), 0);
    EXPECT_EQ(boxes.boxes.size(), 6u);

    // The door and the queries never show a box.
    mci.replies["Set CDAudio Door Open"] = {282, ""};
    EXPECT_EQ(player->ToggleDoor(), 282u);
    EXPECT_EQ(boxes.boxes.size(), 6u);
}

// A box whose event loop lets the bar's tick run while it is open.
class TickingBoxes final : public MessageBoxes {
  public:
    void Show(const std::string& text, const std::string& caption, MessageIcon icon) override {
        shown.push_back(text);
        EXPECT_EQ(caption, "MCI Error");
        EXPECT_EQ(icon, MessageIcon::Error);
        if (whileOpen) {
            whileOpen();
        }
    }
    bool AskYesNo(const std::string&, const std::string&, MessageIcon) override { return false; }

    std::vector<std::string> shown;
    std::function<void()> whileOpen;
};

TEST(CdAudioPlayerErrorBoxTest, ARepeatingFailureIsShownOnceAndNeverTwoBoxesAtATime) {
    ScriptedMci mci;
    mci.replies["status cdaudio mode wait"] = {0, "stopped"};
    mci.replies["status cdaudio current track"] = {0, "1"};
    mci.replies["status cdaudio number of tracks"] = {282, ""};
    mci.errorTexts[282] = "The parameter is out of range.";
    mci.errorTexts[283] = "The drive is not ready.";
    TickingBoxes boxes;
    CdAudioPlayer player(mci, boxes);
    // The tick's own questions.
    auto tick = [&player] {
        if (player.IsStopped()) {
            EXPECT_EQ(player.GetTrackCount(), 0);
            player.GetCurrentTrack();
        }
    };
    int ticksWhileOpen = 0;
    boxes.whileOpen = [&] {
        for (int i = 0; i < 3; ++i) {
            ++ticksWhileOpen;
            tick();
        }
        // Another failure while the box is up waits for no box either.
        mci.replies["play cdaudio"] = {283, ""};
        EXPECT_EQ(player.Play(), 283u);
    };
    tick();
    EXPECT_EQ(ticksWhileOpen, 3);
    boxes.whileOpen = nullptr;
    for (int i = 0; i < 5; ++i) {
        tick();
    }
    EXPECT_EQ(boxes.shown, std::vector<std::string>{"The parameter is out of range."});

    // The play failure was never shown, so it is now; the track count again only after it
    // has once been answered.
    EXPECT_EQ(player.Play(), 283u);
    EXPECT_EQ(player.Play(), 283u);
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(boxes.shown[1], "The drive is not ready.");
    mci.replies["status cdaudio number of tracks"] = {0, "5"};
    EXPECT_EQ(player.GetTrackCount(), 5);
    mci.replies["status cdaudio number of tracks"] = {282, ""};
    tick();
    tick();
    EXPECT_EQ(boxes.shown.size(), 3u);
    // A new code from the same command is a new failure.
    mci.replies["status cdaudio number of tracks"] = {283, ""};
    tick();
    EXPECT_EQ(boxes.shown.size(), 4u);
}

TEST_F(CdAudioPlayerTest, ErrorTextsAreCutBetweenCharacters) {
    // 126 plain letters and a two-byte letter straddling the limit.
    mci.errorTexts[302] = std::string(126, 'a') + "\xC3\xA9" + "z";
    mci.replies["play cdaudio"] = {302, ""};
    player->Play();
    EXPECT_EQ(boxes.boxes.back().text, std::string(126, 'a'));
}

}  // namespace
}  // namespace quivlane::test
