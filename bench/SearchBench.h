#pragma once

#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <optional>

namespace Bench {

struct SearchOptions {
    QString db;
    QString column = QStringLiteral("[全部栏目]");
    bool exact = false;
    QString from;
    QString to;
    QStringList keywords;
    int repeat = 5;
    bool compareWithCli = false;
};

// Runs the search window's own search offscreen and returns the figures.
QJsonObject RunSearch(const SearchOptions& options);

} // namespace Bench
