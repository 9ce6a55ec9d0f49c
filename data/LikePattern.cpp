#include "LikePattern.h"

#include <QChar>
#include <algorithm>
#include <array>
#include <bitset>

namespace {

constexpr std::size_t kCodeUnits = 0x10000;

// Simple case folding of every UTF-16 code unit, looked up once: matching folds each text
// character and must not pay for a Unicode property lookup every time.
struct CaseTable {
    CaseTable() {
        for (std::size_t unit = 0; unit < kCodeUnits; ++unit) {
            const auto c = static_cast<char16_t>(unit);
            const auto folded = static_cast<char16_t>(QChar::toCaseFolded(char32_t(c)));
            fold[unit] = folded;
            if (folded != c) {
                folding.push_back(c);
                variant.set(unit);
                variant.set(folded);
            }
        }
    }

    std::array<char16_t, kCodeUnits> fold{};
    std::vector<char16_t> folding;    // code units that fold to another one, ascending
    std::bitset<kCodeUnits> variant;  // both sides of every such pair
};

const CaseTable& caseTable() {
    static const CaseTable table;
    return table;
}

bool isWildcard(QChar c) {
    return c == u'*' || c == u'?' || c == u'#' || c == u'[';
}

}  // namespace

class LikePattern::Compiler {
  public:
    explicit Compiler(QStringView pattern) : pattern_(pattern), table_(caseTable()) {}

    std::optional<LikePattern> run() {
        while (pos_ < pattern_.size()) {
            const char16_t c = pattern_[pos_++].unicode();
            if (c == u'*') {
                // Adjacent stars match what one star matches.
                if (result_.elements_.empty() || result_.elements_.back().op != Op::Star)
                    push(Op::Star);
            } else if (c == u'?') {
                push(Op::AnyChar);
            } else if (c == u'#') {
                push(Op::Digit);
            } else if (c == u'[') {
                if (!compileList())
                    return std::nullopt;
            } else {
                push(Op::Literal, table_.fold[c]);
            }
        }
        describePrefix();
        return std::move(result_);
    }

  private:
    // Reads a bracketed list; pos_ is just past its `[`.
    bool compileList() {
        const qsizetype size = pattern_.size();
        const bool negated = pos_ < size && pattern_[pos_] == u'!';
        if (negated)
            ++pos_;
        members_.clear();
        for (;;) {
            if (pos_ >= size)
                return false;  // unclosed
            const char16_t low = pattern_[pos_++].unicode();
            if (low == u']')
                break;
            char16_t high = low;
            // A hyphen is a range only with a bound on both sides; first or last it is itself.
            if (pos_ + 1 < size && pattern_[pos_] == u'-' && pattern_[pos_ + 1] != u']') {
                high = pattern_[pos_ + 1].unicode();
                pos_ += 2;
                if (high < low)
                    return false;
            }
            addMembers(low, high);
        }
        if (members_.empty() && !negated)
            return true;  // `[]` stands for the empty string
        addSet(negated ? Op::NotInSet : Op::InSet);
        return true;
    }

    // Records what the code units low..high fold to. A text character is folded before the
    // look-up and a folded character folds to itself, so the range as written plus the
    // foldings of its members that fold elsewhere is exactly the set to test against.
    void addMembers(char16_t low, char16_t high) {
        members_.push_back({low, high});
        const auto& folding = table_.folding;
        for (auto it = std::lower_bound(folding.begin(), folding.end(), low);
             it != folding.end() && *it <= high; ++it) {
            const char16_t folded = table_.fold[*it];
            members_.push_back({folded, folded});
        }
    }

    void addSet(Op op) {
        std::sort(members_.begin(), members_.end(),
                  [](const Interval& a, const Interval& b) { return a.low < b.low; });
        const auto begin = static_cast<unsigned>(result_.intervals_.size());
        for (const Interval& member : members_) {
            auto& merged = result_.intervals_;
            if (merged.size() > begin && member.low <= merged.back().high + 1)
                merged.back().high = std::max(merged.back().high, member.high);
            else
                merged.push_back(member);
        }
        push(op, 0, begin, static_cast<unsigned>(result_.intervals_.size()));
    }

    void push(Op op, char16_t folded = 0, unsigned setBegin = 0, unsigned setEnd = 0) {
        const bool exact = op == Op::Literal && !table_.variant.test(folded);
        result_.elements_.push_back({op, folded, setBegin, setEnd, exact});
    }

    void describePrefix() {
        qsizetype end = 0;
        while (end < pattern_.size() && !isWildcard(pattern_[end]))
            ++end;
        result_.literalPrefix_ = pattern_.first(end).toString();
        result_.plainPrefix_ = end + 1 == pattern_.size() && pattern_[end] == u'*';
        const auto cased = std::find_if(pattern_.begin(), pattern_.begin() + end, [this](QChar c) {
            return table_.variant.test(c.unicode());
        });
        result_.caselessPrefix_ = pattern_.first(cased - pattern_.begin()).toString();
    }

    QStringView pattern_;
    const CaseTable& table_;
    qsizetype pos_ = 0;
    std::vector<Interval> members_;
    LikePattern result_;
};

std::optional<LikePattern> LikePattern::compile(QStringView pattern) {
    return Compiler(pattern).run();
}

bool LikePattern::elementMatches(const Element& element, char16_t folded) const {
    switch (element.op) {
        case Op::Literal:
            return folded == element.folded;
        case Op::AnyChar:
            return true;
        case Op::Digit:
            return folded >= u'0' && folded <= u'9';
        case Op::InSet:
        case Op::NotInSet: {
            bool inSet = false;
            for (unsigned i = element.setBegin; i < element.setEnd && !inSet; ++i)
                inSet = folded >= intervals_[i].low && folded <= intervals_[i].high;
            return inSet == (element.op == Op::InSet);
        }
        case Op::Star:
            break;
    }
    return false;
}

// Star backtracking: every element but a star takes exactly one code unit, so returning to
// the last star is enough and the cost stays within text length times pattern length.
bool LikePattern::matches(QStringView text) const {
    const auto& fold = caseTable().fold;
    const std::size_t count = elements_.size();
    constexpr std::size_t kNoStar = std::size_t(-1);
    std::size_t p = 0;
    std::size_t afterStar = kNoStar;
    qsizetype t = 0;
    qsizetype starText = 0;
    while (t < text.size()) {
        if (p < count && elements_[p].op == Op::Star) {
            if (++p == count)
                return true;  // a trailing star takes the rest
            afterStar = p;
            starText = t;
            continue;
        }
        if (p == afterStar && elements_[p].exact) {
            // The star can only end right before this character: jump to its next occurrence.
            const qsizetype next = text.indexOf(QChar(elements_[p].folded), t);
            if (next < 0)
                return false;
            t = starText = next;
        }
        if (p < count && elementMatches(elements_[p], fold[text[t].unicode()])) {
            ++p;
            ++t;
            continue;
        }
        if (afterStar == kNoStar)
            return false;
        p = afterStar;
        t = ++starText;
    }
    while (p < count && elements_[p].op == Op::Star)
        ++p;
    return p == count;
}
