#include <gtest/gtest.h>

#include <clocale>
#include <sstream>

#include "files/gridfile.h"
#include "support/fixture.h"

using namespace ninebox;
using namespace ninebox::testing;

namespace {

constexpr const char* kSolution =
    "534678912672195348198342567859761423426853791713924856961537284287419635345286179";

// The 81 fields of a grid text, joined by sep.
std::string joined(const std::vector<std::string>& fields, const std::string& sep) {
    std::string text;
    for (std::size_t i = 0; i < fields.size(); ++i) text += (i ? sep : "") + fields[i];
    return text;
}
std::vector<std::string> solutionFields() {
    std::vector<std::string> fields;
    for (const char* c = kSolution; *c; ++c) fields.emplace_back(1, *c);
    return fields;
}
// Nine lines of the solution, each line's fields joined by sep and ended by end.
std::string solutionLines(const std::string& sep, const std::string& end) {
    const auto all = solutionFields();
    std::string text;
    for (std::size_t y = 0; y < 9; ++y)
        text += joined({all.begin() + 9 * y, all.begin() + 9 * y + 9}, sep) + end;
    return text;
}
// 81 fields of "1" with field n (1-based) replaced, comma-separated.
std::string withField(std::size_t n, const std::string& field) {
    std::vector<std::string> fields(81, "1");
    fields[n - 1] = field;
    return joined(fields, ",");
}

std::optional<Grid> read(const std::string& text) {
    std::istringstream in(text);
    return readgrid(in);
}

// Serves its text one character per refill and counts how many it was asked for, so a test
// sees exactly how far the reader looked.
class CountingBuf : public std::streambuf {
public:
    explicit CountingBuf(std::string text) : text_(std::move(text)) {}
    std::size_t served = 0;

protected:
    int_type underflow() override {
        if (served == text_.size()) return traits_type::eof();
        ch_ = text_[served++];
        setg(&ch_, &ch_, &ch_ + 1);
        return traits_type::to_int_type(ch_);
    }

private:
    std::string text_;
    char ch_ = 0;
};

}  // namespace

TEST(gridfile, AnsnameTakesTheFirstDotOfTheFileNameNotOfItsFolder) {
    for (const auto& [path, ans] : std::vector<std::pair<std::string, std::string>>{
             {"/games/hard1.sud", "/games/hard1.ans"},
             {"hard1.sud", "hard1.ans"},
             {"/games/hard1", "/games/hard1.ans"},
             {"hard1", "hard1.ans"},
             {"/home/jane.doe/hard1.sud", "/home/jane.doe/hard1.ans"},
             {"/home/jane.doe/hard1", "/home/jane.doe/hard1.ans"},
             {"~/.local/x", "~/.local/x.ans"},
             {"/games/hard.1.sud", "/games/hard.ans"},
             {"/games/hard1.", "/games/hard1.ans"},
             {"/games/.hidden", "/games/.ans"},
         }) {
        EXPECT_EQ(ansname(path), ans) << path;
    }
}

TEST(gridfile, WritegridNineCommaLinesEachEndedByCrLf) {
    const std::string text = writegrid(gridFrom(kSolution));
    EXPECT_EQ(text,
              "5,3,4,6,7,8,9,1,2\r\n6,7,2,1,9,5,3,4,8\r\n1,9,8,3,4,2,5,6,7\r\n"
              "8,5,9,7,6,1,4,2,3\r\n4,2,6,8,5,3,7,9,1\r\n7,1,3,9,2,4,8,5,6\r\n"
              "9,6,1,5,3,7,2,8,4\r\n2,8,7,4,1,9,6,3,5\r\n3,4,5,2,8,6,1,7,9\r\n");
    EXPECT_EQ(text.size(), 171u);
}

TEST(gridfile, WritegridCellsLeftOutByTheFilterAreZero) {
    EXPECT_EQ(writegrid(gridFrom(kSolution), [](int x, int y) { return x < y; }),
              "0,0,0,0,0,0,0,0,0\r\n6,0,0,0,0,0,0,0,0\r\n1,9,0,0,0,0,0,0,0\r\n"
              "8,5,9,0,0,0,0,0,0\r\n4,2,6,8,0,0,0,0,0\r\n7,1,3,9,2,0,0,0,0\r\n"
              "9,6,1,5,3,7,0,0,0\r\n2,8,7,4,1,9,6,0,0\r\n3,4,5,2,8,6,1,7,0\r\n");
    std::string empty;
    for (int y = 0; y < 9; ++y) empty += "0,0,0,0,0,0,0,0,0\r\n";
    EXPECT_EQ(writegrid(Grid{}), empty);
}

TEST(gridfile, ReadgridAcceptsAnyLayoutThatKeepsTheOrder) {
    const std::string canonical = solutionLines(",", "\r\n");
    for (const auto& text : std::vector<std::string>{
             canonical,
             solutionLines(",", "\n"),                            // LF only
             solutionLines(",", "\r"),                            // CR only
             joined(solutionFields(), "\r\n"),                    // one per line
             joined(solutionFields(), ","),                       // all on one line
             solutionLines(" ,\t ", " \r\n  "),                   // blanks around fields
             solutionLines(",", "\r\n\r\n"),                      // blank lines between
             canonical.substr(0, 169),                            // no last line end
             canonical + "1,2,3,x,y\r\nmore text\r\n",             // a tenth line
             canonical.substr(0, 169) + ",not a number at all",  // text after field 81
         }) {
        const auto grid = read(text);
        ASSERT_TRUE(grid) << text;
        EXPECT_EQ(gridText(*grid), kSolution) << text;
    }
}

TEST(gridfile, ReadgridConvertsFieldsToSixteenBitRoundingHalvesToEven) {
    for (const auto& [field, value] : std::vector<std::pair<std::string, int>>{
             {"2.5", 2}, {"3.5", 4}, {"-0.5", 0}, {"0.5", 0}, {"1.5", 2}, {"2.51", 3}, {"-2.5", -2},
             {"1e1", 10}, {"2.5E+1", 25}, {"15e-1", 2}, {".5", 0}, {"7.", 7}, {"+7", 7},
             {"00000000000000000007", 7}, {"-3", -3}, {"12", 12}, {"32767", 32767},
             {"-32768", -32768}, {"32767.4", 32767}, {"-32768.5", -32768},
         }) {
        const auto grid = read(withField(1, field));
        ASSERT_TRUE(grid) << field;
        EXPECT_EQ((*grid)[1][1], value) << field;
        EXPECT_EQ((*grid)[2][1], 1) << field;
    }
}

// The decimal point is a point whatever the process locale; the Qt window adopts the
// user's locale, where it may be a comma.
TEST(gridfile, ReadgridDecimalPointDoesNotFollowTheLocale) {
    const std::string before = std::setlocale(LC_NUMERIC, nullptr);
    bool set = false;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8", "ru_RU.UTF-8"})
        if (std::setlocale(LC_NUMERIC, name)) {
            set = true;
            break;
        }
    if (!set) GTEST_SKIP() << "no locale with a decimal comma installed";
    const auto grid = read(withField(1, "3.5"));
    const auto exponent = read(withField(1, "1.5e1"));
    std::setlocale(LC_NUMERIC, before.c_str());
    ASSERT_TRUE(grid && exponent);
    EXPECT_EQ((*grid)[1][1], 4);
    EXPECT_EQ((*exponent)[1][1], 15);
}

TEST(gridfile, ReadgridFailsOnShortTextsAndFieldsThatAreNotNumbersInRange) {
    std::vector<std::string> texts = {
        "", "\r\n\r\n", joined(std::vector<std::string>(80, "1"), ","),
        joined(std::vector<std::string>(80, "1"), ",") + ",",
        joined(std::vector<std::string>(40, "1"), ",") + "\r\n"};
    for (const std::string field :
         {"x", "1 2", "", "1e", "--1", "+-1", "0x1", "1.2.3", "e5", ".", "32768",
          "-32769", "32767.5", "-32768.51", "1e5", "1e400", "nan", "inf"})
        for (const std::size_t at : {1u, 41u, 81u}) texts.push_back(withField(at, field));
    for (const auto& text : texts) EXPECT_FALSE(read(text)) << text;
}

TEST(gridfile, ReadgridNeverAsksForMoreThanTheSeparatorAfterField81) {
    const std::string junk(1 << 20, 'j');
    for (const auto& [grid, stop] : std::vector<std::pair<std::string, std::size_t>>{
             {solutionLines(",", "\r\n"), 170},            // peeks the CR, never the LF
             {joined(solutionFields(), ",") + ",", 162},  // takes the comma, nothing after
             {joined(solutionFields(), ",") + " \t\r\n", 164}}) {  // blanks, then the CR
        CountingBuf buf(grid + junk);
        std::istream in(&buf);
        ASSERT_TRUE(readgrid(in));
        EXPECT_EQ(buf.served, stop);
    }
}

TEST(gridfile, ReadgridOverlongFieldFailsWithoutReadingItAll) {
    CountingBuf buf(std::string(1 << 20, '7') + "," + withField(1, "1"));
    std::istream in(&buf);
    EXPECT_FALSE(readgrid(in));
    EXPECT_LT(buf.served, 1000u);
}
