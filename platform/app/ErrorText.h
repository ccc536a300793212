#pragma once

#include <QString>

// How a failure is put into words for the user: the cause in Chinese comes first, the
// engine's or the system's own words (often English) only after it, as a detail.
namespace ErrorText {

// The cause, then the detail on a line of its own; the cause alone when there is no detail.
QString WithDetail(const QString& cause, const QString& detail);

// Why writing a file failed, from the system's error number (errno).
QString WriteFailure(int systemError);

} // namespace ErrorText
