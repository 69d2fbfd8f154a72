// What the user is told after a download of the price list, for each way it can end.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/UserActions.h"
#include "app/Window.h"
#include "price/PriceAge.h"
#include "price/PriceDownload.h"
#include "tabs/price/PriceTab.h"
#include "tools/scenario/ScriptedPlatform.h"

namespace tesmarik {
namespace {

using Outcome = DownloadResult::Outcome;

// A platform whose download ends as the test says, recording the messages.
class OutcomePlatform : public ScriptedPlatform {
public:
    OutcomePlatform(std::ostream& out, const std::string& priceFile)
        : ScriptedPlatform(out, priceFile, "seller.example") {}
    DownloadResult Download(const std::string&, const std::string&) override { return result; }
    void ShowMessage(const std::string& text) override { messages.push_back(text); }

    DownloadResult result;
    std::vector<std::string> messages;
};

TEST(DownloadFailureMessage, NamesTheCacheFolderAndTheReasonOfALocalFailure) {
    EXPECT_EQ(DownloadFailureMessage({Outcome::LocalFailure, "на диске нет места"},
                                     "/home/user/.cache/tesmarik/1.csv", true),
              "Не удалось записать прайс в папку кэша /home/user/.cache/tesmarik: на диске нет "
              "места. Прежний прайс не изменён.");
}

TEST(DownloadFailureMessage, TheNetworksFailureKeepsTheProgramsMessage) {
    EXPECT_EQ(DownloadFailureMessage({Outcome::NetworkFailure, {}}, "/a/1.csv", true),
              kDownloadFailedMessage);
}

// The prompt for a missing file and the one for an old file both say the real cause.
TEST(DownloadFailureMessage, BothPromptsShowIt) {
    const auto folder = std::filesystem::temp_directory_path() / "tesmarik-message-test";
    std::filesystem::create_directories(folder);
    const std::string path = (folder / "1.csv").string();
    std::filesystem::remove(path);
    std::ostringstream out;
    OutcomePlatform platform(out, path);
    platform.result = {Outcome::LocalFailure, "нет прав на запись"};
    const std::string first =
        "Не удалось записать прайс в папку кэша " + folder.string() + ": нет прав на запись.";
    const std::string local = first.substr(0, first.size() - 1) + ". Прежний прайс не изменён.";

    // No price file yet: the tab offers the first download.
    Window window(platform);
    window.Create();
    ActivateWindow(window);
    window.form.PageControl1.ActivePageIndex = 2;
    platform.QueueAnswer(true);
    PageControl1Change(window.form, window.state.price, platform);
    // No earlier list to keep: none is named.
    ASSERT_EQ(platform.messages, std::vector<std::string>{first});

    // An old file: the age check offers a fresh one.
    { std::ofstream(path) << "n;530\r\n"; }
    platform.SetNow({2030, 1, 1, 12, 0, 0});
    platform.messages.clear();
    platform.QueueAnswer(true);
    CheckPriceAge(window.form, platform);
    EXPECT_EQ(platform.messages, std::vector<std::string>{local});

    platform.result = {Outcome::NetworkFailure, {}};
    platform.messages.clear();
    platform.QueueAnswer(true);
    CheckPriceAge(window.form, platform);
    EXPECT_EQ(platform.messages, std::vector<std::string>{kDownloadFailedMessage});

    // Cancel is the user's choice: neither prompt blames the connection for it.
    platform.result = {Outcome::Cancelled, {}};
    platform.messages.clear();
    platform.QueueAnswer(true);
    CheckPriceAge(window.form, platform);
    std::filesystem::remove(path);
    platform.QueueAnswer(true);
    PageControl1Change(window.form, window.state.price, platform);
    EXPECT_EQ(platform.messages, std::vector<std::string>{});
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace tesmarik
