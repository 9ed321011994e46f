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
    // A question with several answers, one button each in the order given, and a check box
    // `forAllCaption` under the text: the index of the answer (the last one for Escape or the close
    // box), and in `forAll` whether the box was ticked.
    virtual int askChoice(const QString &text, const QStringList &answers, const QString &forAllCaption,
                          bool *forAll) = 0;
};
