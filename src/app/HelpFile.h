#pragma once

#include <QString>
#include <QStringList>

namespace velnar::app {

// Where the help window looks for "help.txt", in this order: beside the
// program, then in the data folder of an installed editor, found from the
// program's own folder (<bindir>/../<datadir>/velnar-messages), so that an
// installed tree can be moved as a whole.
QStringList HelpFileCandidates(const QString& programDirectory);

// The first candidate that exists; when none does, the one beside the
// program, so that the operator is told that this one is missing.
QString HelpFilePath(const QString& programDirectory);

}  // namespace velnar::app
