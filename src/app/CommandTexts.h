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

// Asked before a save that would cut rows: each row, what it holds and what
// it would open as.
QString SaveAnywayQuestion(const std::vector<file::RowMismatch>& rows, const model::MessageTable& table);

// Asked before a close would lose edits that were not saved.
QString SaveChangesQuestion();

// The preview's caption and system-menu item: "ÖNİZLEME".
QString PreviewCaption();
// The system menu's item of the port map.
QString PortMapCaption();

// The system-menu items of what the sign holds: "DEĞİŞENLERİ GÖNDER" (send
// what changed) and forgetting it.
QString SendChangedCaption();
QString ForgetSignCaption();

}  // namespace velnar::app
