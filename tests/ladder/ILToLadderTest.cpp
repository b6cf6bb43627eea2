#include <gtest/gtest.h>

#include <vector>

#include "ladder/Comment.h"
#include "ladder/ILToLadder.h"
#include "tests/ladder/LadderModelFixture.h"

namespace {
// "a / b / c" as IL lines.
void SplitSlashes(const char* text, CStringArray& lines) {
    CString rest = text;
    for (int slash = rest.Find(" / "); slash >= 0; slash = rest.Find(" / ")) {
        lines.Add(rest.Left(slash));
        rest = rest.Mid(slash + 3);
    }
    lines.Add(rest);
}

std::string NetworkShape(const CLadderModel& model, int network) {
    const CCoil* root = static_cast<const CCoil*>(model.GetItem(2 * network + 1));
    if (root->IsRawIL()) return "kept:" + std::string(root->m_strRawIL);
    return Shape(root);
}
}  // namespace

TEST_F(LadderModelTest, ConverterTable) {
    struct Case {
        const char* il;
        std::vector<const char*> networks;
    };
    const Case cases[] = {
        {"(* Network 0 *)", {"NUL:=????"}},
        {"(* Network 0 *) / LD a / OR b / AND c / ST q", {":q=S(a^|(b^),c)"}},
        {"(* Network 0 *) / LD a / ORNI b / ST q", {":q=S(a^|(/Ib^),_)"}},
        {"(* Network 0 *) / LD a / NOT / ST q", {":q=a>NOT"}},
        {"(* Network 0 *) / L1:", {"LBL:L1=_"}},
        {"(* Network 0 *) / LD a / ST q / ST r", {":q;:r=a"}},
        {"(* Network 0 *) / LD a / ST %BR0.0", {"NUL:=a"}},
        {"(* Network 0 *) / LD a / S q / JMP L2 / RETC", {"S:q;JMP:L2;RETC:=a"}},
        // A coil the catalogue lists but does not offer is no output: it follows one.
        {"(* Network 0 *) / LD a / S q / RET", {"kept:LD a\r\nS q\r\nRET\r\n"}},
        {"(* Network 0 *) / LD a / AND( / LD b / OR c / ) / ST q", {":q=a>S(b^|(c^),_)"}},
        {"(* Network 0 *) / LD a / OR( / LD b / AND c / ) / ST q", {":q=S(a^|(P(b>c,_)),_)"}},
        {"(* Network 0 *) / LD a / AND b / OR c / AND d / ST q", {":q=S(P(a>b,c^),d)"}},
        {"(* Network 5 *) / (* Network 9 *) / LD a / ST q", {":q=a"}},
        {"(* Network 0 *) / LD a / ST q / (* Network 1 *)", {":q=a"}},
        {"(* Network 0 *) / LD a / ST b / LD c / ST d",
         {"kept:LD a\r\nST b\r\nLD c\r\nST d\r\n"}},
        {"(* Network 0 *) / LD a / ST b / AND c", {"kept:LD a\r\nST b\r\nAND c\r\n"}},
        {"(* Network 0 *) / LD x / MOVE x, y / ST b / LD c",
         {"kept:LD x\r\nMOVE x  y\r\nST b\r\nLD c\r\n"}},
        {"(* Network 0 *) / LD a / AND( / LD b / AND c / ) / ST q",
         {"kept:LD a\r\nAND(\r\nLD b\r\nAND c\r\n)\r\nST q\r\n"}},
        {"(* Network 0 *) / AND a / ST q", {"kept:AND a\r\nST q\r\n"}},
        // Brackets that do not pair up within a network are refused, never followed.
        {"(* Network 0 *) / LD a / ) / ST q / (* Network 1 *) / LD b / ST r",
         {"kept:LD a\r\n)\r\nST q\r\n", ":r=b"}},
        {"(* Network 0 *) / LD a / AND( / LD b / (* Network 1 *) / OR c / ) / ST q",
         {"kept:LD a\r\nAND(\r\nLD b\r\n", "kept:OR c\r\n)\r\nST q\r\n"}},
        {"(* Network 0 *) / LD a (* why *) / ST q (* out *)", {":q=a"}},
        // Lines in front of the first header make a network of their own.
        {"LD a / ST q", {":q=a"}},
        {"LD a / ST q / (* Network 0 *) / LD b / ST r", {":q=a", ":r=b"}},
    };
    for (const Case& c : cases) {
        CStringArray lines;
        SplitSlashes(c.il, lines);
        ASSERT_TRUE(model.LoadFromIL(lines)) << c.il;
        ASSERT_EQ(c.networks.size(), static_cast<size_t>(model.GetNetworkCount())) << c.il;
        for (size_t n = 0; n < c.networks.size(); ++n)
            EXPECT_EQ(c.networks[n], NetworkShape(model, static_cast<int>(n))) << c.il;
    }
}

TEST_F(LadderModelTest, ConverterHeadersAndRefusedNetworks) {
    CStringArray lines;
    SplitSlashes("(* Network 0 *) / (*first\x01second*) / LD a / ST q / (* Network 1 *) / "
                 "(*why*) / LD a / ST b / LD c / ST d",
                 lines);
    ASSERT_TRUE(model.LoadFromIL(lines));
    CComment* first = static_cast<CComment*>(model.GetItem(0));
    EXPECT_STREQ("first\r\nsecond", first->m_strComment);
    CComment* refused = static_cast<CComment*>(model.GetItem(2));
    EXPECT_STREQ("why", refused->m_strComment);
    EXPECT_FALSE(refused->m_bConvertible);
    EXPECT_EQ(1, refused->m_nNetwork);
    // The refused network is written back as it came.
    EXPECT_STREQ("(* Network 0 *)\r\n(*first\x01second*)\r\nLD    a\r\nST   q\r\n"
                 "(* Network 1 *)\r\n(*why*)\r\nLD a\r\nST b\r\nLD c\r\nST d\r\n",
                 model.ToIL());

    // An empty text is refused; the editor starts afresh.
    FakeLadderEngine* freshEngine = new FakeLadderEngine;
    CLadderModel fresh(freshEngine);
    CStringArray none;
    EXPECT_FALSE(fresh.LoadFromIL(none));
    EXPECT_EQ(0, fresh.GetNetworks().GetSize());
    EXPECT_EQ(1, freshEngine->initialUpdates);

    CILToLadder converter;
    CString message;
    CStringArray bad;
    SplitSlashes("(* Network 0 *) / LD a / ST b / LD c / ST d", bad);
    EXPECT_TRUE(converter.CheckAndSplit(bad, message));
    EXPECT_NE(-1, message.Find("LD类指令只允许在一个网络、OR块或者AND块的第一行使用。"));
}

TEST_F(LadderModelTest, FileFormRoundTrip) {
    model.OnNewDocument();
    CLadderModel reloaded(new FakeLadderEngine);
    CStringArray lines;
    model.ExportIL(lines);
    ASSERT_TRUE(reloaded.LoadFromIL(lines));
    EXPECT_STREQ(model.ToIL(), reloaded.ToIL());
    EXPECT_EQ(Shape(Root(0)), Shape(reloaded.GetItem(1)));
}

TEST_F(LadderModelTest, NetworksThatCannotBeBuiltStayIL) {
    // A line that makes no box passes the check but cannot be drawn: the switch from IL
    // refuses the text, while a program file keeps the network as its IL.
    const char* text = "(* Network 0 *) / LD a / ST q / (* Network 1 *) / (*odd*) / LD b / "
                       "FOO c, d / ST r / (* Network 2 *) / LD e / ST s";
    CStringArray lines;
    SplitSlashes(text, lines);
    CILToLadder converter;
    CString message;
    ASSERT_TRUE(converter.CheckAndSplit(lines, message));
    EXPECT_FALSE(converter.BuildNetworks());
    EXPECT_EQ(0, converter.m_elements.GetSize());

    ASSERT_TRUE(model.LoadFromIL(lines));
    ASSERT_EQ(3, model.GetNetworkCount());
    EXPECT_EQ(":q=a", NetworkShape(model, 0));
    EXPECT_EQ("kept:LD b\r\nFOO c  d\r\nST r\r\n", NetworkShape(model, 1));
    EXPECT_EQ(":s=e", NetworkShape(model, 2));
    CComment* kept = static_cast<CComment*>(model.GetItem(2));
    EXPECT_FALSE(kept->m_bConvertible);
    EXPECT_STREQ("odd", kept->m_strComment);
    EXPECT_EQ(1, kept->m_nNetwork);
    EXPECT_STREQ("(* Network 0 *)\r\nLD    a\r\nST   q\r\n(* Network 1 *)\r\n(*odd*)\r\n"
                 "LD b\r\nFOO c  d\r\nST r\r\n(* Network 2 *)\r\nLD    e\r\nST   s\r\n",
                 model.ToIL());
}
