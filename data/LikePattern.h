#pragma once

#include <QString>
#include <QStringView>
#include <optional>
#include <vector>

// The database's LIKE pattern: `*` any run, `?` one character, `#` one digit 0-9, `[list]`,
// `[!list]` with ranges; a wildcard inside brackets is literal; the whole text must match.
// Comparison is case-insensitive by simple case folding of single UTF-16 code units.
//
// Corner cases: `]` and `!` outside a list, and `-` first (after `!`) or last in a list, match
// themselves; `!` elsewhere in a list is a list member; `[]` matches the empty string and `[!]`
// any one character. A range is a set of code units between its bounds as written; a character
// matches it when it folds like any member, so `[a-z]` also matches "Q" and `[A-Z]` "q".
// An unclosed `[` or a descending range makes the pattern invalid.
class LikePattern {
  public:
    static std::optional<LikePattern> compile(QStringView pattern);  // empty: invalid pattern

    bool matches(QStringView text) const;

    // The literal characters before the first `*`, `?`, `#` or `[`, as written.
    const QString& literalPrefix() const { return literalPrefix_; }
    // The pattern is literalPrefix() followed by one `*` and nothing else.
    bool isPlainPrefix() const { return plainPrefix_; }
    // The longest head of literalPrefix() with no character that has a case variant: every
    // matching text begins with exactly these code units.
    const QString& caselessPrefix() const { return caselessPrefix_; }
    bool literalPrefixIsCaseless() const { return caselessPrefix_.size() == literalPrefix_.size(); }

  private:
    enum class Op : unsigned char { Literal, AnyChar, Digit, InSet, NotInSet, Star };
    struct Interval {
        char16_t low;
        char16_t high;
    };
    struct Element {
        Op op;
        char16_t folded;    // Literal: the folded character
        unsigned setBegin;  // InSet / NotInSet: the set's slice of intervals_
        unsigned setEnd;
        bool exact;  // Literal with no case variant: only that very code unit matches
    };
    class Compiler;

    LikePattern() = default;
    bool elementMatches(const Element& element, char16_t folded) const;

    std::vector<Element> elements_;
    std::vector<Interval> intervals_;  // sorted and merged within each set, folded members only
    QString literalPrefix_;
    bool plainPrefix_ = false;
    QString caselessPrefix_;
};
