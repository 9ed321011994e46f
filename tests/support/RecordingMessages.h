#pragma once

#include "logic/services/Messages.h"

#include <QList>
#include <QStringList>

// Test double: records every text and answers questions from a script (Yes when the script is empty).
class RecordingMessages : public Messages
{
public:
    void show(const QString &text) override
    {
        shown.append(text);
        all.append(text);
    }
    void error(const QString &text) override
    {
        errors.append(text);
        all.append(text);
    }
    bool askYesNo(const QString &text, const QString &) override
    {
        questions.append(text);
        all.append(text);
        return answers.isEmpty() ? true : answers.takeFirst();
    }
    void clear()
    {
        shown.clear();
        errors.clear();
        questions.clear();
        all.clear();
    }

    QStringList shown;
    QStringList errors;
    QStringList questions;
    QStringList all; // every text, in order
    QList<bool> answers;
};
