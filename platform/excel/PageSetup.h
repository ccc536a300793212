#pragma once

#include <QString>

namespace excel {

inline constexpr int xlPortrait = 1;
inline constexpr int xlLandscape = 2;
inline constexpr int xlPaperA4 = 9;

// How a sheet prints, shaped after Excel's PageSetup. Margins are in points, as Excel
// takes them; a page count of 0 stands for Excel's False ("as many as needed").
struct PageSetup {
    int orientation = xlPortrait;
    int paperSize = xlPaperA4;
    // Fitting to pages takes the place of a zoom when either count is set.
    bool fitToPages = false;
    int fitToPagesWide = 1;
    int fitToPagesTall = 1;
    // Rows repeated at the top of every page, numbered from 1; 0 for none.
    int printTitleFirstRow = 0;
    int printTitleLastRow = 0;
    double leftMargin = 0.7 * 72;
    double rightMargin = 0.7 * 72;
    double topMargin = 0.75 * 72;
    double bottomMargin = 0.75 * 72;
    double headerMargin = 0.3 * 72;
    double footerMargin = 0.3 * 72;
    bool centerHorizontally = false;
    // Excel's codes: &P the page, &N the page count.
    QString centerFooter;

    bool HasPrintTitles() const { return printTitleFirstRow > 0; }
};

} // namespace excel
