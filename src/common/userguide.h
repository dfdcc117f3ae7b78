// Where the program finds its user guide, and what "Über Tavrel" says.
#pragma once

#include <QString>

// The user guide handbuch.md with its pictures: in doc/ beside the program (a build folder), else in
// ../share/doc/tavrel/ of an installed program. Empty when neither holds it.
QString UserGuideFile(const QString& programFolder);

// The text of "Über Tavrel" for a version ("1.0.0").
QString AboutText(const QString& version);
