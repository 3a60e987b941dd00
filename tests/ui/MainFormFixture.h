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

    ScriptedUiServices ui;
    std::unique_ptr<TMainForm> form;
};
