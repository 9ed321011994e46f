#pragma once

#include "logic/services/Messages.h"

// Real message boxes, over the active window.
class QtMessages : public Messages
{
public:
    void show(const QString &text) override;
    void error(const QString &text) override;
    bool askYesNo(const QString &text, const QString &caption) override;
    int askChoice(const QString &text, const QStringList &answers, const QString &forAllCaption, bool *forAll) override;
};
