// A fresh window set over a scratch program folder, with scripted dialogs and a desktop opener
// that records what it is asked to open. The test puts its files into `folder` first, then builds.
#pragma once

#include "app/windowset.h"
#include "support/scripteddialogs.h"
#include "support/testutil.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

class WindowSetFixture : public ::testing::Test {
public:
    // Makes the window set over the folder; a second call starts a fresh one (the old one closes first).
    WindowSet& build()
    {
        set.reset();
        set = std::make_unique<WindowSet>(dialogs, opener, folder.path());
        return *set;
    }
    // Builds and shows the main window, as the program starts.
    WindowSet& start()
    {
        build().showMain();
        return *set;
    }

    // Declared first, so that the window set closes before its folder goes.
    QTemporaryDir folder;
    ScriptedDialogs dialogs;
    RecordingOpener opener;
    std::unique_ptr<WindowSet> set;
};
