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
    // Answers from `choices` (the first answer when empty); "for all" from `forAllAnswers` (unticked when empty).
    int askChoice(const QString &text, const QStringList &, const QString &, bool *forAll) override
    {
        questions.append(text);
        all.append(text);
        if (forAll)
            *forAll = forAllAnswers.isEmpty() ? false : forAllAnswers.takeFirst();
        return choices.isEmpty() ? 0 : choices.takeFirst();
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
    QList<int> choices;
    QList<bool> forAllAnswers;
};
