#include "platform/MessageBox.h"

#include <QMessageBox>

TMsgAnswer TQtMessageBox::Show(QWidget* parent, const QString& text, TMsgType type,
                               TMsgButtons buttons) {
    QMessageBox box(parent);
    box.setWindowTitle(QStringLiteral("よらぴぃーでーえー"));
    box.setText(text);
    switch (type) {
    case TMsgType::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case TMsgType::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    case TMsgType::Error:
        box.setIcon(QMessageBox::Critical);
        break;
    case TMsgType::Confirmation:
        box.setIcon(QMessageBox::Question);
        break;
    }
    if (buttons == TMsgButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    int result = box.exec();
    if (buttons == TMsgButtons::Ok)
        return TMsgAnswer::Ok;
    return result == QMessageBox::Yes ? TMsgAnswer::Yes : TMsgAnswer::No;
}
