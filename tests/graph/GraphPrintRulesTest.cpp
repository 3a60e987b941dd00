#include "files/GraphFiles.h"
#include "graph/PrintCopies.h"
#include "graph/PrintedSize.h"

#include <gtest/gtest.h>

namespace {

TEST(GraphFileNameTest, TheExtensionIsAppendedUnlessTheNameContainsIt) {
    struct Case {
        const char* chosen;
        GraphFileType type;
        const char* written;
    };
    for (const Case& c : {Case{"graph", GraphFileType::Bitmap, "graph.bmp"},
                          Case{"graph.BMP", GraphFileType::Bitmap, "graph.BMP.bmp"},
                          Case{"my.bmp.old", GraphFileType::Bitmap, "my.bmp.old"},
                          Case{"graph.jpeg", GraphFileType::Jpeg, "graph.jpeg.jpg"},
                          Case{"a.jpg", GraphFileType::Jpeg, "a.jpg"},
                          Case{"fig.PNG", GraphFileType::Png, "fig.PNG.png"},
                          Case{"fig.svg", GraphFileType::Svg, "fig.svg"},
                          Case{"report/fig", GraphFileType::Pdf, "report/fig.pdf"}})
        EXPECT_EQ(graphFileName(c.chosen, c.type), c.written) << c.chosen;
}

TEST(CopiesDecisionTest, EmptyOrNonNumericTextIsRefusedAndMoreThanFiveAsks) {
    const UserMessage refusal{"Ummm...you didn't tell me how many copies to print.", "Huh?",
                              MessageIcon::Stop, MessageButtons::Ok};
    for (const char* text : {"", "abc", "2a", "-3", " 2", "99999999999"}) {
        const CopiesDecision d = copiesDecision(text);
        EXPECT_EQ(d.kind, CopiesDecision::Kind::Refused) << text;
        EXPECT_EQ(d.message, refusal) << text;
    }
    for (const auto& [text, copies] :
         {std::pair("0", 0), std::pair("1", 1), std::pair("5", 5), std::pair("05", 5)}) {
        const CopiesDecision d = copiesDecision(text);
        EXPECT_EQ(d.kind, CopiesDecision::Kind::Accepted) << text;
        EXPECT_EQ(d.copies, copies) << text;
    }
    const CopiesDecision six = copiesDecision("6");
    EXPECT_EQ(six.kind, CopiesDecision::Kind::Ask);
    EXPECT_EQ(six.copies, 6);
    EXPECT_EQ(six.message,
              (UserMessage{"Are you sure you want to print 6 copies? That sure seems like a lot "
                           "to me!",
                           "Are you kidding me?", MessageIcon::Question, MessageButtons::YesNo}));
}

TEST(PrintedSizeTest, KeepsTheProportionsAndStaysOnThePage) {
    struct Case {
        int w, h, pageW, pageH;
        PrintedSize printed;
    };
    for (const Case& c : {
             Case{700, 400, 700, 1000, {700, 400}}, // across the width, 4/7 as high
             Case{700, 400, 794, 1123, {794, 453}}, // 453.7 truncated
             Case{500, 510, 1123, 794, {778, 794}}, // taller than wide: the full height
             Case{500, 510, 794, 1123, {794, 809}}, // ... unless it would run off the side
             Case{400, 400, 794, 1123, {794, 794}}, // square: not wider than high
             Case{900, 400, 1123, 300, {675, 300}}, // wide, but a short page limits it
             Case{0, 400, 794, 1123, {0, 0}},
         })
        EXPECT_EQ(printedGraphSize(c.w, c.h, c.pageW, c.pageH), c.printed)
            << c.w << "x" << c.h << " on " << c.pageW << "x" << c.pageH;
}

} // namespace
