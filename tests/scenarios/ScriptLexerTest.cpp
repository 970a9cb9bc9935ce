#include "ScriptLexer.h"

#include <gtest/gtest.h>

using script::LexError;
using script::splitLine;
using script::Word;

namespace {

Word plain(const char* text) {
    return {QString::fromUtf8(text), false};
}
Word quoted(const char* text) {
    return {QString::fromUtf8(text), true};
}

TEST(ScriptLexer, SplitsWordsAndDecodesQuotedArguments) {
    const struct {
        const char* line;
        std::vector<Word> words;
    } cases[] = {
        {"   # an indented comment \"unterminated", {}},
        {"load\r", {plain("load")}},
        {"clock\t2003-07-05  09:59:58", {plain("clock"), plain("2003-07-05"), plain("09:59:58")}},
        {"select lblDatum(1) 0 # not a comment",
         {plain("select"), plain("lblDatum(1)"), plain("0"), plain("#"), plain("not"), plain("a"),
          plain("comment")}},
        {"file cancel", {plain("file"), plain("cancel")}},
        {"file \"cancel\"", {plain("file"), quoted("cancel")}},
        {R"(type MTid "a\"b\\c\rd\ne\tf")", {plain("type"), plain("MTid"), quoted("a\"b\\c\rd\ne\tf")}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(splitLine(QString::fromUtf8(c.line)), c.words) << c.line;
}

TEST(ScriptLexer, RejectsMalformedQuotes) {
    for (const char* line : {R"(type Namn "Anna)", R"(type Namn "x\q")", R"(type Namn "x\)",
                             R"(type Namn "a"b)", R"(type Namn a"b")"})
        EXPECT_THROW(splitLine(QString::fromUtf8(line)), LexError) << line;
}

} // namespace
