#include "DataEntryFixture.h"

#include "../support/FitCases.h"
#include "files/TextTable.h"

#include <fstream>

namespace {

// The window's footer for every table of tests/data/fits must read exactly what
// kelvane-fit prints for it: both come from <case>.expected.
class SharedFitCasesTest : public DataEntryTest {
protected:
    void enterTable(const std::string& path) {
        std::ifstream in(path);
        ASSERT_TRUE(in) << path;
        const TextTable text = readTextTable(in, DataTable::ROW_COUNT_CHOICES.back());
        while (table().columnCount() <= text.columnCount)
            form->grid().tableModel().addColumn("C" + std::to_string(table().columnCount()));
        for (std::size_t row = 0; row < text.rows.size(); ++row)
            for (std::size_t col = 0; col < text.rows[row].size(); ++col)
                enter(int(col) + 1, int(row) + 1, QString::fromStdString(text.rows[row][col]));
    }
    static int column(const std::string& field) { return field == "-" ? -1 : std::stoi(field); }

    void configure(const FitCase& c) {
        changeDocument([&](Document& d) {
            d.fitType = c.fitType;
            d.errorMethod = c.errorMethod;
            d.roles = {column(c.x), column(c.dx), column(c.y), column(c.dy)};
        });
        if (c.rows != "-") {
            const auto colon = c.rows.find(':');
            selectRows(std::stoi(c.rows.substr(0, colon)), std::stoi(c.rows.substr(colon + 1)));
        }
    }

    // The footer's lines up to its empty line and "Created:" line.
    std::vector<std::string> footerResults() {
        QStringList lines = chart().footerLines();
        std::vector<std::string> results;
        for (qsizetype i = 0; i + 2 < lines.size(); ++i)
            results.push_back(lines[i].toStdString());
        return results;
    }
};

TEST_F(SharedFitCasesTest, FooterMatchesTheSharedExpectations) {
    const std::string folder = KELVANE_FITS_DIR;
    const std::vector<FitCase> cases = readFitCases(folder);
    ASSERT_FALSE(cases.empty());
    for (const FitCase& c : cases) {
        SCOPED_TRACE(c.name);
        form = std::make_unique<TMainForm>(ui, '.');
        form->show();
        enterTable(folder + "/" + c.table);
        configure(c);
        fitButton()->click();
        ASSERT_TRUE(fitButton()->isChecked()) << messageTexts().join('|').toStdString();
        EXPECT_EQ(footerResults(), expectedLines(folder, c));
    }
}

} // namespace
