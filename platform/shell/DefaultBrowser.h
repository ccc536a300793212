#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// Which browser opens web addresses on this desktop, and how to ask it for a new window.
namespace Shell {

// The desktop entries listed for http addresses under [Default Applications] in
// mimeapps.list texts, the most important file first ("firefox-esr.desktop", ...).
QStringList DefaultHttpHandlers(const QList<QByteArray>& mimeappsFiles);

// The text of the default browser's desktop entry file; empty when there is none.
QByteArray DefaultBrowserDesktopEntry();

// The program and arguments that open the address in a new window of the browser that the
// desktop entry starts, the address after "--"; nullopt when it is not a browser known to take --new-window.
std::optional<QStringList> NewWindowCommand(const QByteArray& desktopEntry, const QString& url);

} // namespace Shell
