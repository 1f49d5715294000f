#include "launcher/tray/TrayIcon.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quivlane::test {
namespace {

// A notification area whose answers are set by the test; it records what was asked of it.
class ScriptedNotificationArea final : public NotificationAreaPort {
  public:
    bool Available() override { return available; }
    bool AddIcon() override {
        calls.push_back("add");
        return addSucceeds;
    }
    bool DeleteIcon() override {
        calls.push_back("delete");
        return deleteSucceeds;
    }

    bool available = true;
    bool addSucceeds = true;
    bool deleteSucceeds = true;
    std::vector<std::string> calls;
};

using Calls = std::vector<std::string>;

class TrayIconTest : public ::testing::Test {
  protected:
    ScriptedNotificationArea host;
    TrayIcon icon{host};
};

TEST_F(TrayIconTest, WithoutANotificationAreaThereIsNoIconAtAll) {
    host.available = false;
    icon.Create();
    EXPECT_FALSE(icon.Enabled());
    icon.OnWorkAreaChanged();
    icon.Remove();
    EXPECT_EQ(host.calls, Calls{});
}

TEST_F(TrayIconTest, AnAreaAppearingLaterGetsTheIconOnce) {
    host.available = false;
    icon.Create();
    EXPECT_TRUE(icon.Waiting());
    EXPECT_FALSE(icon.Shown());
    icon.OnTrayAppeared();
    EXPECT_TRUE(icon.Waiting());
    host.available = true;
    icon.OnTrayAppeared();
    icon.OnTrayAppeared();
    EXPECT_FALSE(icon.Waiting());
    EXPECT_TRUE(icon.Shown());
    icon.Remove();
    EXPECT_FALSE(icon.Shown());
    EXPECT_EQ(host.calls, (Calls{"add", "delete"}));
}

TEST_F(TrayIconTest, IsAddedAtCreationAndDeletedOnceAtTheEnd) {
    icon.Create();
    EXPECT_TRUE(icon.Enabled());
    EXPECT_FALSE(icon.Hidden());
    EXPECT_FALSE(icon.Pending());
    icon.Remove();
    EXPECT_TRUE(icon.Hidden());
    EXPECT_TRUE(icon.Removed());
    icon.Remove();
    EXPECT_EQ(host.calls, (Calls{"add", "delete"}));
}

TEST_F(TrayIconTest, AFailedAddCountsAsHiddenAndIsNeverRetried) {
    host.addSucceeds = false;
    icon.Create();
    EXPECT_TRUE(icon.Enabled());
    EXPECT_TRUE(icon.Hidden());
    EXPECT_TRUE(icon.Removed());
    EXPECT_TRUE(icon.Pending());
    host.addSucceeds = true;
    icon.OnWorkAreaChanged();
    icon.Remove();
    EXPECT_FALSE(icon.Pending());
    EXPECT_EQ(host.calls, Calls{"add"});
}

TEST_F(TrayIconTest, AWorkAreaChangeAddsTheShownIconAgain) {
    icon.Create();
    icon.OnWorkAreaChanged();
    icon.OnWorkAreaChanged();
    EXPECT_FALSE(icon.Hidden());
    EXPECT_FALSE(icon.Pending());
    EXPECT_EQ(host.calls, (Calls{"add", "add", "add"}));
}

TEST_F(TrayIconTest, AFailedAddAgainStopsLaterAddsButNotTheFinalDelete) {
    icon.Create();
    host.addSucceeds = false;
    icon.OnWorkAreaChanged();
    EXPECT_TRUE(icon.Hidden());
    EXPECT_TRUE(icon.Pending());
    host.addSucceeds = true;
    icon.OnWorkAreaChanged();
    icon.Remove();
    EXPECT_TRUE(icon.Removed());
    EXPECT_EQ(host.calls, (Calls{"add", "add", "delete"}));
}

TEST_F(TrayIconTest, AnIconRemovedAtTheEndIsNotBroughtBack) {
    icon.Create();
    icon.Remove();
    icon.OnWorkAreaChanged();
    EXPECT_EQ(host.calls, (Calls{"add", "delete"}));
}

TEST_F(TrayIconTest, ARefusedDeleteLeavesTheIconMarkedPresent) {
    icon.Create();
    host.deleteSucceeds = false;
    icon.Remove();
    EXPECT_FALSE(icon.Removed());
    EXPECT_FALSE(icon.Hidden());
    host.deleteSucceeds = true;
    icon.Remove();
    EXPECT_TRUE(icon.Removed());
    EXPECT_EQ(host.calls, (Calls{"add", "delete", "delete"}));
}

TEST(TrayIconMenuTest, ShowComesFirstAsTheDefaultThenQuit) {
    const auto& menu = TrayIcon::Menu();
    ASSERT_EQ(menu.size(), 2u);
    EXPECT_EQ(TrayIcon::kDefaultPosition, 0);
    EXPECT_EQ(menu[0].command, 32789);
    EXPECT_EQ(menu[0].text, "Afficher Quivlane");
    EXPECT_EQ(menu[1].command, 32790);
    EXPECT_EQ(menu[1].text, "Quitter Quivlane");
    EXPECT_LE(std::string(TrayIcon::kTip).size(), 63u);
}

}  // namespace
}  // namespace quivlane::test
