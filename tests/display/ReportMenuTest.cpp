// The context menu of the reports on the real display: the program's own Russian menu in
// place of the desktop's, the clipboard of the X server, and the print dialog, or with no
// printer installed the PDF offered in its place.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QTextCursor>

#include "tests/display/RealWindow.h"
#include "tests/display/Steps.h"

namespace tesmarik {
namespace {

class ReportMenu : public RealWindowWithPrices {
protected:
    // The open popup menu, or none.
    static QMenu* OpenMenu() { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); }

    static QStringList Captions(XUser& user) {
        return user.OnGui([] {
            QStringList captions;
            if (QMenu* menu = OpenMenu()) {
                for (const QAction* action : menu->actions()) {
                    captions << action->text();
                }
            }
            return captions;
        });
    }

    // Opens the report's menu with the right mouse button and clicks the item.
    void Choose(XUser& user, const char* report, const QString& caption) {
        user.RightClick(user.OnGui([&] { return W(report); }), QPoint(40, 20));
        ASSERT_TRUE(user.WaitFor([] { return OpenMenu() != nullptr; })) << report;
        const QPoint at = user.OnGui([&] {
            for (QAction* action : OpenMenu()->actions()) {
                if (action->text() == caption) {
                    return OpenMenu()->actionGeometry(action).center();
                }
            }
            return QPoint(-1, -1);
        });
        ASSERT_NE(at, QPoint(-1, -1)) << caption.toStdString();
        user.Click(user.OnGui([] { return static_cast<QWidget*>(OpenMenu()); }), at);
        ASSERT_TRUE(user.WaitFor([] { return OpenMenu() == nullptr; }));
    }

    // A tab's report shown: the tab in front, its example computed, the report's button.
    void ShowReport(XUser& user, int tab, const std::function<void(Window&)>& compute,
                    const char* memo) {
        ClickTab(user, tab);
        Act(user, compute);
        ASSERT_TRUE(user.WaitFor([&] { return W(memo)->isVisible(); }));
    }

    void ShowLoadingReport(XUser& user) {
        ShowReport(
            user, 1,
            [](Window& w) {
                ChooseLoadingPipe(w);
                ClickControl(w, w.form.Button2);
                ClickControl(w, w.form.BitBtn2);
            },
            "Memo3");
    }

    void ShowWorkedExampleLog(XUser& user) {
        ShowReport(
            user, 0,
            [](Window& w) {
                ChooseWorkedExample(w);
                ClickControl(w, w.form.Button1);
                ClickControl(w, w.form.BitBtn4);
            },
            "Memo4");
    }
};

// A right click on the log opens the program's four Russian items, not the desktop's
// English menu of an edit field; "Выделить всё" selects the whole log on screen and
// "Копировать" puts it on the X server's clipboard, lines ended by line feeds.
TEST_F(ReportMenu, SelectAllThenCopyPutsTheLogOnTheClipboard) {
    RunAsUser([&](XUser& user) {
        ShowWorkedExampleLog(user);
        user.RightClick(user.OnGui([&] { return W("Memo4"); }), QPoint(40, 20));
        ASSERT_TRUE(user.WaitFor([] { return OpenMenu() != nullptr; }));
        EXPECT_EQ(Captions(user),
                  QStringList({"Копировать", "Выделить всё", "Печать…", "Сохранить в PDF…"}));
        user.Key("Escape");
        ASSERT_TRUE(user.WaitFor([] { return OpenMenu() == nullptr; }));

        Choose(user, "Memo4", "Выделить всё");
        const QString shown =
            user.OnGui([&] { return static_cast<QPlainTextEdit*>(W("Memo4"))->toPlainText(); });
        EXPECT_TRUE(user.WaitFor([&] {
            return static_cast<QPlainTextEdit*>(W("Memo4"))->textCursor().selectedText().size() ==
                   shown.size();
        }));
        user.OnGui([] { QGuiApplication::clipboard()->clear(); });
        Choose(user, "Memo4", "Копировать");
        const QString expected =
            user.OnGui([&] { return QString::fromStdString(Model().form.Memo4.ShownText()); });
        EXPECT_TRUE(expected.startsWith("Расчёт выполнен: для трубы диамм. 530 x 8\nМасса "));
        EXPECT_TRUE(user.WaitFor([&] {
            return QGuiApplication::clipboard()->ownsClipboard() &&
                   QGuiApplication::clipboard()->text() == expected;
        })) << user.OnGui([] { return QGuiApplication::clipboard()->text().toStdString(); });
    });
}

// A selection the user makes with the mouse is what "Копировать" copies.
TEST_F(ReportMenu, CopyTakesTheUsersSelection) {
    RunAsUser([&](XUser& user) {
        ShowWorkedExampleLog(user);
        user.OnGui([&] {
            auto* edit = static_cast<QPlainTextEdit*>(W("Memo4"));
            QTextCursor cursor = edit->textCursor();
            cursor.setPosition(0);
            cursor.setPosition(8, QTextCursor::KeepAnchor);
            edit->setTextCursor(cursor);
        });
        EXPECT_EQ(user.OnGui([&] { return Model().form.Memo4.SelectedText(); }), "Расчёт в");
        Choose(user, "Memo4", "Копировать");
        EXPECT_TRUE(
            user.WaitFor([] { return QGuiApplication::clipboard()->text() == "Расчёт в"; }));
    });
}

// "Печать…" opens Qt's print dialog in Russian over the window; Esc cancels it, and
// nothing else is shown.
TEST_F(ReportMenu, ThePrintDialogOpensInRussianAndEscCancelsIt) {
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        GTEST_SKIP() << "no printer is installed: the PDF is offered instead";
    }
    RunAsUser([&](XUser& user) {
        ShowLoadingReport(user);
        const auto before = Dialogs(user).size();
        Choose(user, "Memo3", "Печать…");
        ASSERT_TRUE(user.WaitFor([] { return OpenDialog() != nullptr; }));
        EXPECT_EQ(user.OnGui([] { return OpenDialog()->windowTitle(); }), "Печать");
        const QStringList buttons = user.OnGui([] {
            QStringList texts;
            for (const QAbstractButton* b : OpenDialog()->findChildren<QAbstractButton*>()) {
                texts << b->text();
            }
            return texts;
        });
        EXPECT_TRUE(buttons.contains("Отмена")) << buttons.join('|').toStdString();
        user.Key("Escape");
        EXPECT_TRUE(user.WaitFor([] { return OpenDialog() == nullptr; }));
        user.Settle(300);
        EXPECT_EQ(Dialogs(user).size(), before);
    });
}

// With no printer installed, "Печать…" says so and offers "Сохранить в PDF…", which saves
// the report through the save dialog; "Отмена" there ends it with nothing written.
TEST_F(ReportMenu, WithNoPrinterThePdfIsOfferedInstead) {
    if (!QPrinterInfo::availablePrinterNames().isEmpty()) {
        GTEST_SKIP() << "a printer is installed: the print dialog opens";
    }
    ASSERT_TRUE(QDir(home_.path()).mkpath("Documents"));
    RunAsUser([&](XUser& user) {
        ShowLoadingReport(user);
        for (const bool save : {false, true}) {
            Choose(user, "Memo3", "Печать…");
            ASSERT_TRUE(WaitForMessageBox(user));
            const auto [text, buttons] = user.OnGui([] {
                auto* box = qobject_cast<QMessageBox*>(OpenDialog());
                QStringList captions;
                for (const QAbstractButton* button : box->buttons()) {
                    captions << button->text();
                }
                captions.sort();
                return std::make_pair(box->text(), captions);
            });
            EXPECT_TRUE(text.startsWith("На этом компьютере не установлен ни один принтер."))
                << text.toStdString();
            EXPECT_EQ(buttons, QStringList({"Отмена", "Сохранить в PDF…"}));
            if (!save) {
                user.Key("Escape");
                ASSERT_TRUE(user.WaitFor([] { return OpenDialog() == nullptr; }));
                continue;
            }
            // "Сохранить в PDF…" is the default button.
            user.Key("Return");
            ASSERT_TRUE(
                user.WaitFor([] { return qobject_cast<QFileDialog*>(OpenDialog()) != nullptr; }));
            user.Settle(300);
            user.Type("loading");
            user.Key("Return");
            ASSERT_TRUE(user.WaitFor([] { return OpenDialog() == nullptr; }));
        }
        QFile pdf(home_.path() + "/Documents/loading.pdf");
        ASSERT_TRUE(pdf.open(QIODevice::ReadOnly)) << pdf.fileName().toStdString();
        EXPECT_TRUE(pdf.read(5) == "%PDF-");
        EXPECT_EQ(QDir(home_.path() + "/Documents").entryList(QDir::Files).size(), 1);
    });
}

// The report the user may edit (the loading report) offers the desktop's own edit items
// too, in Russian, beside the program's four; the read-only log offers the four alone.
// The paste item pastes.
TEST_F(ReportMenu, TheEditableReportAlsoHasTheDesktopsEditItems) {
    RunAsUser([&](XUser& user) {
        ClickTab(user, 1);
        Act(user, [](Window& w) {
            ChooseLoadingPipe(w);
            ClickControl(w, w.form.Button2);
            ClickControl(w, w.form.BitBtn2);
        });
        ASSERT_TRUE(user.WaitFor([&] { return W("Memo3")->isVisible(); }));
        user.Click(user.OnGui([&] { return W("Memo3"); }), QPoint(40, 20));
        user.Key("End", "Control_L");
        user.OnGui([] { QGuiApplication::clipboard()->setText("вставка"); });
        user.RightClick(user.OnGui([&] { return W("Memo3"); }), QPoint(40, 20));
        ASSERT_TRUE(user.WaitFor([] { return OpenMenu() != nullptr; }));
        const QStringList captions = Captions(user);
        ASSERT_GE(captions.size(), 8) << captions.join("|").toStdString();
        EXPECT_EQ(captions.mid(0, 4),
                  QStringList({"Копировать", "Выделить всё", "Печать…", "Сохранить в PDF…"}));
        QString pasteCaption;
        for (const QString& caption : captions.mid(4)) {
            // Russian: no Latin letter (a shortcut such as Ctrl+V aside).
            const QString words = caption.section('\t', 0, 0);
            EXPECT_FALSE(words.contains(QRegularExpression("[A-Za-z]"))) << caption.toStdString();
            if (QString(words).remove('&') == "Вставить") {
                pasteCaption = caption;
            }
        }
        for (const char* item : {"Отменить действие", "Вырезать", "Вставить", "Удалить"}) {
            EXPECT_TRUE(captions.join("|").remove('&').contains(QString::fromUtf8(item)))
                << item << " in " << captions.join("|").toStdString();
        }
        user.Key("Escape");
        ASSERT_TRUE(user.WaitFor([] { return OpenMenu() == nullptr; }));

        ASSERT_FALSE(pasteCaption.isEmpty());
        Choose(user, "Memo3", pasteCaption);
        EXPECT_TRUE(user.WaitFor([&] {
            return QString::fromStdString(Model().form.Memo3.ShownText()).endsWith("вставка");
        })) << user.OnGui([&] { return Model().form.Memo3.ShownText(); });

        ClickTab(user, 0);
        Act(user, [](Window& w) {
            ChooseWorkedExample(w);
            ClickControl(w, w.form.Button1);
            ClickControl(w, w.form.BitBtn4);
        });
        user.RightClick(user.OnGui([&] { return W("Memo4"); }), QPoint(40, 20));
        ASSERT_TRUE(user.WaitFor([] { return OpenMenu() != nullptr; }));
        EXPECT_EQ(Captions(user).size(), 4) << "the read-only log";
        user.Key("Escape");
    });
}

}  // namespace
}  // namespace tesmarik
