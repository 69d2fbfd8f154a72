// Dialogs on the real display: what stands behind them, their language, their place.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTreeView>

#include "tests/display/RealWindow.h"
#include "tests/display/Steps.h"

namespace tesmarik {
namespace {

// A seller that takes the connection and never answers: the download waits in its
// progress dialog until the user cancels it.
class SilentSeller {
public:
    SilentSeller() {
        socket_ = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        if (socket_ < 0 || ::bind(socket_, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
            ::listen(socket_, 4) != 0 ||
            ::getsockname(socket_, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
            throw std::runtime_error("no listening socket");
        }
        port_ = ntohs(address.sin_port);
    }
    ~SilentSeller() { ::close(socket_); }
    std::string Host() const { return "127.0.0.1:" + std::to_string(port_); }

private:
    int socket_ = -1;
    int port_ = 0;
};

class Dialogs : public RealWindow {
protected:
    // Dark pixels of the price tab's page as the X server shows it now, beside the dialog
    // that stands over part of it. On the program's thread.
    int PriceTabInk() {
        auto* tabs = static_cast<QTabWidget*>(W("PageControl1"));
        if (tabs->currentIndex() != 2 || OpenDialog() == nullptr) {
            return 0;
        }
        QWidget* page = tabs->currentWidget();
        QImage shot = OnScreen(page);
        const QRect dialog(page->mapFromGlobal(OpenDialog()->frameGeometry().topLeft()),
                           OpenDialog()->frameGeometry().size());
        for (int y = 0; y < shot.height(); ++y) {
            for (int x = 0; x < shot.width(); ++x) {
                if (dialog.contains(x, y)) {
                    shot.setPixelColor(x, y, Qt::white);
                }
            }
        }
        return DarkPixels(shot);
    }

    SilentSeller seller_;
};

// The first visit without a price file: the tab is drawn behind the prompt and behind the
// progress of the download; Cancel in the progress is not called a failed connection.
TEST_F(Dialogs, TheTabIsDrawnBehindThePromptAndTheProgress) {
    qputenv("TESMARIK_SELLER", QByteArray::fromStdString(seller_.Host()));
    Open();
    RunAsUser([&](XUser& user) {
        ClickTab(user, 2);
        ASSERT_TRUE(WaitForMessageBox(user));
        EXPECT_TRUE(user.WaitFor([&] { return PriceTabInk() > 50; }));
        // Qt's own buttons speak Russian.
        const QStringList buttons = user.OnGui([] {
            QStringList texts;
            for (auto* button : OpenDialog()->findChildren<QAbstractButton*>()) {
                texts << button->text();
            }
            return texts;
        });
        EXPECT_TRUE(buttons.contains(QString::fromUtf8("Отмена")))
            << buttons.join('|').toStdString();

        user.Key("Return");
        ASSERT_TRUE(user.WaitFor([] {
            return OpenDialog() != nullptr && qobject_cast<QMessageBox*>(OpenDialog()) == nullptr;
        }));
        EXPECT_TRUE(user.WaitFor([&] { return PriceTabInk() > 50; }));

        // Cancel is the user's choice, not a failed connection.
        user.Key("Escape");
        ASSERT_TRUE(user.WaitFor([] { return OpenDialog() == nullptr; }, 3000));
        user.Settle(300);
        for (const QString& text : RealWindow::Dialogs(user)) {
            EXPECT_FALSE(text.contains(QString::fromUtf8("соединение"))) << text.toStdString();
        }
        EXPECT_FALSE(QFile::exists(home_.path() + "/.cache/tesmarik/1.csv"));
    });
    qunsetenv("TESMARIK_SELLER");
}

// A stale price file: the age the prompt speaks of is on the window while it asks.
TEST_F(Dialogs, TheAgeIsShownWhileTheStalePromptAsks) {
    PlacePriceFile(2);
    Open();
    RunAsUser([&](XUser& user) {
        ClickTab(user, 2);
        ASSERT_TRUE(WaitForMessageBox(user));
        user.Settle(300);
        const std::string age = user.OnGui([&] { return Model().form.Label27.Text; });
        ASSERT_NE(age.find('2'), std::string::npos) << age;
        EXPECT_TRUE(user.OnGui([&] {
            for (const QLabel* label : Top()->findChildren<QLabel*>()) {
                if (label->isVisible() && label->text().toStdString() == age) {
                    return true;
                }
            }
            return false;
        })) << age;
        user.Key("Escape");
    });
}

// The save dialog opens wholly on screen, in Russian, in the documents folder and then in
// the folder last saved to, with its columns whole.
TEST_F(Dialogs, TheSaveDialogOpensOnScreenInTheLastFolder) {
    ASSERT_TRUE(QDir(home_.path()).mkpath("Documents/reports"));
    QFile someFile(home_.path() + "/Documents/reports/earlier.txt");
    ASSERT_TRUE(someFile.open(QIODevice::WriteOnly));
    someFile.close();
    Open();
    RunAsUser([&](XUser& user) {
        Act(user, [](Window& w) {
            ChangePage(w, w.form.PageControl1, 0);
            ChooseMassPipe(w, 2);
            StringGrid& lengths = w.form.rtab;
            lengths.Col = 0;
            lengths.Row = 1;
            TypeIntoCell(w, lengths, U'9');
            ClickControl(w, w.form.Button1);
        });
        const auto openDialog = [&]() -> QFileDialog* {
            user.Click(user.OnGui([&] { return W("Button11"); }));
            EXPECT_TRUE(user.WaitFor([] {
                return qobject_cast<QFileDialog*>(OpenDialog()) != nullptr;
            })) << user.OnGui([&] {
                std::string seen = W("Button11")->isVisible() ? "shown " : "hidden ";
                seen += W("Button11")->isEnabled() ? "enabled " : "disabled ";
                for (QWidget* top : QApplication::topLevelWidgets()) {
                    if (top->isVisible()) {
                        seen += std::string(top->metaObject()->className()) + " ";
                    }
                }
                return seen;
            });
            user.Settle(300);
            return user.OnGui([] { return qobject_cast<QFileDialog*>(OpenDialog()); });
        };
        QFileDialog* dialog = openDialog();
        ASSERT_NE(dialog, nullptr);
        user.OnGui([&] {
            const QRect screen = dialog->screen()->availableGeometry();
            EXPECT_TRUE(screen.contains(dialog->frameGeometry()))
                << dialog->frameGeometry().y() << " " << dialog->frameGeometry().height();
            EXPECT_GE(dialog->geometry().top(), screen.top() + 20);  // room for a title bar
            EXPECT_EQ(dialog->directory().absolutePath(), home_.path() + "/Documents");
            for (const QAbstractButton* button : dialog->findChildren<QAbstractButton*>()) {
                EXPECT_FALSE(button->text().contains("Save") || button->text().contains("Cancel"))
                    << button->text().toStdString();
            }
            for (const QLabel* label : dialog->findChildren<QLabel*>()) {
                EXPECT_FALSE(label->text().contains("File name") ||
                             label->text().contains("Look in"))
                    << label->text().toStdString();
            }
        });
        user.OnGui([&] { dialog->setDirectory(home_.path() + "/Documents/reports"); });
        user.Settle(500);
        user.OnGui([&] {
            for (const QTreeView* list : dialog->findChildren<QTreeView*>()) {
                if (!list->isVisible()) {
                    continue;
                }
                for (int column = 1; column < list->header()->count(); ++column) {
                    if (!list->header()->isSectionHidden(column)) {
                        EXPECT_GE(
                            list->header()->sectionSize(column),
                            static_cast<const QAbstractItemView*>(list)->sizeHintForColumn(column))
                            << "column " << column;
                    }
                }
            }
        });
        user.Type("lengths");
        user.Key("Return");
        ASSERT_TRUE(user.WaitFor([] { return OpenDialog() == nullptr; }));
        EXPECT_TRUE(QFile::exists(home_.path() + "/Documents/reports/lengths.txt"));

        dialog = openDialog();
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(user.OnGui([&] { return dialog->directory().absolutePath(); }),
                  home_.path() + "/Documents/reports");
        user.Key("Escape");
    });
}

// A link that no program of the system can open (no browser, no mail program) says so in
// a message that shows the address, selectable so that the user can copy it.
TEST_F(Dialogs, ALinkNoProgramCanOpenIsSaidWithItsAddress) {
    QTemporaryDir nothing;
    ASSERT_TRUE(nothing.isValid());
    const QByteArray path = qgetenv("PATH");
    const QByteArray browser = qgetenv("BROWSER");
    qputenv("PATH", nothing.path().toUtf8());
    qunsetenv("BROWSER");
    Open();
    RunAsUser([&](XUser& user) {
        ClickTab(user, 3);
        struct Link {
            const char* name;
            const char* scheme;
        };
        for (const Link link : {Link{"Label90", "http://"}, Link{"Label26", "mailto:"}}) {
            user.Click(user.OnGui([&] { return W(link.name); }), QPoint(10, 8));
            ASSERT_TRUE(WaitForMessageBox(user)) << "a message for " << link.name;
            user.OnGui([&] {
                auto* box = qobject_cast<QMessageBox*>(OpenDialog());
                const QString text = box->text();
                EXPECT_TRUE(text.startsWith(QString::fromUtf8("Не удалось открыть адрес")))
                    << text.toStdString();
                // The address itself, whole, on a line of its own.
                const QString address = text.section("\n\n", 1);
                EXPECT_TRUE(address.startsWith(link.scheme) && address.size() > 12)
                    << text.toStdString();
                EXPECT_TRUE(box->textInteractionFlags() & Qt::TextSelectableByMouse);
            });
            user.Key("Return");
            ASSERT_TRUE(user.WaitFor([] { return OpenDialog() == nullptr; })) << link.name;
        }
    });
    qputenv("PATH", path);
    if (!browser.isEmpty()) {
        qputenv("BROWSER", browser);
    }
}

// The save dialog names the kinds of the entries of its file list in Russian: a folder is
// "Папка", not "Folder".
TEST_F(Dialogs, TheSaveDialogsFileListIsRussian) {
    ASSERT_TRUE(QDir(home_.path()).mkpath("Documents/reports"));
    Open();
    RunAsUser([&](XUser& user) {
        Act(user, [](Window& w) {
            ChangePage(w, w.form.PageControl1, 1);
            ClickControl(w, w.form.BitBtn2);
        });
        user.Click(user.OnGui([&] { return W("BitBtn3"); }));
        ASSERT_TRUE(user.WaitFor([] {
            return qobject_cast<QFileDialog*>(OpenDialog()) != nullptr;
        })) << "the save dialog";
        auto* dialog = user.OnGui([] { return qobject_cast<QFileDialog*>(OpenDialog()); });
        user.OnGui([&] { dialog->setViewMode(QFileDialog::Detail); });
        QString kinds;
        EXPECT_TRUE(user.WaitFor(
            [&] {
                kinds.clear();
                for (const QTreeView* list : dialog->findChildren<QTreeView*>()) {
                    const QAbstractItemModel* model = list->model();
                    const QModelIndex root = list->rootIndex();
                    for (int row = 0; row < model->rowCount(root); ++row) {
                        kinds += model->index(row, 2, root).data().toString() + "|";
                    }
                }
                return kinds.contains(QString::fromUtf8("Папка"));
            },
            10000))
            << kinds.toStdString();
        EXPECT_FALSE(kinds.contains("Folder")) << kinds.toStdString();
        user.Key("Escape");
    });
}

}  // namespace
}  // namespace tesmarik
