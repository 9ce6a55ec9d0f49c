#include "ClientArea.h"

#include <algorithm>
#include <numeric>

namespace {

// Where a span of `designedLength` at `designedStart` lies once its parent has `extra` more.
std::pair<int, int> spanAfter(int designedStart, int designedLength, int extra,
                              const Share& share) {
    if (share.shortfallOnly)
        extra = std::min(extra, 0);
    const int move = extra * share.before / share.parts;
    const int end = extra * (share.before + share.own) / share.parts;
    return {designedStart + move, designedLength + end - move};
}

}  // namespace

ClientArea::ClientArea(QSize designed, QSize shortfall, QWidget* parent)
    : QWidget(parent), designed_(designed), shortfall_(shortfall) {
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    updateLeastSize();
}

void ClientArea::follow(QWidget* widget, Share horizontal, Share vertical) {
    followers_.push_back({widget, widget->geometry(), horizontal, vertical, kNoRow});
}

void ClientArea::followInRow(QWidget* frame, Share horizontal, std::size_t row) {
    followers_.push_back({frame, frame->geometry(), horizontal, kStays, row});
}

void ClientArea::keepHeight(QWidget* pane, int height) {
    auto kept = std::find_if(keptHeights_.begin(), keptHeights_.end(),
                             [pane](const auto& entry) { return entry.first == pane; });
    if (kept == keptHeights_.end())
        keptHeights_.emplace_back(pane, height);
    else if (kept->second == height)
        return;
    else
        kept->second = height;
    updateLeastSize();
    place();
}

const ClientArea::Follower* ClientArea::followerOf(const QWidget* widget) const {
    auto found = std::find_if(followers_.begin(), followers_.end(),
                              [widget](const Follower& f) { return f.widget == widget; });
    return found == followers_.end() ? nullptr : &*found;
}

void ClientArea::updateLeastSize() {
    leastGrowth_.fill(-shortfall_.height() / int(kRows));
    for (const auto& [pane, height] : keptHeights_) {
        const Follower* kept = followerOf(pane);
        const Follower* frame = followerOf(pane->parentWidget());
        if (kept && frame && frame->row != kNoRow)
            leastGrowth_[frame->row] =
                std::max(leastGrowth_[frame->row], height - kept->designed.height());
    }
    const int leastHeight =
        designed_.height() + std::accumulate(leastGrowth_.begin(), leastGrowth_.end(), 0);
    setMinimumSize(designed_.width() - shortfall_.width(), leastHeight);
}

std::array<int, ClientArea::kRows> ClientArea::rowGrowths() const {
    const int least = std::accumulate(leastGrowth_.begin(), leastGrowth_.end(), 0);
    const int spare = std::max(0, height() - designed_.height() - least);
    std::array<int, kRows> growths = leastGrowth_;
    const int rows = int(kRows);
    for (int row = 0; row < rows; ++row)
        growths[std::size_t(row)] += spare * (row + 1) / rows - spare * row / rows;
    return growths;
}

void ClientArea::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    place();
}

void ClientArea::place() {
    const std::array<int, kRows> growths = rowGrowths();
    const QSize extra = size() - designed_;
    for (const Follower& f : followers_) {
        QSize parentExtra = extra;
        if (const Follower* parent = followerOf(f.widget->parentWidget()))
            parentExtra = f.widget->parentWidget()->size() - parent->designed.size();
        const auto [x, width] =
            spanAfter(f.designed.x(), f.designed.width(), parentExtra.width(), f.horizontal);
        if (f.row == kNoRow) {
            const auto [y, height] =
                spanAfter(f.designed.y(), f.designed.height(), parentExtra.height(), f.vertical);
            f.widget->setGeometry(x, y, width, height);
        } else {
            const int above =
                std::accumulate(growths.begin(), growths.begin() + std::ptrdiff_t(f.row), 0);
            f.widget->setGeometry(x, f.designed.y() + above, width,
                                  f.designed.height() + growths[f.row]);
        }
    }
}
