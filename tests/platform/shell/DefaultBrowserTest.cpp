#include "platform/shell/DefaultBrowser.h"

#include <gtest/gtest.h>

namespace {
TEST(DefaultHttpHandlers, ListsTheDefaultsOfEachFileInOrderOnce) {
    const QStringList handlers = Shell::DefaultHttpHandlers({
        "[Added Associations]\n"
        "x-scheme-handler/http=vim.desktop;\n"
        "[Default Applications]\n"
        "text/html=chromium.desktop\n"
        "x-scheme-handler/http=firefox-esr.desktop;chromium.desktop;\n",
        "",
        "[Default Applications]\n"
        "x-scheme-handler/http = chromium.desktop ; google-chrome.desktop\n",
    });
    EXPECT_EQ(handlers,
              QStringList({"firefox-esr.desktop", "chromium.desktop", "google-chrome.desktop"}));
}

TEST(NewWindowCommand, AsksKnownBrowsersForANewWindow) {
    const QString url = QStringLiteral("http://www.quorvane.example/");
    struct Case {
        const char* entry;
        std::optional<QStringList> command;
    };
    const std::vector<Case> cases = {
        {"[Desktop Entry]\nName=Firefox ESR\nExec=/usr/lib/firefox-esr/firefox-esr %u\n",
         QStringList{"/usr/lib/firefox-esr/firefox-esr", "--new-window", "--", url}},
        {"[Desktop Entry]\nExec=chromium %U\n[Desktop Action new-window]\nExec=other\n",
         QStringList{"chromium", "--new-window", "--", url}},
        {"[Desktop Entry]\nExec=\"/opt/google/chrome/google-chrome\" %U\n",
         QStringList{"/opt/google/chrome/google-chrome", "--new-window", "--", url}},
        {"[Desktop Action new-window]\nExec=firefox --new-window\n[Desktop Entry]\nExec=vim\n",
         std::nullopt},
        {"[Desktop Entry]\nExec=epiphany %U\n", std::nullopt},
        {"[Desktop Entry]\nExec=env MOZ_X11=1 firefox %u\n", std::nullopt},
        {"[Desktop Entry]\nName=No command\n", std::nullopt},
        {"", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Shell::NewWindowCommand(c.entry, url), c.command) << c.entry;
    }
}
} // namespace
