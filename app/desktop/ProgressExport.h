// canzet --export-progress: every practice answer as CSV, for a spreadsheet.
#pragma once

#include <string>

// Loads the progress file (`progressFile`, or the one in the data folder when empty),
// telling any damage on stderr, and writes its answers to `csvFile`. Returns the exit
// status: 0, or 1 with one line on stderr saying what failed.
int ExportProgress(const std::string& progressFile, const std::string& csvFile);
// canzet --export-days: one row a day, under the learner's daily goal.
int ExportDays(const std::string& progressFile, const std::string& csvFile);
