// A UserDialogs that answers from a script and records every request, for window tests.
#pragma once

#include "common/desktopopener.h"
#include "common/userdialogs.h"

#include <QStringList>
#include <deque>
#include <vector>

class ScriptedDialogs : public UserDialogs {
public:
    // Answers for the next file dialogs; std::nullopt cancels. Without a script a dialog cancels.
    std::deque<std::optional<QString>> fileAnswers;
    std::deque<Answer> confirmAnswers;
    std::deque<SaveAnswer> saveAnswers;
    std::deque<RecoverAnswer> recoverAnswers;

    std::vector<FileDialogRequest> openRequests;
    std::vector<FileDialogRequest> saveRequests;
    QStringList confirmations;
    QStringList saveQuestions;
    QStringList recoverQuestions;
    QStringList messages;
    QStringList errors;

    std::optional<QString> openFile(const FileDialogRequest& request) override
    {
        openRequests.push_back(request);
        return nextFile();
    }
    std::optional<QString> saveFile(const FileDialogRequest& request) override
    {
        saveRequests.push_back(request);
        return nextFile();
    }
    Answer confirm(const QString& text) override
    {
        confirmations << text;
        if (confirmAnswers.empty())
            return Answer::Cancel;
        const Answer a = confirmAnswers.front();
        confirmAnswers.pop_front();
        return a;
    }
    SaveAnswer askSave(const QString& text) override
    {
        saveQuestions << text;
        if (saveAnswers.empty())
            return SaveAnswer::Cancel;
        const SaveAnswer a = saveAnswers.front();
        saveAnswers.pop_front();
        return a;
    }
    RecoverAnswer askRecover(const QString& text) override
    {
        recoverQuestions << text;
        if (recoverAnswers.empty())
            return RecoverAnswer::Later;
        const RecoverAnswer a = recoverAnswers.front();
        recoverAnswers.pop_front();
        return a;
    }
    void message(const QString& text) override { messages << text; }
    void error(const QString& text) override { errors << text; }

private:
    std::optional<QString> nextFile()
    {
        if (fileAnswers.empty())
            return std::nullopt;
        const bool chosen = fileAnswers.front().has_value();
        const QString name = chosen ? *fileAnswers.front() : QString();
        fileAnswers.pop_front();
        if (!chosen)
            return std::nullopt;
        return name;
    }
};

// Records what the desktop was asked to open and answers as told.
class RecordingOpener : public DesktopOpener {
public:
    QStringList opened;
    bool answer = true;
    bool open(const QString& fileName) override
    {
        opened << fileName;
        return answer;
    }
};
