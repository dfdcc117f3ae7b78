// The lists of recently opened files (Datei → "Zuletzt geöffnet"), kept in the program's settings.
#pragma once

#include <QSettings>
#include <QString>
#include <QStringList>
#include <vector>

// One list of files, newest first, at most kMost entries, each path once (as an absolute, clean path).
// The list lives in the settings under its key, so it outlasts the run; every change is written at once.
class RecentFiles {
public:
    static constexpr int kMost = 8;

    struct Entry {
        QString path;
        bool missing = false; // the file is no longer there (or is no regular file)
    };

    // key names the list in the settings ("zuletzt/pattern", "zuletzt/level").
    explicit RecentFiles(QString key);

    // The list as the settings hold it now, with each file checked.
    std::vector<Entry> entries() const;
    // Puts a file that was just opened or saved on top; the oldest beyond kMost drops out.
    void add(const QString& path);
    // Takes a file off the list.
    void remove(const QString& path);
    // Takes every file off the list that is no longer there; returns how many went.
    int removeMissing();
    void clear();

    // The text of a menu entry: "&1 name  (folder)", marked when the file is missing.
    static QString menuText(int index, const Entry& entry);

private:
    QStringList read() const;
    void write(const QStringList& paths);

    QString mKey;
};
