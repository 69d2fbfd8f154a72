// A long random session on the real window, as a user who tries everything: clicks, right
// clicks, the wheel, keys, pastes of all kinds, menus and every dialog. The program must
// neither crash (the sanitizer build stops at the first fault) nor stop answering. Runs a
// short session in the suite; TESMARIK_RANDOM_ACTIONS and TESMARIK_RANDOM_SEED make a long
// one. Each action is written to random-session.log in the build folder, to replay a
// fault.
#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QMenu>
#include <QPrintDialog>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "tests/display/RealWindow.h"

namespace tesmarik {
namespace {

int FromEnvironment(const char* name, int fallback) {
    const QByteArray value = qgetenv(name);
    bool ok = false;
    const int number = value.toInt(&ok);
    return ok && number > 0 ? number : fallback;
}

class RandomSession : public RealWindowWithPrices {
protected:
    void SetUp() override {
        // A seller that refuses at once: a download fails without waiting for a network.
        qputenv("TESMARIK_SELLER", "127.0.0.1:9");
        RealWindowWithPrices::SetUp();
    }
    void TearDown() override {
        RealWindowWithPrices::TearDown();
        qunsetenv("TESMARIK_SELLER");
    }
};

TEST_F(RandomSession, TheWindowOutlivesARandomSession) {
    const int actions = FromEnvironment("TESMARIK_RANDOM_ACTIONS", 100);
    const int seed = FromEnvironment("TESMARIK_RANDOM_SEED", 20261211);
    std::mt19937 random(static_cast<unsigned>(seed));
    const auto below = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    const std::string logPath = std::string(TESMARIK_SCREENSHOT_DIR) + "/../random-session.log";
    std::FILE* log = std::fopen(logPath.c_str(), "w");
    ASSERT_NE(log, nullptr) << logPath;
    const std::vector<QString> pastes = {"530",
                                         "530\n",
                                         "12\n11,5\n9,75\n",
                                         "1e400",
                                         "-5",
                                         "abc",
                                         "1,2,3",
                                         "10\r\n20\r\n30\r\n",
                                         QString(5000, 'x'),
                                         "\t\n\n",
                                         "0",
                                         "ТУ 1381-012-05757848-2005",
                                         QString::fromUtf8("трубы 🚀"),
                                         ""};
    const std::vector<std::string> keys = {"Tab",   "Return",    "Escape", "Up",   "Down", "Left",
                                           "Right", "BackSpace", "Delete", "Home", "End",  "Prior",
                                           "Next",  "space",     "1",      "5",    "0",    "comma",
                                           "minus", "e",         "a"};
    const std::vector<std::string> chords = {"v", "c", "a", "x", "z", "Tab"};

    RunAsUser([&](XUser& user) {
        for (int n = 1; n <= actions; ++n) {
            // What the user acts on: an open popup or dialog first, else the window.
            QWidget* target = user.OnGui([&]() -> QWidget* {
                if (QWidget* popup = QApplication::activePopupWidget()) {
                    return popup;
                }
                if (QWidget* modal = QApplication::activeModalWidget()) {
                    return modal;
                }
                return Top();
            });
            // The file and print dialogs are left at once: a random click there could
            // write a file anywhere.
            const bool outside = user.OnGui([&] {
                return qobject_cast<QFileDialog*>(target) != nullptr ||
                       qobject_cast<QPrintDialog*>(target) != nullptr;
            });
            if (outside) {
                std::fprintf(log, "%d escape-dialog\n", n);
                std::fflush(log);
                user.Key("Escape");
                continue;
            }
            const QSize size = user.OnGui([&] { return target->size(); });
            const QPoint at(below(std::max(1, size.width())), below(std::max(1, size.height())));
            const int kind = below(100);
            if (kind < 40) {
                std::fprintf(log, "%d click %d %d\n", n, at.x(), at.y());
                std::fflush(log);
                user.Click(target, at);
            } else if (kind < 48) {
                std::fprintf(log, "%d rightclick %d %d\n", n, at.x(), at.y());
                std::fflush(log);
                user.RightClick(target, at);
            } else if (kind < 56) {
                const int notches = below(7) - 3;
                std::fprintf(log, "%d wheel %d %d %d\n", n, at.x(), at.y(), notches);
                std::fflush(log);
                user.Wheel(target, notches == 0 ? 1 : notches);
            } else if (kind < 84) {
                const std::string& key =
                    keys[static_cast<std::size_t>(below(static_cast<int>(keys.size())))];
                std::fprintf(log, "%d key %s\n", n, key.c_str());
                std::fflush(log);
                user.Key(key);
            } else if (kind < 92) {
                const std::size_t which =
                    static_cast<std::size_t>(below(static_cast<int>(pastes.size())));
                std::fprintf(log, "%d paste %zu\n", n, which);
                std::fflush(log);
                user.OnGui([&] { QGuiApplication::clipboard()->setText(pastes[which]); });
                user.Key("v", "Control_L");
            } else {
                const std::string& key =
                    chords[static_cast<std::size_t>(below(static_cast<int>(chords.size())))];
                const bool shift = below(3) == 0;
                std::fprintf(log, "%d chord %s%s\n", n, shift ? "shift+" : "", key.c_str());
                std::fflush(log);
                user.Key(key, shift ? "Control_L+Shift_L" : "Control_L");
            }
            if (n % 1000 == 0) {
                std::fprintf(stderr, "random session: %d of %d actions\n", n, actions);
            }
        }
        EXPECT_TRUE(user.OnGui([&] { return Top()->isVisible(); }));
    });
    std::fclose(log);
}

}  // namespace
}  // namespace tesmarik
