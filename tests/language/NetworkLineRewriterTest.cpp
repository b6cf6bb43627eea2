#include "language/NetworkLineRewriter.h"

#include "compiler/CompileVariables.h"

#include <gtest/gtest.h>

namespace {

struct RewriteCase {
    int sourceKind;
    bool inComment;
    const char* line;
    const char* expected;
    bool stillInComment;
};

TEST(NetworkLineRewriter, HeadersAndCommentsAcrossLines) {
    const RewriteCase cases[] = {
        {kSourceMainProgram, false, "(* NETWORK 3 *) LD %I0.0", "__NETWORK 3  LD %I0.0", false},
        {kSourceSubroutineProgram, false, "  (* network 12 *)", "__NETWORK 12", false},
        {kSourceMainProgram, false, "(*NETWORK 3*) ld x", "__NETWORK 3  LD X", false},
        {4, false, "(* NETWORK 3 *) LD X", "__NETWORK 3 ;  LD X", false},
        {kSourceMainProgram, false, "(* NETWORK 3", "", true},
        {kSourceMainProgram, true, "*) LD X", "LD X", false},
        {kSourceMainProgram, true, "still comment", "", true},
        {kSourceMainVars, false, "(* NETWORK 3 *) X", "X", false},
        {kSourceMainProgram, false, "(* NETWORK 3a *)", "", false},
        {kSourceMainProgram, false, "LD X (* a *) (* b", "LD X", true},
        {kSourceMainProgram, true, "a *) LD X (* b *) ST Y", "LD X         ST Y", false},
        {kSourceMainProgram, true, "a *) LD X (* b", "LD X", true},
    };
    for (const RewriteCase& c : cases) {
        CurrentSourceKind = c.sourceKind;
        CString line = c.line;
        EXPECT_EQ(c.stillInComment, RewriteNetworkLine(line, c.inComment)) << c.line;
        EXPECT_STREQ(c.expected, line) << c.line;
    }
    CurrentSourceKind = 0;
}

}  // namespace
