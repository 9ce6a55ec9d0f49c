#pragma once

#include <QRect>
#include <QWidget>
#include <array>
#include <vector>

// How a control follows its parent's extra length along one direction, in parts of it: it
// moves by the first `before` parts and grows by the next `own` parts, of `parts` in all. A
// control that keeps its size beyond the designed length follows only a shortfall.
struct Share {
    int before = 0;
    int own = 0;
    int parts = 1;
    bool shortfallOnly = false;
};
inline constexpr Share kStays{};
inline constexpr Share kMoves{1, 0, 1};
inline constexpr Share kGrows{0, 1, 1};

// The main window's client area. At its designed size every control stands where it was made;
// larger or smaller, the followed controls move and grow by their shares of their parents'
// extra size. The extra height goes to rows of frames, in equal parts beyond what each row
// needs: a row needs room for the least height of its panes.
class ClientArea : public QWidget {
  public:
    static constexpr std::size_t kRows = 3;

    // Smaller than designed by at most `shortfall`.
    ClientArea(QSize designed, QSize shortfall, QWidget* parent);

    // Follows `widget` from its geometry now, its designed one; a parent before its children.
    void follow(QWidget* widget, Share horizontal, Share vertical);
    // Follows a frame of one row: it moves down by the rows above it and grows by its own.
    void followInRow(QWidget* frame, Share horizontal, std::size_t row);
    // Keeps `pane` at least `height` high, taking the room from the window's other rows or,
    // when they have none, by growing the window.
    void keepHeight(QWidget* pane, int height);

    QSize sizeHint() const override { return designed_; }

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    struct Follower {
        QWidget* widget;
        QRect designed;
        Share horizontal, vertical;
        std::size_t row;  // of a frame in a row, else kNoRow
    };

    static constexpr std::size_t kNoRow = kRows;

    const Follower* followerOf(const QWidget* widget) const;
    std::array<int, kRows> rowGrowths() const;
    void updateLeastSize();
    void place();

    QSize designed_;
    QSize shortfall_;
    std::vector<Follower> followers_;
    std::vector<std::pair<QWidget*, int>> keptHeights_;
    std::array<int, kRows> leastGrowth_{};
};
