#pragma once

#include <QString>

class QWidget;

// Every question and information box of the program goes through this service, so that tests
// can answer them and see what was asked.
enum class TMsgType { Information, Warning, Error, Confirmation };
enum class TMsgButtons { Ok, YesNo };
enum class TMsgAnswer { Ok, Yes, No };

class IMessageBox {
  public:
    virtual ~IMessageBox() = default;
    // Shows a modal box over parent and returns the button pressed (No when the box is closed
    // another way).
    virtual TMsgAnswer Show(QWidget* parent, const QString& text, TMsgType type,
                            TMsgButtons buttons) = 0;
};

// The real boxes, captioned with the program's title.
class TQtMessageBox : public IMessageBox {
  public:
    TMsgAnswer Show(QWidget* parent, const QString& text, TMsgType type,
                    TMsgButtons buttons) override;
};
