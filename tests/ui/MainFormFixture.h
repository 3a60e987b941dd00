#pragma once

#include "ScriptedUiServices.h"
#include "app/Unit1.h"

#include <QAction>

#include <gtest/gtest.h>

#include <memory>

// A main window over the scripted services, shown headless.
class MainFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<TMainForm>(ui, '.');
        form->show();
    }

    QAction* action(const char* name) const {
        auto* found = form->findChild<QAction*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    template <class T> T* child(const char* name) const {
        auto* found = form->findChild<T*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    // Changes the document the way a whole replacement does (New, Open and import do that),
    // so the grid follows through its model as it does in the program.
    template <class Change> void changeDocument(Change change) {
        Document d = form->document();
        change(d);
        form->replaceDocument(std::move(d));
    }

    ScriptedUiServices ui;
    std::unique_ptr<TMainForm> form;
};
