// A long random session on the real window, as a user who tries everything: every visible
// window of the program (the main window, the offer's window beside it, the cost window,
// message boxes, progress), clicks, double clicks, right clicks, drags, the wheel, a rest
// for a tooltip, keys, pastes of random text, menus, closes through the title bar; the
// file dialogs answered with files of a folder of its own (offers that open, damaged
// ones, saves of every kind), downloads from a stand-in seller that answers well, slowly
// and badly. The program must neither crash (the sanitizer build stops at the first
// fault) nor stop answering.
//
// The suite runs a short session, which must have pressed each of the offer window's
// buttons. TESMARIK_RANDOM_ACTIONS, TESMARIK_RANDOM_SEED and TESMARIK_RANDOM_SECONDS (a
// bound on the time) make a long one; TESMARIK_RANDOM_WM=1 runs it under a window manager
// (IceWM), whose title bars take clicks too. Each action is written to random-session.log
// in the build folder, to replay a fault.
#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPrintDialog>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabBar>
#include <QTableWidget>
#include <QTest>
#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "offer/OfferFile.h"
#include "tests/display/RealWindow.h"
#include "tests/display/SessionFiles.h"

namespace tesmarik {
namespace {

int FromEnvironment(const char* name, int fallback) {
    const QByteArray value = qgetenv(name);
    bool ok = false;
    const int number = value.toInt(&ok);
    return ok && number > 0 ? number : fallback;
}

// How the seller answers the price list, request after request: well, slowly, badly.
const char* const kSellerAnswers =
    "normal,drip,500,stall,chunked,reset,redirect,truncated,portal,http10,chunk-cut,404,"
    "no-separator,empty";

// A control the session acts on, named for the count of what it reached: the window's
// title, the kind of widget, and its caption or its place among its kind.
struct Control {
    // Made on the program's thread, which may destroy the widget before the user acts.
    QPointer<QWidget> widget;
    QString name;
    bool button = false;
};

QString Caption(const QString& text) {
    return QString(text).remove('&');
}

// On the program's thread: the controls of a window the user can point at.
std::vector<Control> ControlsOf(QWidget* window) {
    std::vector<Control> controls;
    std::map<QString, int> seen;
    const QString title = window->windowTitle();
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisible() || w->window() != window || w->width() < 3 || w->height() < 3) {
            continue;
        }
        // The line edit of a combo box or a spin box is acted on through its owner.
        if (qobject_cast<QComboBox*>(w->parentWidget()) ||
            qobject_cast<QAbstractSpinBox*>(w->parentWidget())) {
            continue;
        }
        QWidget* acted = nullptr;
        if (qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) ||
            qobject_cast<QComboBox*>(w) || qobject_cast<QAbstractSpinBox*>(w) ||
            qobject_cast<QTabBar*>(w) || qobject_cast<QLabel*>(w)) {
            acted = w;
        } else if (auto* area = qobject_cast<QAbstractScrollArea*>(w)) {
            acted = area->viewport();
        }
        if (acted == nullptr || !acted->isVisible()) {
            continue;
        }
        const QString kind = w->metaObject()->className();
        auto* button = qobject_cast<QAbstractButton*>(w);
        const QString which = button != nullptr && !button->text().isEmpty()
                                  ? Caption(button->text())
                                  : QString::number(seen[kind]++);
        controls.push_back({acted, title + "/" + kind + "/" + which, button != nullptr});
    }
    return controls;
}

bool IsFileDialog(const QPointer<QWidget>& w) {
    return qobject_cast<QFileDialog*>(w.data()) != nullptr ||
           qobject_cast<QPrintDialog*>(w.data()) != nullptr;
}

class RandomSession : public RealWindow {
protected:
    void SetUp() override {
        ASSERT_TRUE(files_.IsValid());
        for (const QString& name : files_.ValidOffers()) {
            QFile file(files_.Folder() + "/" + name);
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            ASSERT_TRUE(ReadOfferFile(file.readAll().toStdString()).offer) << name.toStdString();
        }
        seller_.setProgram(QStringLiteral(TESMARIK_PYTHON));
        seller_.setArguments({QStringLiteral(TESMARIK_SOURCE_DIR "/tools/seller/seller.py"),
                              "--host", "127.0.0.1", "--port", "0", "--quiet", "--rotate",
                              kSellerAnswers});
        seller_.start();
        ASSERT_TRUE(seller_.waitForStarted(10000));
        while (!seller_.canReadLine() && seller_.waitForReadyRead(10000)) {
        }
        const int port = seller_.readLine().trimmed().toInt();
        ASSERT_NE(port, 0) << "the seller gave no port";
        qputenv("TESMARIK_SELLER", "127.0.0.1:" + QByteArray::number(port));
        if (qgetenv("TESMARIK_RANDOM_WM") == "1") {
            windowManager_.setProgram("icewm");
            windowManager_.setStandardErrorFile(QProcess::nullDevice());
            windowManager_.start();
            ASSERT_TRUE(windowManager_.waitForStarted(10000)) << "icewm did not start";
            QTest::qWait(1000);
        }
        // The user may close the main window: the session then starts the program again
        // rather than end the test's event loop.
        qApp->setQuitOnLastWindowClosed(false);
        RealWindow::SetUp();
        PlacePriceFile(0);
        Open();
    }
    void TearDown() override {
        RealWindow::TearDown();
        qApp->setQuitOnLastWindowClosed(true);
        qunsetenv("TESMARIK_SELLER");
        for (QProcess* process : {&windowManager_, &seller_}) {
            if (process->state() != QProcess::NotRunning) {
                process->kill();
                process->waitForFinished(5000);
            }
        }
    }

    void Note(const char* format, ...) {
        std::va_list args;
        va_start(args, format);
        std::fprintf(log_, "%d ", step_);
        std::vfprintf(log_, format, args);
        std::fputc('\n', log_);
        std::fflush(log_);
        va_end(args);
    }

    int Below(int n) { return std::uniform_int_distribution<int>(0, std::max(1, n) - 1)(random_); }

    QtBinding* Offer() { return window_->Binding().DialogBinding("Form3"); }

    // The offer window's seven buttons, as the count of pressed controls names them.
    std::vector<QString> OfferButtons() {
        const TForm3& f = Model().form3;
        std::vector<QString> names;
        for (const Button* b :
             {&f.Button1, &f.Button2, &f.Button3, &f.Button4, &f.Button5, &f.Button6, &f.Button7}) {
            names.push_back(QString::fromStdString(f.Form3.Text) + "/QPushButton/" +
                            Caption(QString::fromStdString(b->Text)));
        }
        return names;
    }
    bool OfferButtonsPressed() {
        for (const QString& name : offerButtons_) {
            if (!pressed_.count(name)) {
                return false;
            }
        }
        return true;
    }

    // What the user acts on now: an open popup, mostly the dialog in front, else any
    // visible window of the program (one under a modal dialog takes nothing: that too is
    // tried).
    QPointer<QWidget> PickWindow(XUser& user) {
        return user.OnGui([&]() -> QPointer<QWidget> {
            if (QWidget* popup = QApplication::activePopupWidget(); popup && Below(10) > 0) {
                return popup;
            }
            if (QWidget* modal = QApplication::activeModalWidget(); modal && Below(100) < 85) {
                return modal;
            }
            std::vector<QWidget*> windows;
            for (QWidget* w : QApplication::topLevelWidgets()) {
                const Qt::WindowType type = w->windowType();
                if (w->isVisible() && type != Qt::Popup && type != Qt::ToolTip &&
                    type != Qt::Desktop && qobject_cast<QMenu*>(w) == nullptr) {
                    windows.push_back(w);
                }
            }
            // Mostly the offer's window while some of its buttons were never pressed.
            if (QtBinding* offer = Offer(); offer != nullptr && offer->TopLevel()->isVisible() &&
                                            !OfferButtonsPressed() && Below(4) > 0) {
                return offer->TopLevel();
            }
            // Half the time a window with a button not yet pressed, as a user who tries
            // everything goes where something is left to try.
            if (windows.size() > 1 && Below(2) == 0) {
                std::vector<QWidget*> untried;
                for (QWidget* w : windows) {
                    for (const Control& c : ControlsOf(w)) {
                        if (c.button && !pressed_.count(c.name)) {
                            untried.push_back(w);
                            break;
                        }
                    }
                }
                if (!untried.empty()) {
                    windows = untried;
                }
            }
            return windows.empty()
                       ? Top()
                       : windows[static_cast<std::size_t>(Below(static_cast<int>(windows.size())))];
        });
    }

    // The offer's window opened from the price grid's menu, as the user opens it.
    void OpenOfferFromGrid(XUser& user) {
        user.OnGui([&] { Top()->activateWindow(); });
        ClickTab(user, 2);
        if (!user.WaitFor([&] { return Model().form.PageControl1.ActivePageIndex == 2; }, 2000)) {
            return;
        }
        auto* grid = user.OnGui([&] { return static_cast<QTableWidget*>(W("Tabl")); });
        const int row = Below(4);
        const QPoint at =
            user.OnGui([&] { return grid->visualRect(grid->model()->index(row, 1)).center(); });
        user.RightClick(user.OnGui([&] { return QPointer<QWidget>(grid->viewport()); }), at);
        if (!user.WaitFor([] { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); },
                          2000)) {
            return;
        }
        const QString item =
            OfferButtonsPressed() && Below(2) == 0 ? "Добавить в предложение…" : "Предложение…";
        Note("offer-from-grid %d %s", row, item.toUtf8().constData());
        const QPointer<QWidget> menu =
            user.OnGui([] { return QPointer<QWidget>(QApplication::activePopupWidget()); });
        const QPoint on = user.OnGui([&] {
            if (auto* items = qobject_cast<QMenu*>(menu.data())) {
                for (QAction* a : items->actions()) {
                    if (a->text() == item) {
                        return items->actionGeometry(a).center();
                    }
                }
            }
            return QPoint(-1, -1);
        });
        if (on.x() < 0) {
            return;
        }
        user.Click(menu, on);
        // Mostly the position is added: a quantity typed into the cost window, then Enter.
        if (item.startsWith("Добавить") && Below(4) > 0 &&
            user.WaitFor(
                [&] {
                    QtBinding* cost = window_->Binding().DialogBinding("Form2");
                    return cost != nullptr && cost->TopLevel()->isVisible();
                },
                2000)) {
            const QPointer<QWidget> edit = user.OnGui([&]() -> QPointer<QWidget> {
                QtBinding* cost = window_->Binding().DialogBinding("Form2");
                return cost != nullptr ? cost->WidgetOf("Edit1") : nullptr;
            });
            if (!edit.isNull()) {
                const std::string quantity = std::to_string(1 + Below(5000));
                Note("offer-add %s", quantity.c_str());
                user.Click(edit);
                user.Type(quantity);
                user.Key("Return");
            }
        }
    }

    // A file or print dialog: answered with a file of the session's folder, cancelled or
    // left with Esc; never clicked at random, which could write a file anywhere.
    void AnswerFileDialog(XUser& user, const QPointer<QWidget>& dialog) {
        const int choice = Below(10);
        if (choice < 2) {
            Note("dialog-escape");
            user.Key("Escape");
            return;
        }
        const QPointer<QDialogButtonBox> box = user.OnGui([&] {
            return QPointer<QDialogButtonBox>(dialog ? dialog->findChild<QDialogButtonBox*>()
                                                     : nullptr);
        });
        if (choice < 3 && !box.isNull()) {
            Note("dialog-cancel");
            user.Click(user.OnGui([&] {
                return QPointer<QWidget>(box ? box->button(QDialogButtonBox::Cancel) : nullptr);
            }));
            return;
        }
        const QPointer<QWidget> accept = user.OnGui([&]() -> QPointer<QWidget> {
            if (dialog.isNull()) {
                return nullptr;
            }
            if (auto* files = qobject_cast<QFileDialog*>(dialog.data())) {
                const bool save = files->acceptMode() == QFileDialog::AcceptSave;
                QString name = save ? files_.NameToSave(random_) : files_.FileToOpen(random_);
                // The user goes to the session's folder, then types the name there (the
                // field as typing leaves it: selectFile leaves a field with the focus alone).
                files->setDirectory(files_.Folder());
                if (auto* edit = files->findChild<QLineEdit*>("fileNameEdit")) {
                    if (name.isEmpty()) {
                        name = edit->text();  // the name proposed
                    }
                    edit->setText(name);
                }
                Note("dialog-%s %s", save ? "save" : "open", name.toUtf8().constData());
                return box != nullptr
                           ? box->button(save ? QDialogButtonBox::Save : QDialogButtonBox::Open)
                           : nullptr;
            }
            // A print dialog printing to a file: the file goes to the session's folder.
            for (QLineEdit* edit : dialog->findChildren<QLineEdit*>()) {
                if (edit->isVisible() && edit->text().endsWith(".pdf")) {
                    const QString name =
                        files_.Folder() + "/печать " + QString::number(Below(5)) + ".pdf";
                    edit->setText(name);
                    Note("dialog-print %s", name.toUtf8().constData());
                    return box != nullptr ? box->button(QDialogButtonBox::Ok) : nullptr;
                }
            }
            return nullptr;
        });
        // The file dialog takes its folder in a while: its button stays disabled until the
        // chosen file shows there (for good, if it is not a file to open).
        if (accept.isNull() ||
            !user.WaitFor([&] { return accept && accept->isEnabled() && accept->isVisible(); },
                          3000)) {
            Note("dialog-escape");
            user.Key("Escape");
            return;
        }
        user.Click(accept);
    }

    // One action on a window of the program.
    void ActOn(XUser& user, const QPointer<QWidget>& target) {
        const bool front = user.OnGui([&] {
            QWidget* modal = QApplication::activeModalWidget();
            return target == QApplication::activePopupWidget() || target == modal ||
                   modal == nullptr;
        });
        // A window behind, not blocked, is brought to the front first, as a click on it
        // does where a window manager runs.
        user.OnGui([&] {
            if (target && front && QApplication::activePopupWidget() == nullptr &&
                QApplication::activeWindow() != target) {
                if (target->isMinimized()) {
                    target->showNormal();
                }
                target->activateWindow();
            }
        });
        const std::vector<Control> controls =
            user.OnGui([&] { return target ? ControlsOf(target) : std::vector<Control>(); });
        Control control{
            target, user.OnGui([&] { return target ? target->windowTitle() : QString(); }) + "/*",
            false};
        if (!controls.empty() && Below(10) > 0) {
            // Half the time something not yet pressed, buttons first: a user who tries
            // everything.
            std::vector<const Control*> untried;
            std::vector<const Control*> untriedButtons;
            for (const Control& c : controls) {
                if (!pressed_.count(c.name)) {
                    untried.push_back(&c);
                    if (c.button) {
                        untriedButtons.push_back(&c);
                    }
                }
            }
            const auto pick = [&](const std::vector<const Control*>& from) {
                return *from[static_cast<std::size_t>(Below(static_cast<int>(from.size())))];
            };
            if (!untriedButtons.empty() && Below(2) == 0) {
                control = pick(untriedButtons);
            } else if (!untried.empty() && Below(2) == 0) {
                control = pick(untried);
            } else {
                control =
                    controls[static_cast<std::size_t>(Below(static_cast<int>(controls.size())))];
            }
        }
        const QPointer<QWidget> w = control.widget;
        const QSize size = user.OnGui([&] { return w ? w->size() : QSize(); });
        const QPoint at(Below(size.width()), Below(size.height()));
        const std::string name = control.name.toStdString();
        if (front) {
            ++reached_[control.name];
        }
        const int kind = Below(100);
        if (kind < 32 || (control.button && kind < 60)) {
            Note("click %s %d %d", name.c_str(), at.x(), at.y());
            // A button is pressed where it shows its caption, as a user aims.
            user.Click(w, control.button ? QPoint(-1, -1) : at);
            if (front) {
                pressed_.insert(control.name);
            }
        } else if (kind < 38) {
            Note("doubleclick %s %d %d", name.c_str(), at.x(), at.y());
            user.DoubleClick(w, at);
        } else if (kind < 44) {
            Note("rightclick %s %d %d", name.c_str(), at.x(), at.y());
            user.RightClick(w, at);
        } else if (kind < 49) {
            const int notches = Below(7) - 3;
            Note("wheel %s %d", name.c_str(), notches);
            user.Wheel(w, notches == 0 ? 1 : notches);
        } else if (kind < 52) {
            const QSize whole = user.OnGui([&] { return target ? target->size() : QSize(); });
            const QPoint to(Below(whole.width()), Below(whole.height()));
            const QPoint from = user.OnGui([&] { return w && target ? w->mapTo(target, at) : at; });
            Note("drag %d %d %d %d", from.x(), from.y(), to.x(), to.y());
            user.Drag(target, from, to);
        } else if (kind < 54) {
            // Resting on a control until its tooltip shows.
            Note("rest %s %d %d", name.c_str(), at.x(), at.y());
            user.MoveTo(w, at);
            user.Settle(900);
        } else if (kind < 78) {
            static const std::vector<std::string> keys = {
                "Tab",    "Return", "Escape", "Up",    "Down",   "Left",  "Right", "BackSpace",
                "Delete", "Home",   "End",    "Prior", "Next",   "space", "F2",    "1",
                "5",      "0",      "comma",  "minus", "period", "e",     "a",     "KP_Enter"};
            const std::string& key =
                keys[static_cast<std::size_t>(Below(static_cast<int>(keys.size())))];
            Note("key %s", key.c_str());
            user.Key(key);
        } else if (kind < 90) {
            const QString text = RandomText(random_);
            Note("paste %s", text.left(200).toUtf8().toPercentEncoding(" ").constData());
            user.OnGui([&] { QGuiApplication::clipboard()->setText(text); });
            if (Below(5) == 0) {
                user.Key("Insert", "Shift_L");
            } else {
                user.Key("v", "Control_L");
            }
        } else if (kind < 97) {
            static const std::vector<std::string> chords = {"v", "c",   "a",     "x",
                                                            "z", "Tab", "Insert"};
            const std::string& key =
                chords[static_cast<std::size_t>(Below(static_cast<int>(chords.size())))];
            const bool shift = Below(3) == 0;
            Note("chord %s%s", shift ? "shift+" : "", key.c_str());
            user.Key(key, shift ? "Control_L+Shift_L" : "Control_L");
        } else if (kind < 99 || !user.HasWindowManager()) {
            Note("close-window %s",
                 user.OnGui([&] { return target ? target->windowTitle() : QString(); })
                     .toUtf8()
                     .constData());
            user.CloseWindow(target);
        } else {
            // Anywhere on the title bar: its buttons (minimise, maximise, close) among it.
            const QRect frame =
                user.OnGui([&] { return target ? target->frameGeometry() : QRect(); });
            const QRect inside = user.OnGui([&] { return target ? target->geometry() : QRect(); });
            if (inside.top() > frame.top()) {
                const QPoint on(frame.left() + Below(frame.width()),
                                frame.top() + Below(inside.top() - frame.top()));
                Note("title-bar %d %d", on.x(), on.y());
                user.ClickScreen(on);
            }
        }
    }

    SessionFiles files_;
    QProcess seller_;
    QProcess windowManager_;
    std::mt19937 random_;
    std::FILE* log_ = nullptr;
    int step_ = 0;
    std::map<QString, int> reached_;
    std::set<QString> pressed_;
    std::vector<QString> offerButtons_;
};

TEST_F(RandomSession, TheWindowOutlivesARandomSession) {
    const int actions = FromEnvironment("TESMARIK_RANDOM_ACTIONS", 120);
    const int seed = FromEnvironment("TESMARIK_RANDOM_SEED", 20261211);
    const int seconds = FromEnvironment("TESMARIK_RANDOM_SECONDS", 0);
    SCOPED_TRACE("TESMARIK_RANDOM_SEED=" + std::to_string(seed) +
                 " TESMARIK_RANDOM_ACTIONS=" + std::to_string(actions));
    random_.seed(static_cast<unsigned>(seed));
    offerButtons_ = OfferButtons();
    // Beside the program, or where TESMARIK_RANDOM_LOG says (sessions run side by side).
    const QByteArray logOption = qgetenv("TESMARIK_RANDOM_LOG");
    const std::string logPath =
        !logOption.isEmpty() ? logOption.toStdString()
                             : std::string(TESMARIK_SCREENSHOT_DIR) + "/../random-session.log";
    QDir().mkpath(TESMARIK_SCREENSHOT_DIR);
    log_ = std::fopen(logPath.c_str(), "w");
    ASSERT_NE(log_, nullptr) << logPath;
    std::fprintf(stderr, "random session: seed %d, %d actions%s\n", seed, actions,
                 qgetenv("TESMARIK_RANDOM_WM") == "1" ? ", under a window manager" : "");
    QElapsedTimer clock;
    clock.start();
    int done = 0;
    RunAsUser([&](XUser& user) {
        for (step_ = 1; step_ <= actions; ++step_) {
            if (seconds > 0 && clock.elapsed() > seconds * 1000LL) {
                break;
            }
            done = step_;
            // The user who closed the program starts it again.
            const bool closed = user.OnGui([&] {
                return !Top()->isVisible() && QApplication::activeModalWidget() == nullptr;
            });
            if (closed) {
                Note("restart");
                user.OnGui([&] {
                    window_.reset();
                    Open();
                });
                continue;
            }
            // Days pass: the price list grows stale or goes missing, and the next visit of
            // the price tab offers a download.
            if (Below(40) == 0) {
                const bool removed = Below(3) == 0;
                Note(removed ? "price-file-removed" : "price-file-stale");
                user.OnGui([&] {
                    const QString path = home_.path() + "/.cache/tesmarik/1.csv";
                    if (removed) {
                        QFile::remove(path);
                    } else {
                        QFile file(path);
                        if (file.open(QIODevice::ReadWrite)) {
                            file.setFileTime(QDateTime::currentDateTime().addDays(-3),
                                             QFileDevice::FileModificationTime);
                        }
                    }
                });
                // Meanwhile the user worked on another tab.
                if (user.OnGui([] { return QApplication::activeModalWidget() == nullptr; })) {
                    ClickTab(user, Below(2));
                }
                continue;
            }
            const bool noOffer = user.OnGui([&] {
                return Offer() == nullptr && QApplication::activeModalWidget() == nullptr &&
                       QApplication::activePopupWidget() == nullptr;
            });
            if (noOffer && Below(OfferButtonsPressed() ? 5 : 2) == 0) {
                OpenOfferFromGrid(user);
                continue;
            }
            const QPointer<QWidget> target = PickWindow(user);
            const bool fileDialog = user.OnGui([&] { return IsFileDialog(target); });
            if (fileDialog) {
                if (user.OnGui([&] { return target == QApplication::activeModalWidget(); })) {
                    AnswerFileDialog(user, target);
                }
                continue;
            }
            ActOn(user, target);
            if (step_ % 500 == 0) {
                std::fprintf(stderr, "random session: %d of %d actions, %lld s\n", step_, actions,
                             static_cast<long long>(clock.elapsed() / 1000));
            }
        }
        // The program still answers: its window shows, or starts again if the last
        // actions closed it.
        if (user.OnGui([&] { return !Top()->isVisible() && !QApplication::activeModalWidget(); })) {
            user.OnGui([&] {
                window_.reset();
                Open();
            });
        }
        EXPECT_TRUE(user.WaitFor([&] { return Top()->isVisible(); }, 30000));
        const QStringList shown = Dialogs(user);
        std::fprintf(
            stderr, "random session: %lld dialogs shown, %lld of them downloads\n",
            static_cast<long long>(shown.size()),
            static_cast<long long>(shown.filter(QRegularExpression("^progress: ")).size()));
        for (const QString& text : shown) {
            Note("shown %s",
                 text.left(120).toUtf8().replace('\n', ' ').replace('\r', ' ').constData());
        }
    });
    std::fclose(log_);
    std::fprintf(stderr, "random session: %d actions in %lld s, seed %d, %zu controls reached\n",
                 done, static_cast<long long>(clock.elapsed() / 1000), seed, reached_.size());
    // Each of the offer window's buttons was pressed while the window took input.
    if (seconds == 0) {
        for (const QString& name : offerButtons_) {
            EXPECT_TRUE(pressed_.count(name)) << name.toStdString() << " never pressed";
        }
    }
}

}  // namespace
}  // namespace tesmarik
