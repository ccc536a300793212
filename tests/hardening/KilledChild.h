#pragma once

#include <QString>
#include <QStringList>

// Starts the program with the arguments, waits until it says "started", lets it run for
// the given time and kills it (SIGKILL) if it is still running. True when it was killed.
bool KillAfter(const QString& program, const QStringList& arguments, int milliseconds,
               const QStringList& environment = {});
