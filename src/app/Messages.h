#pragma once
// Message boxes. Windows show them through this interface so that tests can record the texts
// and answer the questions as scripted.

#include <QList>
#include <QString>
#include <QStringList>

class Messages
{
public:
    virtual ~Messages() = default;
    // A plain message box with one OK button; caption "Велтора".
    virtual void show(const QString &text) = 0;
    // The application's error box for a failure caught by the guard.
    virtual void error(const QString &text) = 0;
    // A question with the buttons Yes and No; true for Yes.
    virtual bool askYesNo(const QString &text, const QString &caption) = 0;
};

// Test double: records every text and answers questions from a script (Yes when the script is empty).
class RecordingMessages : public Messages
{
public:
    void show(const QString &text) override { shown.append(text); all.append(text); }
    void error(const QString &text) override { errors.append(text); all.append(text); }
    bool askYesNo(const QString &text, const QString &) override
    {
        questions.append(text);
        all.append(text);
        return answers.isEmpty() ? true : answers.takeFirst();
    }
    void clear() { shown.clear(); errors.clear(); questions.clear(); all.clear(); }

    QStringList shown;
    QStringList errors;
    QStringList questions;
    QStringList all; // every text, in order
    QList<bool> answers;
};
