// What the program's open windows show, written to a file for the install test, which starts the
// installed program in another process and cannot look into its windows otherwise.
#pragma once

#include <QString>

// The variable that names the report file. When it is set, the program writes the report as soon as
// the start-up and the files of its command line are done, and ends.
inline constexpr char kWindowReportVariable[] = "TAVREL_WINDOW_REPORT";

// One line per visible window ("Formmain: TITLE"), then one per named label and text field of it
// ("Formmain/Label12: Font: Vorarado.fa8"), then where its named controls and its tabs are shown, in
// the window's coordinates ("Formmain/ButtonMap @ 912,630 110x24", "Formmap/PageControl1 tab 0 @ …:
// Daten laden und speichern"), so that scripts/screenshot can click them. Returns false when the file
// cannot be written.
bool WriteWindowReport(const QString& fileName);
