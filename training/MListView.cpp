#include "training/MListView.h"

#include "training/SearchListModel.h"

#include <QHeaderView>
#include <QStyle>
#include <QTreeView>
#include <algorithm>
#include <cmath>
#include <vector>

namespace MListView {
namespace {
// Text widths from the list's font: a cached advance per character to find each
// column's widest cell quickly, then that cell measured as the font shapes it.
class CellMeter {
public:
    // Laid-out text is measured in fractions of a pixel: a little room keeps it unelided.
    static constexpr int kSpare = 4;

    explicit CellMeter(const QTreeView& list)
        : metrics_(list.font()), advances_(0x10000, -1),
          margin_(2 *
                  (list.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &list) + 1)) {}

    void See(int column, QStringView text) {
        if (column < 0 || column >= static_cast<int>(widest_.size())) {
            return;
        }
        const int estimate = estimate_(text);
        Widest& w = widest_[static_cast<size_t>(column)];
        if (estimate > w.estimate) {
            w.estimate = estimate;
            w.text = text.toString();
        }
    }

    void Columns(int count) { widest_.assign(static_cast<size_t>(count), Widest()); }

    // 0 for a column without any cell.
    int Width(int column) const {
        const Widest& w = widest_[static_cast<size_t>(column)];
        if (w.estimate < 0) {
            return 0;
        }
        int widest = 0;
        for (const QString& line : w.text.split(u'\n')) {
            widest =
                std::max(widest, static_cast<int>(std::ceil(metrics_.horizontalAdvance(line))));
        }
        return widest + margin_;
    }

private:
    struct Widest {
        int estimate = -1;
        QString text;
    };

    int estimate_(QStringView text) {
        int line = 0;
        int widest = 0;
        for (const QChar c : text) {
            if (c == u'\n') {
                widest = std::max(widest, line);
                line = 0;
                continue;
            }
            short& advance = advances_[c.unicode()];
            if (advance < 0) {
                advance = static_cast<short>(std::ceil(metrics_.horizontalAdvance(c)));
            }
            line += advance;
        }
        return std::max(widest, line);
    }

    QFontMetricsF metrics_;
    std::vector<short> advances_;
    int margin_;
    std::vector<Widest> widest_;
};

bool isDetailsList(const QTreeView& list) {
    return !list.isHeaderHidden() && list.model();
}

int columnCount(const QTreeView& list) {
    return list.model()->columnCount();
}

// The widest cell of every column, in one pass over the rows.
std::vector<int> contentWidths(const QTreeView& list) {
    const int columns = columnCount(list);
    CellMeter meter(list);
    meter.Columns(columns);
    if (const auto* fast = dynamic_cast<const SearchListModel*>(list.model())) {
        fast->ForEachCell([&meter](int column, QStringView text) { meter.See(column, text); });
    } else {
        const QAbstractItemModel* model = list.model();
        for (int row = 0; row < model->rowCount(); ++row) {
            for (int column = 0; column < columns; ++column) {
                meter.See(column, model->index(row, column).data().toString());
            }
        }
    }
    std::vector<int> widths;
    for (int column = 0; column < columns; ++column) {
        widths.push_back(meter.Width(column));
    }
    return widths;
}

void apply(QTreeView& list, int column, int width, const std::vector<int>& contents) {
    if (!isDetailsList(list) || column < 1 || column > columnCount(list)) {
        return;
    }
    const int logical = column - 1;
    QHeaderView* header = list.header();
    if (width >= 0) {
        header->resizeSection(logical, width);
        return;
    }
    if (width != LVSCW_AUTOSIZE && width != LVSCW_AUTOSIZE_USEHEADER) {
        return;
    }
    int fitted = contents[static_cast<size_t>(logical)];
    if (width == LVSCW_AUTOSIZE_USEHEADER) {
        fitted = std::max(fitted, header->sectionSizeHint(logical) + CellMeter::kSpare);
        if (column == columnCount(list)) {
            int others = 0;
            for (int c = 0; c < logical; ++c) {
                others += header->sectionSize(c);
            }
            fitted = std::max(fitted, list.viewport()->width() - others);
        }
    }
    header->resizeSection(logical, std::max(fitted, header->minimumSectionSize()));
}
} // namespace

void SetColumnWidth(QTreeView& list, int column, int width) {
    if (!isDetailsList(list) || column < 1 || column > columnCount(list)) {
        return;
    }
    apply(list, column, width, width < 0 ? contentWidths(list) : std::vector<int>());
}

void SetAllColumnWidths(QTreeView& list, int width) {
    if (!isDetailsList(list)) {
        return;
    }
    const std::vector<int> contents = width < 0 ? contentWidths(list) : std::vector<int>();
    for (int column = 1; column <= columnCount(list); ++column) {
        apply(list, column, width, contents);
    }
}

} // namespace MListView
