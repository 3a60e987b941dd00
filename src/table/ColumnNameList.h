#pragma once

class DataTable;
class QComboBox;

// Refills a drop-down list with the names of the data columns 1 to C - 1 in order, so that
// entry position p stands for column p + 1; no entry is selected afterwards.
void fillWithColumnNames(QComboBox& list, const DataTable& table);
