#pragma once

#include "helpers/QvTest.h"
#include "helpers/TestFolder.h"
#include "shell/MDIForm1.h"
#include "training/fSearch.h"

#include <memory>

// The main window over a fresh database in a test folder, with its search window open.
class MainWindowFixture : public QvTest {
protected:
    // The window loads first, because its load points DatabasePath beside the program;
    // the test folder's database then takes its place.
    void OpenMainWindow();
    // Shows the search window listing what a search for the keyword finds.
    void ListSearch(const QString& keyword);
    // Selects a listed row, as a click on it does.
    void Select(int row);
    // Runs a menu command of the main window by its name.
    void Trigger(const char* action);

    TestFolder folder;
    std::unique_ptr<MDIForm1> form;
    fSearch* search = nullptr;
};
