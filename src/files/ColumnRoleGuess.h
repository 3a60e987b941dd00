#pragma once

#include "table/DataTable.h"

#include <optional>
#include <string>
#include <vector>

// The roles an imported header makes plain. A column is the uncertainty of another when
// its name, without its unit ("dV (mV)", "t [s]", "U / V") and a run's "Run 1: ", is
// - another column's name with "d", "δ", "Δ", "σ", "sigma_" or "err_" before it (dV, σV;
//   the nearest such column, those before it first), or such a prefix and a capital
//   letter ("dT" beside "Temperature"): the column before it,
// - a name with "_err", "_error", "_unc", "_sigma", "_sd" or " err" after it (V_err): that
//   column's, else the column before it,
// - one of "σ", "sigma", "err", "error", "uncertainty": the column before it.
// Y is the first column with an uncertainty that is not the first other column, else the
// second other column; X the first other column; dX and dY their uncertainties. Nothing
// when no column is an uncertainty: the header then says nothing about roles.
// `names` are the data columns' from column 1 on; the roles are table columns.
std::optional<ColumnRoles> guessRoles(const std::vector<std::string>& names);
