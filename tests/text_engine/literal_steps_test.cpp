// The fast routines against the steps written out literally, one string
// operation at a time, on many generated lines and parameters. The literal
// versions are slow and obviously right; the routines must agree byte for
// byte, and must fail only with error 5.

#include "text_engine/delete_text.h"
#include "text_engine/line_tools.h"
#include "text_engine/move_text.h"
#include "text_engine/padding.h"

#include <gtest/gtest.h>
#include <random>

namespace fieldizer {
namespace {

// 1-based string functions: start below 1 or negative length fail.
std::string mid(const std::string& s, int start, int length = 1 << 30) {
    if (start < 1 || length < 0)
        throw errors::invalidProcedureCall();
    if (static_cast<std::size_t>(start) > s.size())
        return "";
    return s.substr(static_cast<std::size_t>(start - 1), static_cast<std::size_t>(length));
}
std::string left(const std::string& s, int count) {
    if (count < 0)
        throw errors::invalidProcedureCall();
    return s.substr(0, static_cast<std::size_t>(count));
}
int inStr(int start, const std::string& s, const std::string& what) {
    const auto at = s.find(what, static_cast<std::size_t>(start - 1));
    return at == s.npos ? 0 : static_cast<int>(at) + 1;
}

std::string literalMove(const std::string& line, const MoveParameters& p) {
    int f = 0;
    std::string piece;
    if (p.textToMove == "General Move") {
        f = p.moveFromCol;
        piece = mid(line, f, p.moveNumOfChars);
        if (piece.empty())
            return line;
    } else if (p.textToMove == "Specific Move") {
        f = p.moveFromCol;
        piece = mid(line, f, static_cast<int>(p.moveSpecificText.size()));
        if (piece != p.moveSpecificText)
            return line;
    } else {
        f = inStr(1, line, p.textToMove);
        if (f == 0)
            return line;
        piece = p.textToMove;
    }
    std::string padded = piece;
    if (p.moveOptions == "Add spaces")
        padded = spacesByPlace(p.movePlaceSpaces, p.moveSpaces, piece);
    if (p.textToMove == "Specific Move" && padded.empty())
        return line;
    std::string l1;
    const int t = p.moveToCol;
    if (p.moveEndOfLine)
        l1 = line + padded;
    else if (t > 1)
        l1 = left(line, t - 1) + padded + mid(line, t);
    else
        l1 = padded + mid(line, t); // t of 0 fails here
    int g = f;
    if (!p.moveEndOfLine && f >= t)
        g = f + static_cast<int>(padded.size());
    return left(l1, g - 1) + mid(l1, g + static_cast<int>(piece.size()));
}

std::string literalEnteredDelete(std::string line, const DeleteParameters& p) {
    const std::string spaces(
        p.deleteOptions == "Add spaces" ? static_cast<std::size_t>(p.deleteSpaces) : 0, ' ');
    const int length = static_cast<int>(line.size());
    int position = 1;
    for (int made = 0; made < length; ++made) {
        const int q = inStr(position, line, p.deleteText);
        if (q == 0)
            break;
        line = left(line, q - 1) + spaces + mid(line, q + static_cast<int>(p.deleteText.size()));
        position = q;
    }
    return line;
}

// Join Lines and Create Line, one position at a time.
std::string literalJoin(const std::string& text, bool keepParagraphs) {
    auto at = [&](std::size_t i) { return i >= 1 && i <= text.size() ? text[i - 1] : '\0'; };
    std::string out;
    for (std::size_t i = 1; i <= text.size(); ++i) {
        const char c = at(i);
        std::string p;
        if (c == '\r')
            p = keepParagraphs && at(i + 2) == '\r' ? "\r\n" : "";
        else if (c == '\n')
            p = keepParagraphs && (at(i + 1) == '\r' || at(i + 2) == '\n') ? "\r\n" : "";
        else
            p = std::string(1, c);
        if (i > 1 && at(i - 1) == '\r') {
            if (at(i + 3) == ' ')
                p.erase(0,
                        p.find_first_not_of(' ') == p.npos ? p.size() : p.find_first_not_of(' '));
        } else if (p.empty() && out.empty()) {
            p = "\r\n";
        }
        out += p;
    }
    return out;
}

std::string literalBreak(const std::string& text, std::size_t n) {
    auto at = [&](std::size_t i) { return i >= 1 && i <= text.size() ? text[i - 1] : '\0'; };
    const std::size_t length = text.size();
    std::string out;
    std::size_t i = 1, k = 0;
    while (i <= length) {
        std::string piece;
        for (std::size_t j = 0; j < n; ++j) {
            ++k;
            const char c = at(i);
            if (c == '\r') {
                if (at(i + 2) == '\r') {
                    i += 2;
                    break;
                }
                if (i + 1 < length) {
                    if (at(i + 1) == '\n') {
                        i += 1;
                        break;
                    }
                    piece += ' ';
                }
            } else if (c == '\n') {
                if (at(i + 1) == '\r' || at(i + 2) == '\n') {
                    i += 3;
                    break;
                }
                if (at(k) != ' ' && i + 1 < length)
                    piece += ' ';
            } else if (i <= length) {
                piece += c;
            }
            ++i;
        }
        out += piece;
        if (i - 1 < length)
            out += "\r\n";
    }
    return out;
}

class Generator {
  public:
    std::string text(std::size_t maxLength, std::string_view alphabet) {
        std::string s(pick(maxLength + 1), ' ');
        for (auto& c : s)
            c = alphabet[pick(alphabet.size())];
        return s;
    }
    int number(int max) { return static_cast<int>(pick(static_cast<std::size_t>(max) + 1)); }
    std::size_t pick(std::size_t bound) {
        return std::uniform_int_distribution<std::size_t>(0, bound - 1)(random_);
    }

  private:
    std::mt19937 random_{20240607};
};

// The outcome of a call: its result, or "#5" for error 5.
template <class Call> std::string outcome(Call call) {
    try {
        return call();
    } catch (const RuntimeError& error) {
        return "#" + std::to_string(error.number());
    }
}

TEST(LiteralSteps, MoveAgreesOnGeneratedLines) {
    Generator g;
    const char* modes[] = {"General Move", "Specific Move", "", "ab"};
    const char* places[] = {"Both sides", "Left side", "Right side", "Other"};
    for (int round = 0; round < 20000; ++round) {
        MoveParameters p;
        p.textToMove = modes[g.pick(4)];
        if (p.textToMove.empty())
            p.textToMove = g.text(3, "ab ");
        if (p.textToMove.empty())
            p.textToMove = "b";
        p.moveSpecificText = g.text(3, "ab");
        p.moveFromCol = g.number(9);
        p.moveNumOfChars = g.number(5);
        p.moveToCol = g.number(12);
        p.moveEndOfLine = g.pick(4) == 0;
        p.moveOptions = g.pick(2) ? "Add spaces" : "Omit spaces";
        p.moveSpaces = g.number(2);
        p.movePlaceSpaces = places[g.pick(4)];
        const std::string line = g.text(10, "abc \n");
        if (line.empty())
            continue;
        const std::string expected = outcome([&] { return literalMove(line, p); });
        const std::string actual = outcome([&] {
            std::string out;
            moveLine(line, p, out);
            return out;
        });
        ASSERT_EQ(actual, expected)
            << "line '" << line << "' mode '" << p.textToMove << "' from " << p.moveFromCol << " n "
            << p.moveNumOfChars << " to " << p.moveToCol;
    }
}

TEST(LiteralSteps, TypedDeleteAgreesOnGeneratedLines) {
    Generator g;
    for (int round = 0; round < 20000; ++round) {
        DeleteParameters p;
        p.deleteText = g.text(3, "a ");
        if (p.deleteText.empty())
            p.deleteText = "a";
        p.deleteOptions = g.pick(3) ? "Add spaces" : "Omit spaces";
        p.deleteSpaces = g.number(3);
        const std::string line = g.text(12, "ab ");
        std::string actual;
        enteredDelete(line, p, actual);
        ASSERT_EQ(actual, literalEnteredDelete(line, p))
            << "line '" << line << "' text '" << p.deleteText << "' spaces " << p.deleteSpaces;
    }
}

TEST(LiteralSteps, LineToolsAgreeOnGeneratedTexts) {
    Generator g;
    PassObserver observer;
    for (int round = 0; round < 20000; ++round) {
        const std::string text = g.text(16, "ab \r\n\r\n");
        if (text.empty())
            continue;
        ASSERT_EQ(joinParagraphLines(text, observer).text, literalJoin(text, true));
        ASSERT_EQ(createLine(text, observer).text, literalJoin(text, false));
        const int n = 1 + g.number(6);
        ASSERT_EQ(breakIntoLines(text, n, observer).text,
                  literalBreak(text, static_cast<std::size_t>(n)))
            << "N " << n;
    }
}

} // namespace
} // namespace fieldizer
