#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>
#include <QWidget>
#include <memory>

#include "app/UserActions.h"
#include "app/Window.h"
#include "qt/binding/QtBinding.h"
#include "tests/qt/RecordingPlatform.h"

namespace tesmarik {

// The real window, built as the program builds it, shown on the offscreen platform with
// a recording platform and a temporary folder for files. A modal dialog of Qt's own
// would block the test, so any that appears fails it at once.
class WindowFixture : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        platform.priceFile = folder.filePath("1.csv").toStdString();
        window = std::make_unique<Window>(platform);
        window->Create();
        binding = std::make_unique<QtBinding>(*window);
        binding->TopLevel()->show();
        binding->Act(ActivateWindow);
        QApplication::processEvents();
    }

    void TearDown() override {
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "an unexpected modal dialog";
        binding.reset();
        window.reset();
    }

    template <class W>
    W* Widget(const char* name) {
        auto* widget = qobject_cast<W*>(binding->WidgetOf(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    TForm1& Form() { return window->form; }

    QTemporaryDir folder;
    RecordingPlatform platform;
    std::unique_ptr<Window> window;
    std::unique_ptr<QtBinding> binding;
};

}  // namespace tesmarik
