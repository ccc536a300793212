#pragma once

#include <QStringList>

// One family of qvledger-admin's commands: its first argument and what runs it.
struct CommandFamily {
    const char* name;
    // The lines of the usage text for the family.
    const char* usage;
    // Runs the arguments after the family's name; returns the exit code.
    int (*run)(const QStringList& arguments);
};

// The exit code of a command that could not run: wrong arguments, an unreadable file.
inline constexpr int kCannotRun = 3;
