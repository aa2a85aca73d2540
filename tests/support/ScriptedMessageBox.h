#pragma once

#include "platform/MessageBox.h"

#include <QStringList>
#include <deque>

// Answers boxes from a script (Yes when the script is empty) and records every text shown.
class TScriptedMessageBox : public IMessageBox {
  public:
    void setNextAnswer(TMsgAnswer answer) { answers.push_back(answer); }

    TMsgAnswer Show(QWidget*, const QString& text, TMsgType type, TMsgButtons buttons) override {
        shown << text;
        types.push_back(type);
        if (buttons == TMsgButtons::Ok)
            return TMsgAnswer::Ok;
        if (answers.empty())
            return TMsgAnswer::Yes;
        TMsgAnswer a = answers.front();
        answers.pop_front();
        return a;
    }

    QStringList shown;
    std::deque<TMsgType> types;
    std::deque<TMsgAnswer> answers;
};
