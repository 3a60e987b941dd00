#pragma once

#include "common/UserMessage.h"
#include "common/Equation.h"
#include "table/CellRange.h"
#include "table/DataTable.h"

#include <optional>
#include <string>
#include <variant>
#include <vector>

// Computed columns: a column filled row by row from an equation over the other columns.
// The user refers to a column by its name in double quotes ("X"); before parsing, every
// such reference becomes the column's variable name, and each row hands the parser the
// values of its cells.

// The text between the result column's name and the equation in the window; the messages
// about the equation quote it.
inline constexpr const char* EQUATION_LABEL = "=";

// The variable name of data column c: the letter A repeated c + 2 times (AAA for column 1).
std::string variableName(int column);
// The variable names of data columns 1..C-1 joined by commas: AAA,AAAA,AAAAA.
std::string variableList(const DataTable& table);

// A column name without its leading and trailing blanks, as a reference quotes it.
std::string trimmedName(const std::string& name);
// A column's reference: its trimmed name in double quotes.
std::string columnReference(const std::string& name);
// The references of data columns 1..C-1 in order, as the window's column list offers them.
std::vector<std::string> columnReferences(const DataTable& table);

// Replaces every reference by the variable of its column: the references in order (column 1
// first), each replacing its occurrences from left to right in what the ones before left.
// Anything else stays as typed, names without quotes included. A variable that would touch
// a name or a number ("X""Y", 2"X") is set apart by a blank: run together, AAA and AAAA
// would make AAAAAAA, the variable of column 5, and the typing slip would silently read
// another column instead of failing to parse.
std::string translateEquation(const std::string& equation,
                              const std::vector<std::string>& references);

// The check of "Define a Function" before its window opens, over every data cell: a cell
// with two or more decimal points.
std::optional<UserMessage> extraDecimalPointsRefusal(const DataTable& table);

// OK with an empty result-column name.
UserMessage blankResultNameRefusal();
// OK with the name of an existing column: Yes overwrites it.
UserMessage overwriteQuestion();

// The checks of OK after the result column, in order: the equation is not blank, and its
// translation parses with `variables` (a variableList). Gives the parsed equation or the
// message that refuses it; a parse error names the position in the translated text.
std::variant<Equation, UserMessage> checkEquation(const std::string& equation,
                                                  const std::vector<std::string>& references,
                                                  const std::string& variables);

// An equation that passed every check of OK, and where its results go.
inline constexpr int NEW_COLUMN = -1;
struct ColumnFormula {
    std::string name;              // the result column's name
    int targetColumn = NEW_COLUMN; // the column to overwrite, or a new one at the right end
    Equation equation;
};

// The results of an equation for every data row of a table.
struct ColumnResults {
    // Element row - 1 holds the text for that row's result cell: the value in the general
    // number format with 15 significant digits, the empty text where the equation could not
    // be evaluated, and nullopt for a row without data, whose cell keeps what it holds.
    std::vector<std::optional<std::string>> cells;
    int unevaluatedRows = 0;
    int firstUnevaluatedRow = 0; // 0 when every row was evaluated
};

// The row loop. A row is skipped only when all its data cells are empty; otherwise each
// column the equation names gives its number (0 for an empty cell) and the equation is
// evaluated. The table is only read, so an overwritten column's own old values take part.
// Throws KelvaneError with the conversion message at the first cell of a named column that
// is not a number, before any result exists; the caller then writes nothing.
ColumnResults computeColumn(const DataTable& table, Equation& equation);

// The results as writes into the data cells of `column`, rows without data left out.
std::vector<CellWrite> cellWrites(const ColumnResults& results, int column);

// Written 0, an equation's failures would pass for measurements in the next fit; the
// cells stay empty and this says how many there were.
std::optional<UserMessage> unevaluatedRowsWarning(const ColumnResults& results);
