#pragma once

#include <QString>
#include <vector>

#include "file/RowReadBack.h"

namespace velnar::app {

// What the main window's commands tell the operator. `reason` is the
// system's own words for a failure.
QString OpenFailureText(const QString& path, const std::string& reason);
QString SaveFailureText(const QString& path, const std::string& reason);
QString HelpFailureText(const QString& path, const std::string& reason);

// After a save: the rows that will come back different when the file is
// opened, one line each with its slot, row and why.
QString ReadBackWarningText(const std::vector<file::RowMismatch>& rows);

// Asked before a close would lose edits that were not saved.
QString SaveChangesQuestion();

// The preview's caption and system-menu item: "ÖNİZLEME".
QString PreviewCaption();

}  // namespace velnar::app
